// Booking file arguments of the CLI commands.
#include "common/dateiargument.h"

#include "common/befehlsregeln.h"
#include "common/dateisystem.h"
#include "common/fehler.h"
#include "files/dateiname.h"

namespace zalvor::cli {

void dateiArgument(Kontext& k, const std::string& name, bool mussExistieren) {
    auto wahl = dateinamePruefen(k.sitzung, name);
    if (!wahl) throw BefehlAbgebrochen();
    k.sitzung.datei.basisname = wahl->basisname;
    k.sitzung.datei.jahr = wahl->jahr;
    if (mussExistieren && !dateiExistiert(k.sitzung.datei.dateiname()))
        throw Aufruffehler("Buchungsdatei " + k.sitzung.datei.dateiname() + " nicht gefunden");
}

void dateiLaden(Kontext& k, const std::string& name, std::string_view befehlsId,
                const OeffnenOptionen& optionen) {
    switch (dateiOeffnenBefehl(k.sitzung, name, optionen)) {
    case OeffnenErgebnis::NameAbgelehnt:
        throw BefehlAbgebrochen();
    case OeffnenErgebnis::NichtVorhanden:
        throw Aufruffehler("Buchungsdatei " + k.sitzung.datei.dateiname() + " nicht gefunden");
    case OeffnenErgebnis::Geoeffnet:
        break;
    }
    if (!befehlsId.empty()) befehlPruefen(k.sitzung, befehlsId);
}

} // namespace zalvor::cli
