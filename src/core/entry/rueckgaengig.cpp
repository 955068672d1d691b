// Undo of this run's bookings, changes and deletions.
#include "core/entry/rueckgaengig.h"

#include "core/common/befehlsregeln.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"

namespace zalvor {

namespace {

// Files `satz` into index k again where the restored record belongs. Among equal keys the
// lower record number goes first, as the reorganisation and appending order them, so that
// the index is again the one from before the change.
void wiederEinordnen(Sitzung& s, int k, std::uint32_t satz, const std::vector<TBuchung>& saetze) {
    std::vector<std::uint16_t> eintraege = indexLesen(s.verein.datei, k);
    std::erase(eintraege, static_cast<std::uint16_t>(satz));
    const Sortierschluessel neu = sortierschluessel(k, saetze[satz]);
    auto stelle = eintraege.begin();
    for (; stelle != eintraege.end(); ++stelle) {
        if (*stelle >= saetze.size()) continue;
        const int c = vergleicheSchluessel(k, sortierschluessel(k, saetze[*stelle]), neu);
        if (c > 0 || (c == 0 && *stelle > satz)) break;
    }
    eintraege.insert(stelle, static_cast<std::uint16_t>(satz));
    indexSchreiben(s.verein.datei, k, eintraege);
}

} // namespace

void Rueckgaengig::neueBuchung(std::uint32_t satz) {
    schritte_.push_back({RueckgaengigSchritt::Art::NeueBuchung, satz, {}});
}

void Rueckgaengig::aenderung(std::uint32_t satz, const TBuchung& vorher) {
    schritte_.push_back({RueckgaengigSchritt::Art::Aenderung, satz, vorher});
}

std::optional<std::uint32_t> Rueckgaengig::naechsterSatz() const {
    if (schritte_.empty()) return std::nullopt;
    return schritte_.back().satz;
}

bool Rueckgaengig::rueckgaengigMachen(Sitzung& s) {
    befehlPruefen(s, Befehlsart::Rueckgaengig);
    if (schritte_.empty()) return false;
    const RueckgaengigSchritt schritt = schritte_.back();
    const std::string name = s.verein.datei.dateiname();
    // A file changed behind the program's back no longer holds the record: nothing to undo.
    if (schritt.satz >= satzAnzahl(name)) {
        schritte_.clear();
        return false;
    }
    // The step leaves the list only once the file holds the undone state; a failed write
    // keeps it for another try.
    if (schritt.art == RueckgaengigSchritt::Art::NeueBuchung) {
        buchungLoeschen(name, schritt.satz);
    } else {
        buchungUeberschreiben(name, schritt.satz, schritt.vorher);
        const std::vector<TBuchung> saetze = alleBuchungenLesen(name);
        for (int k = 1; k <= 9; ++k)
            wiederEinordnen(s, k, schritt.satz, saetze);
    }
    schritte_.pop_back();
    s.tabelle(TabellenModus::Auffrischen);
    return true;
}

} // namespace zalvor
