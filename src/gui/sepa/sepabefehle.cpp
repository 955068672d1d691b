// Menu commands of the direct debits under "&Mitglieder".
#include "core/common/befehlsregeln.h"
#include "core/files/sitzung.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/sepa/glaeubigerdialog.h"
#include "gui/sepa/lastschriftdialog.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    auto& s = f.sitzung();
    f.verdrahten("glaeubigerdaten", [&f, &s] {
        befehlPruefen(s, Befehlsart::Glaeubigerdaten);
        glaeubigerZeigen(s, &f);
    });
    f.verdrahten("lastschrift", [&f, &s] {
        befehlPruefen(s, Befehlsart::Lastschrift);
        lastschriftZeigen(s, &f);
    });
}

const BefehlsgruppeAnmeldung anmeldung{{"Lastschrift", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
