// The main menu item "&Drucker Einstellungen...": the platform's printer set-up.
#include "mainwindow/befehlsgruppen.h"
#include "mainwindow/movelmain.h"
#include "printing/printdlg.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("druckerEinstellungen", [&f] { druckerEinrichten(&f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Drucken", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
