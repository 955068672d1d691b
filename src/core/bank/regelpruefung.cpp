// The rules checked against the club's named types.
#include "core/bank/regeln.h"

#include "core/common/zeichensatz.h"

namespace zalvor::bank {

std::vector<Meldung> regelnPruefen(const Regeldatei& regeln, const Typverwaltung& typen,
                                   const std::string& datei) {
    std::vector<Meldung> abgelehnt;
    for (const Zuordnungsregel& r : regeln.regeln) {
        if (r.typ == 0) continue; // "Sonstige" is always there
        for (Seite s : {Seite::Einnahme, Seite::Ausgabe}) {
            if (r.seite && *r.seite != s) continue;
            if (!typen.typName(s, r.typ).empty()) continue;
            const char* seite = s == Seite::Einnahme ? "Einnahme" : "Ausgabe";
            std::string text =
                "Typ " + std::to_string(r.typ) + " ist als " + seite + "typ nicht benannt";
            if (!r.seite)
                text += std::string(A(" (nur für eine Seite: \"=> ")) +
                        (s == Seite::Einnahme ? "A " : "E ") + std::to_string(r.typ) + "\")";
            abgelehnt.push_back({Fundstelle{datei, r.zeile, {}}, text});
            break;
        }
    }
    return abgelehnt;
}

} // namespace zalvor::bank
