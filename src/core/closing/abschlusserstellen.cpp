// The closing of the active booking file.
#include "core/closing/abschlussrechnung.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"
#include "core/files/sitzung.h"
#include "core/members/beitragssaetze.h"

#include <algorithm>

namespace zalvor {

Abschluss abschlussErstellen(Sitzung& s, const AbschlussParameter& p) {
    // The file in pieces through one small buffer that stays in the cache.
    constexpr std::size_t kSaetzeJeStueck = 1024;
    std::vector<std::uint8_t> puffer(kSaetzeJeStueck * TBuchung::kGroesse);
    Abschlusssummen summen;
    {
        BinaerDatei datei(s.datei.dateiname(), BinaerDatei::Modus::Lesen);
        const std::uint64_t n = datei.groesse() / TBuchung::kGroesse;
        for (std::uint64_t i = 0; i < n; i += kSaetzeJeStueck) {
            const auto stueck =
                static_cast<std::size_t>(std::min<std::uint64_t>(kSaetzeJeStueck, n - i));
            datei.lesen(i * TBuchung::kGroesse, puffer.data(), stueck * TBuchung::kGroesse);
            summenAddieren(summen, puffer.data(), stueck, p.monat);
        }
        datei.schliessen();
    }
    return abschlussRechnen(s.def, s.datei.jahr, s.euroText, summen, p, forderungJePeriode(s),
                            s.person);
}

} // namespace zalvor
