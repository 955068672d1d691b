// Menu commands of the "&Listen" menu: each list opens a new, printable list window.
#include "core/files/sitzung.h"
#include "core/lists/buchungslisten.h"
#include "gui/lists/listenanzeige.h"
#include "gui/lists/listenfenster.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/printing/listenfensterdruck.h"

#include "core/common/befehlsregeln.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    auto zeigen = [&f](const char* id, auto bauen) {
        return [&f, id, bauen] {
            zalvor::befehlPruefen(f.sitzung(), id);
            druckbarMachen(f, *listenfensterZeigen(f, bauen(f.sitzung())));
        };
    };
    f.verdrahten("einfachliste", zeigen("einfachliste", zalvor::einfachListe));
    f.verdrahten("eaListe", zeigen("eaListe", zalvor::eaListe));
    for (int n = 1; n <= 9; ++n)
        f.verdrahten(
            QString("kontenliste%1").arg(n),
            zeigen("kontenliste", [n](zalvor::Sitzung& s) { return zalvor::kontenListe(s, n); }));
    f.verdrahten("kontenlistenAlle", zeigen("kontenlistenAlle", [](zalvor::Sitzung& s) {
                     return zalvor::kontenListe(s, 0);
                 }));
    // No list window shows the bookings of another file.
    QObject::connect(&f, &TMainForm::dateiWirdGewechselt, &f, [] { listenfensterSchliessen(); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Listen", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
