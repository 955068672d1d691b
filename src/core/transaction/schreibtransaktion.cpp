// The scope of a writing command: journal, change lock, commit or undo.
#include "core/transaction/schreibtransaktion.h"

#include "core/common/fehler.h"
#include "core/common/gesperrtmeldung.h"
#include "core/common/ordnerliste.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"

#include <unordered_set>

namespace zalvor {

namespace {

struct Ort {
    std::string journal;
    std::string sperrdatei;
};

// Changes made before any club is chosen (a new club, the demo) are journalled under a name
// of the folder's own.
Dateisatz ordnerDateisatz(const std::string& ordner) {
    return Dateisatz(ordner + "Zalvor", "00");
}

Ort ortFuer(const Sitzung& s, const std::string& ersterPfad) {
    if (!s.verein.datei.basisname.empty()) {
        const Dateisatz d = s.verein.datei.dateien();
        return {d.journal(), d.sperre()};
    }
    const Dateisatz d = ordnerDateisatz(verzeichnisTeil(ersterPfad));
    return {d.journal(), d.sperre()};
}

// The change lock of `sperrdatei`: through the session's lock when it is on that file.
Sperre* aenderungssperre(Sitzung& s, Sperre& eigene, const std::string& sperrdatei) {
    Sperre* sperre = &s.sperre;
    if (!s.sperre.offen() || s.sperre.datei() != sperrdatei) {
        if (!eigene.lesen(sperrdatei)) return nullptr;
        if (!eigene.offen()) return &eigene; // a medium nobody can write
        sperre = &eigene;
    }
    return sperre->aendern() ? sperre : nullptr;
}

Schreibtransaktion* gLaufende = nullptr;

} // namespace

Schreibtransaktion::Schreibtransaktion(Sitzung& s) : s_(s) {
    if (aenderungen::beobachter()) return;
    aussen_ = true;
    aenderungen::beobachten(this);
    gLaufende = this;
}

Schreibtransaktion::~Schreibtransaktion() {
    if (!aussen_) return;
    zuruecknehmen();
    aenderungen::beobachten(nullptr);
    gLaufende = nullptr;
}

Schreibtransaktion* Schreibtransaktion::laufende() {
    return gLaufende;
}

void Schreibtransaktion::beginnen(const std::string& ersterPfad) {
    const Ort ort = ortFuer(s_, ersterPfad);
    sperre_ = aenderungssperre(s_, eigeneSperre_, ort.sperrdatei);
    if (!sperre_) {
        gesperrtMelden(s_.person, ort.sperrdatei,
                       A("wird gerade von einem anderen Programm geändert. Der Befehl ändert "
                         "nichts; versuchen Sie es später noch einmal."));
        throw BefehlAbgebrochen();
    }
    // A journal of a program killed before is undone before this one begins.
    journalAbspielen(ort.journal);
    journal_.emplace(ort.journal);
    if (beimBeginn_) beimBeginn_();
}

void Schreibtransaktion::vorAenderung(const std::string& pfad, aenderungen::Art art,
                                      std::uint64_t offset, std::uint64_t n) {
    if (!journal_) beginnen(pfad);
    journal_->vorAenderung(pfad, art, offset, n);
}

std::string Schreibtransaktion::vorDatenbankCommit(const std::string& datenbank) {
    if (!journal_) return {};
    return journal_->datenbankVermerken(datenbank);
}

void Schreibtransaktion::nachDatenbankCommit() {
    if (journal_ && journal_->angelegt()) festgeschrieben_ = true;
}

void Schreibtransaktion::beenden() {
    journal_.reset();
    festgeschrieben_ = false;
    if (sperre_) sperre_->aenderungBeendet();
    sperre_ = nullptr;
    eigeneSperre_.freigeben();
}

void Schreibtransaktion::abschliessen() {
    if (!aussen_ || !journal_) return;
    journal_->abschliessen();
    beenden();
}

bool Schreibtransaktion::zuruecknehmen() {
    if (!aussen_ || !journal_) return true;
    // Past the database's commit the command is complete: its changes stay.
    if (festgeschrieben_) {
        abschliessen();
        return true;
    }
    bool ok = true;
    try {
        journal_->zuruecknehmen();
    } catch (const EAFehler& e) {
        ok = false;
        s_.person.meldung(
            A("Achtung!"),
            A("Die begonnene Änderung konnte nicht zurückgenommen werden (E/A-Fehler ") +
                std::to_string(e.nummer()) +
                A("). Sie wird beim nächsten Öffnen des Vereins zurückgenommen."),
            Symbol::Fehler);
    }
    beenden();
    return ok;
}

bool liegengebliebeneJournale(Sitzung& s) {
    const std::string& basis = s.verein.datei.basisname;
    if (basis.empty()) return false;
    std::vector<std::pair<std::string, std::string>> orte; // journal, lock
    // One look at the folder instead of a hundred at names that are almost never there.
    const std::vector<std::string> namen = ordnerNamen(verzeichnisTeil(basis));
    const std::unordered_set<std::string> vorhanden(namen.begin(), namen.end());
    for (int jahr = 0; jahr < 100; ++jahr) {
        const Dateisatz d(basis, zweistellig(jahr));
        if (vorhanden.contains(dateinameTeil(d.journal())) && dateiExistiert(d.journal()))
            orte.emplace_back(d.journal(), d.sperre());
    }
    const Dateisatz ordner = ordnerDateisatz(verzeichnisTeil(basis));
    if (dateiExistiert(ordner.journal())) orte.emplace_back(ordner.journal(), ordner.sperre());
    bool abgespielt = false;
    for (const auto& [journal, sperrdatei] : orte) {
        Sperre eigene;
        Sperre* sperre = aenderungssperre(s, eigene, sperrdatei);
        // Another program is in the middle of that change: it completes or undoes it itself.
        if (!sperre) continue;
        const Journalausgang a = journalAbspielen(journal);
        if (sperre != &eigene) sperre->aenderungBeendet();
        if (a != Journalausgang::Zurueckgenommen) continue;
        abgespielt = true;
        s.person.meldung(A("Wiederherstellung"),
                         A("Eine unterbrochene Änderung (") + utf8NachAnsi(journal) +
                             A(") wurde zurückgenommen: Die Dateien des Vereins sind wieder im "
                               "Stand vor dieser Änderung."),
                         Symbol::Warnung);
    }
    return abgespielt;
}

} // namespace zalvor
