// Menu command of the protection: "Codeschutz..." in "&Datei".
#include "core/protection/codeschutz.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("codeschutz", [&f] { zalvor::codeschutzBefehl(f.sitzung()); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Codeschutz", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
