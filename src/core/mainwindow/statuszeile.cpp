// Status bar texts of the active file.
#include "core/mainwindow/statuszeile.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"
#include "core/files/verein.h"

namespace zalvor {

std::array<std::string, 4> statuszeilenTexte(const Verein& v) {
    std::array<std::string, 4> t;
    if (!v.datei.aktiv()) {
        t[3] = "  0 Datens\xE4tze";
        return t;
    }
    t[0] = v.planvorgaben ? "Planvorgaben" : "";
    const Dateisatz dateien = v.datei.dateien();
    t[1] = dateiExistiert(dateien.schablonen()) ? "Schablonen" : "";
    t[2] = dateiExistiert(dateien.codewort()) ? "Code" : "";
    std::uint32_t anzahl = 0;
    if (dateiExistiert(dateien.buchungsdatei())) anzahl = satzAnzahl(dateien.buchungsdatei());
    t[3] = "  " + std::to_string(anzahl % 65536) + " Datens\xE4tze";
    return t;
}

} // namespace zalvor
