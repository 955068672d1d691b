// The template file.
#include "core/templates/schablonendatei.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"

namespace zalvor {

Gelesen<std::vector<TSchablone>> schablonenAusBytes(std::span<const std::uint8_t> bytes) {
    const auto saetze = buchungenAusBytes(bytes);
    Gelesen<std::vector<TSchablone>> g{{}, saetze.hinweise, saetze.status};
    g.wert.reserve(saetze.wert.size());
    for (const auto& b : saetze.wert)
        g.wert.push_back(TSchablone{b});
    return g;
}

std::vector<TSchablone> schablonenLesen(const std::string& dateiname) {
    return schablonenAusBytes(dateiLesen(dateiname)).wert;
}

TSchablone schabloneLesen(const std::string& dateiname, std::uint32_t satz) {
    return TSchablone{buchungLesen(dateiname, satz)};
}

void schabloneSchreiben(const std::string& dateiname, std::uint32_t satz, const TSchablone& t) {
    buchungUeberschreiben(dateiname, satz, t.satz);
}

void schabloneAnlegen(const Verein& v, Person& person, const TBuchung& b, bool inEuroGetippt) {
    dateiErforderlich(v.datei, person);
    const std::string name = v.dateien().schablonen();
    if (!dateiExistiert(name)) leereDateiAnlegen(name);
    TSchablone t{b};
    t.setzeCode(kCodeNie);
    satzAnhaengen(v, person, name, t.satz, {.umrechnen = true, .inLandeswaehrung = inEuroGetippt});
}

void schabloneBuchen(Verein& v, Person& person, const Uhr& uhr, std::uint32_t satz) {
    const TSchablone t = schabloneLesen(v.dateien().schablonen(), satz);
    const Datum heute = uhr.heute();
    buchungAnhaengen(v, person,
                     t.buchung(heute.tag, heute.monat, nummerText(v.datei.naechsteNummer)),
                     {.indizes = true});
}

} // namespace zalvor
