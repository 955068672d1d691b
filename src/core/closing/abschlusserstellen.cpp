// The closing of the active booking file.
#include "closing/abschlussrechnung.h"

#include "files/buchungsdatei.h"
#include "files/sitzung.h"
#include "members/beitragssaetze.h"

namespace zalvor {

Abschluss abschlussErstellen(Sitzung& s, const AbschlussParameter& p) {
    std::vector<std::uint8_t> bytes;
    const std::uint32_t n = satzbytesLesen(s.datei.dateiname(), bytes);
    const Abschlusssummen summen = summenBilden(bytes.data(), n, p.monat);
    return abschlussRechnen(s.def, s.datei.jahr, s.euroText, summen, p, forderungJePeriode(s),
                            s.person);
}

} // namespace zalvor
