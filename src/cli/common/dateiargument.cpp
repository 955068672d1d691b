// Booking file arguments of the CLI commands.
#include "common/dateiargument.h"

#include "common/dateisystem.h"
#include "common/fehler.h"
#include "files/buchungsdatei.h"
#include "files/dateiname.h"
#include "files/definitionen.h"

namespace zalvor::cli {

void dateiArgument(Kontext& k, const std::string& name, bool mussExistieren) {
    auto wahl = dateinamePruefen(k.sitzung, name);
    if (!wahl) throw BefehlAbgebrochen();
    k.sitzung.datei.basisname = wahl->basisname;
    k.sitzung.datei.jahr = wahl->jahr;
    if (mussExistieren && !dateiExistiert(k.sitzung.datei.dateiname()))
        throw Aufruffehler("Buchungsdatei " + k.sitzung.datei.dateiname() + " nicht gefunden");
}

void dateiLaden(Kontext& k, const std::string& name) {
    dateiArgument(k, name, true);
    definitionenLesen(k.sitzung.datei.basisname, k.sitzung.def, k.sitzung.person);
    naechsteNummerFinden(k.sitzung);
    k.sitzung.dateiOffen = true;
}

} // namespace zalvor::cli
