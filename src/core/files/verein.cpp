// The open club.
#include "core/files/verein.h"

#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/zeichensatz.h"

namespace zalvor {

void dateiErforderlich(const TBuchungsdatei& d, Person& person) {
    if (d.aktiv()) return;
    person.meldung(A("Fehler!"),
                   A("Es ist keine Buchungsdatei geöffnet. Öffnen Sie eine Datei oder legen Sie "
                     "eine neue an."),
                   Symbol::Fehler);
    throw BefehlAbgebrochen();
}

} // namespace zalvor
