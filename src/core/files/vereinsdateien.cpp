// Reading the club's files for their readers.
#include "core/files/vereinsdateien.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"

namespace zalvor {

Dateiinhalt dateiinhalt(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return {};
    try {
        return Dateiinhalt::da(dateiLesen(pfad));
    } catch (const EAFehler& e) {
        return {Dateiinhalt::Art::Unlesbar, e.nummer(), {}};
    }
}

Gelesen<Planwerte> planwerteLaden(const Dateisatz& dateien, Planwerte bisher) {
    return planwerteLesen(dateiinhalt(dateien.planwerte()), std::move(bisher));
}

Gelesen<Beitragssaetze> beitragssaetzeLaden(const Dateisatz& dateien, const TDefinitionen& d) {
    return beitragssaetzeLesen(dateiinhalt(dateien.beitraege()), d);
}

} // namespace zalvor
