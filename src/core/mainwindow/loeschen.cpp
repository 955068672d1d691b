// Deleting the selected booking of the booking table.
#include "core/mainwindow/loeschen.h"

#include "core/common/person.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"

namespace zalvor {

bool satzLoeschen(Sitzung& s, std::uint32_t satz) {
    // A file seen with the read-only code must not change, whichever way the command came.
    if (s.verein.nurLesen) return false;
    if (!s.verein.datei.aktiv()) return false;
    const std::string dateiname = s.verein.datei.dateiname();
    if (satz >= satzAnzahl(dateiname)) return false;
    auto antwort =
        s.person.frage(jaNeinFrage(A("Löschen!"), A("Satz wirklich löschen?"), Symbol::Warnung));
    if (antwort != Knopf::Ja) return false;
    buchungLoeschen(dateiname, satz);
    s.tabelle(TabellenModus::Auffrischen);
    return true;
}

} // namespace zalvor
