// The closing of the active booking file.
#include "closing/abschlussrechnung.h"

#include "files/buchungsdatei.h"
#include "files/sitzung.h"
#include "members/beitragssaetze.h"

namespace zalvor {

Abschluss abschlussErstellen(Sitzung& s, const AbschlussParameter& p) {
    const Abschlusssummen summen = summenBilden(alleBuchungenLesen(s.datei.dateiname()), p.monat);
    return abschlussRechnen(s.def, s.datei.jahr, s.euroText, summen, p, forderungJePeriode(s),
                            s.person);
}

} // namespace zalvor
