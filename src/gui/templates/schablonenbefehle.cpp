// Menu command of the templates: "&Schablonen..." (F8) and its tool button.
#include "core/templates/schablonenfenster.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/templates/schablonendialog.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("schablonen", [&f] {
        zalvor::schablonenBefehl(f.sitzung(), [&f](const zalvor::Raster& r) {
            TDTabSB fenster(
                f.sitzung(), [&f](const std::function<void()>& aktion) { f.befehl(aktion); }, &f);
            fenster.fuellen(r);
            fenster.exec();
        });
    });
}

const BefehlsgruppeAnmeldung anmeldung{{"Schablonen", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
