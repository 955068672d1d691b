// zalvor-cli oeffnen: opens a file as the desktop program does and prints the status bar.
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/zeichensatz.h"
#include "core/files/oeffnen.h"
#include "core/mainwindow/statuszeile.h"

namespace zalvor::cli {

namespace {

int oeffnen(Kontext& k) {
    const std::string datei = k.args.letzte("DATEI");
    // Opening is where due templates are booked, as after "Ö&ffnen..." in the program; they
    // write, so the club is locked as for every writing command.
    dateiLaden(k, datei, {}, {.automatischeBuchungen = true});
    for (const auto& feld : statuszeilenTexte(k.sitzung.verein))
        k.out << ansiNachUtf8(feld) << "\n";
    return kFertig;
}

} // namespace

Befehl befehlOeffnen() {
    return {"oeffnen", "DATEI",
            "öffnet die Datei wie das Programm (Index-Check, Hinweise, fällige Schablonen werden "
            "automatisch gebucht) und zeigt die vier Felder der Statuszeile, eines je Zeile",
            Befehlsart::Oeffnen, oeffnen};
}

} // namespace zalvor::cli
