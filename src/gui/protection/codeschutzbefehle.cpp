// Menu command of the protection: "Codeschutz..." in "&Datei".
#include "mainwindow/befehlsgruppen.h"
#include "mainwindow/movelmain.h"
#include "protection/codeschutz.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("codeschutz", [&f] { zalvor::codeschutzBefehl(f.sitzung()); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Codeschutz", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
