// The template file.
#include "core/templates/schablonendatei.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"

namespace zalvor {

std::vector<TSchablone> schablonenLesen(const std::string& dateiname) {
    std::vector<TSchablone> alle;
    for (const auto& b : alleBuchungenLesen(dateiname))
        alle.push_back(TSchablone{b});
    return alle;
}

TSchablone schabloneLesen(const std::string& dateiname, std::uint32_t satz) {
    return TSchablone{buchungLesen(dateiname, satz)};
}

void schabloneSchreiben(const std::string& dateiname, std::uint32_t satz, const TSchablone& t) {
    buchungUeberschreiben(dateiname, satz, t.satz);
}

void schabloneAnlegen(Sitzung& s, const TBuchung& b, bool inEuroGetippt) {
    s.dateiErforderlich();
    const std::string name = s.datei.dateien().schablonen();
    if (!dateiExistiert(name)) leereDateiAnlegen(name);
    TSchablone t{b};
    t.setzeCode(kCodeNie);
    satzAnhaengen(s, name, t.satz, {.umrechnen = true, .inLandeswaehrung = inEuroGetippt});
}

void schabloneBuchen(Sitzung& s, std::uint32_t satz) {
    const TSchablone t = schabloneLesen(s.datei.dateien().schablonen(), satz);
    const Datum heute = s.uhr.heute();
    buchungAnhaengen(s, t.buchung(heute.tag, heute.monat, nummerText(s.datei.naechsteNummer)),
                     {.indizes = true});
}

} // namespace zalvor
