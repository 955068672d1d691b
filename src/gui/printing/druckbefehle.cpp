// The main menu item "&Drucker Einstellungen...": the platform's printer set-up.
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/printing/druckoptionendialog.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("druckerEinstellungen", [&f] { druckerEinrichten(&f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Drucken", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
