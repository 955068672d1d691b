// Index files: comparison of the nine orders, filing and re-filing of one record.
#include "files/indexdatei.h"

#include "common/betrag.h"
#include "common/dateisystem.h"
#include "common/fehler.h"
#include "common/typverwaltung.h"
#include "common/zeichensatz.h"
#include "files/buchungsdatei.h"

#include <algorithm>
#include <optional>

namespace zalvor {

namespace {

int ea(const TBuchung& b) { return b.einnahme != 0 ? 1 : 0; }

int typOrdnung(const TBuchung& b) { return Typverwaltung::typcodeZuPosten(b.typcode); }

long nummerWert(const TBuchung& b) {
    auto v = ganzzahlLesen(b.bunr.text());
    return v ? *v : 0;
}

int datum(const TBuchung& b) { return b.monat * 256 + b.tag; }

// -1, 0, 1 for a < b, equal, a > b.
template <typename T>
int vergleich(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int textVergleich(const TBuchung& a, const TBuchung& b) {
    // std::string compares bytes as unsigned values; a shorter prefix sorts first.
    return vergleich(a.text.text(), b.text.text());
}

int schluesselVergleich(int k, const TBuchung& a, const TBuchung& b) {
    int c = 0;
    switch (k) {
    case 1: return textVergleich(a, b);
    case 2: return vergleich(a.betrag.wert(), b.betrag.wert());
    case 3:
        c = vergleich(typOrdnung(a), typOrdnung(b));
        return c != 0 ? c : vergleich(ea(a), ea(b));
    case 8: return vergleich(datum(a), datum(b));
    default: break;
    }
    c = vergleich(ea(a), ea(b));
    if (c != 0) return c;
    switch (k) {
    case 4: return vergleich(nummerWert(a), nummerWert(b));
    case 5: return textVergleich(a, b);
    case 6: return vergleich(a.betrag.wert(), b.betrag.wert());
    case 7: return vergleich(typOrdnung(a), typOrdnung(b));
    case 9: return vergleich(datum(a), datum(b));
    default: return 0;
    }
}

std::vector<std::uint16_t> eintraegeLesen(const std::string& name) {
    BinaerDatei datei(name, BinaerDatei::Modus::Lesen);
    const std::uint64_t n = datei.groesse() / 2;
    std::vector<std::uint8_t> roh(n * 2);
    if (!roh.empty()) datei.lesen(0, roh.data(), roh.size());
    datei.schliessen();
    std::vector<std::uint16_t> eintraege(n);
    for (std::uint64_t i = 0; i < n; ++i)
        eintraege[i] = static_cast<std::uint16_t>(roh[2 * i] | (roh[2 * i + 1] << 8));
    return eintraege;
}

// Rewrites an index through the working copy base name + ".tmp": the new content is
// written there first and then takes the index's name, so a crash never leaves half an index.
void eintraegeSchreiben(const TBuchungsdatei& d, const std::string& name,
                        const std::vector<std::uint16_t>& eintraege) {
    std::vector<std::uint8_t> roh(eintraege.size() * 2);
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        roh[2 * i] = static_cast<std::uint8_t>(eintraege[i] & 0xFF);
        roh[2 * i + 1] = static_cast<std::uint8_t>(eintraege[i] >> 8);
    }
    const std::string temp = d.basisname + ".tmp";
    dateiLoeschen(temp);
    BinaerDatei datei(temp, BinaerDatei::Modus::Neu);
    if (!roh.empty()) datei.schreiben(0, roh.data(), roh.size());
    datei.schliessen();
    dateiUmbenennen(temp, name);
}

void eintragAnhaengen(const std::string& name, std::uint16_t satz) {
    const std::uint8_t roh[2] = {static_cast<std::uint8_t>(satz & 0xFF),
                                 static_cast<std::uint8_t>(satz >> 8)};
    BinaerDatei datei(name, BinaerDatei::Modus::LesenSchreiben);
    // A stray odd byte at the end is dropped, so the new entry stays aligned.
    const std::uint64_t groesse = datei.groesse();
    datei.schreiben(groesse - groesse % 2, roh, 2);
    datei.schliessen();
}

void fehlendenIndexMelden(Sitzung& s) {
    s.person.meldung(A("Fehler"), A("Eine Indexdatei fehlt! Bitte Reorganisieren!"),
                     Symbol::Fehler);
}

// Records of the booking file, read once when a filing needs more than the last entry.
class SatzQuelle {
public:
    explicit SatzQuelle(std::string dateiname) : dateiname_(std::move(dateiname)) {}
    TBuchung satz(std::uint16_t nr) {
        if (!alle_) alle_ = alleBuchungenLesen(dateiname_);
        // An entry beyond the file counts as an empty record rather than a crash.
        if (nr >= alle_->size()) return TBuchung{};
        return (*alle_)[nr];
    }
    TBuchung einzeln(std::uint16_t nr) {
        if (alle_) return satz(nr);
        if (nr >= satzAnzahl(dateiname_)) return TBuchung{};
        return buchungLesen(dateiname_, nr);
    }

private:
    std::string dateiname_;
    std::optional<std::vector<TBuchung>> alle_;
};

// Steps 2-4 of filing on entries in memory. Returns true when the index must be rewritten
// (false: the new entry goes at the end and can be appended).
bool einfuegen(int k, std::vector<std::uint16_t>& eintraege, std::uint16_t satz,
               const TBuchung& neu, SatzQuelle& quelle) {
    if (eintraege.empty()) {
        eintraege.push_back(satz);
        return false;
    }
    if (sortiertVorOderGleich(k, quelle.einzeln(eintraege.back()), neu)) {
        eintraege.push_back(satz);
        return false;
    }
    std::size_t pos = 0;
    while (pos < eintraege.size() && sortiertVorOderGleich(k, quelle.satz(eintraege[pos]), neu))
        ++pos;
    eintraege.insert(eintraege.begin() + static_cast<long>(pos), satz);
    return true;
}

} // namespace

std::string indexdateiName(const TBuchungsdatei& d, int k) {
    return d.basisname + "." + d.jahr + static_cast<char>('0' + k);
}

bool sortiertVorOderGleich(int k, const TBuchung& a, const TBuchung& b) {
    return schluesselVergleich(k, a, b) <= 0;
}

void indexEinordnen(Sitzung& s, int k, std::uint16_t satz, const TBuchung& b,
                    bool fehlendenAnlegen) {
    const std::string name = indexdateiName(s.datei, k);
    if (!dateiExistiert(name)) {
        if (!fehlendenAnlegen) {
            fehlendenIndexMelden(s);
            return;
        }
        eintraegeSchreiben(s.datei, name, {satz});
        return;
    }
    std::vector<std::uint16_t> eintraege = eintraegeLesen(name);
    SatzQuelle quelle(s.datei.dateiname());
    if (einfuegen(k, eintraege, satz, b, quelle))
        eintraegeSchreiben(s.datei, name, eintraege);
    else
        eintragAnhaengen(name, satz);
}

void indexNeuEinordnen(Sitzung& s, int k, std::uint16_t satz, const TBuchung& b,
                       bool fehlendenAnlegen) {
    const std::string name = indexdateiName(s.datei, k);
    if (!dateiExistiert(name)) {
        indexEinordnen(s, k, satz, b, fehlendenAnlegen);
        return;
    }
    std::vector<std::uint16_t> eintraege = eintraegeLesen(name);
    auto alt = std::find(eintraege.begin(), eintraege.end(), satz);
    if (alt != eintraege.end()) eintraege.erase(alt);
    SatzQuelle quelle(s.datei.dateiname());
    einfuegen(k, eintraege, satz, b, quelle);
    eintraegeSchreiben(s.datei, name, eintraege);
}

std::vector<std::uint16_t> indexLesen(const TBuchungsdatei& d, int k) {
    return eintraegeLesen(aufgeloest(indexdateiName(d, k)));
}

std::pair<int, int> indexPaar(Sortierung sortierung) {
    switch (sortierung) {
    case Sortierung::Nummer: return {0, 4};
    case Sortierung::Typ: return {3, 7};
    case Sortierung::Text: return {1, 5};
    case Sortierung::Betrag: return {2, 6};
    case Sortierung::Datum: return {8, 9};
    }
    return {0, 4};
}

} // namespace zalvor
