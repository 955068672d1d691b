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
    auto zeigen = [&f](zalvor::Befehlsart art, auto bauen) {
        return [&f, art, bauen] {
            zalvor::befehlPruefen(f.sitzung(), art);
            druckbarMachen(f, *listenfensterZeigen(f, bauen(f.sitzung())));
        };
    };
    f.verdrahten("einfachliste", zeigen(zalvor::Befehlsart::Einfachliste, [](zalvor::Sitzung& s) {
                     return zalvor::einfachListe(s.verein, s.person, s.uhr, s.euroText);
                 }));
    f.verdrahten("eaListe", zeigen(zalvor::Befehlsart::EaListe, [](zalvor::Sitzung& s) {
                     return zalvor::eaListe(s.verein, s.person, s.uhr, s.euroText);
                 }));
    // Account n, or every account for 0.
    auto konten = [](int n) {
        return [n](zalvor::Sitzung& s) {
            return zalvor::kontenListe(s.verein, s.person, s.uhr, s.euroText, n);
        };
    };
    for (int n = 1; n <= 9; ++n)
        f.verdrahten(QString("kontenliste%1").arg(n),
                     zeigen(zalvor::Befehlsart::Kontenliste, konten(n)));
    f.verdrahten("kontenlistenAlle", zeigen(zalvor::Befehlsart::KontenlistenAlle, konten(0)));
    // No list window shows the bookings of another file.
    QObject::connect(&f, &TMainForm::dateiWirdGewechselt, &f, [] { listenfensterSchliessen(); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Listen", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
