// The closing of the active booking file.
#include "core/closing/abschlussrechnung.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"
#include "core/files/verein.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zalvor {

// The file in pieces through one small buffer that stays in the cache.
Abschlusssummen summenAusDatei(const std::string& name, int monat) {
    constexpr std::size_t kSaetzeJeStueck = 1024;
    std::vector<std::uint8_t> puffer(kSaetzeJeStueck * TBuchung::kGroesse);
    Abschlusssummierer summierer(monat);
    BinaerDatei datei(name, BinaerDatei::Modus::Lesen);
    const std::uint64_t n = datei.groesse() / TBuchung::kGroesse;
    for (std::uint64_t i = 0; i < n; i += kSaetzeJeStueck) {
        const auto stueck =
            static_cast<std::size_t>(std::min<std::uint64_t>(kSaetzeJeStueck, n - i));
        datei.lesen(i * TBuchung::kGroesse, puffer.data(), stueck * TBuchung::kGroesse);
        summierer.addieren(puffer.data(), stueck);
    }
    datei.schliessen();
    return summierer.summen();
}

Abschluss abschlussErstellen(const Verein& v, const std::string& euroText, Person& person,
                             const AbschlussParameter& p) {
    const Abschlusssummen summen = summenAusDatei(v.datei.dateiname(), p.monat);
    const long double forderung =
        forderungJePeriode(mitgliederLesen(v.dateien().mitglieder()), v.beitraege, v.def);
    return abschlussRechnen(v.def, v.datei.jahr, euroText, summen, p, forderung, person);
}

} // namespace zalvor
