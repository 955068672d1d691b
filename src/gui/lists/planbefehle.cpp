// "&Planvorgaben" and "&Soll-Ist (Planvorg.)" with its tool button: the plan dialog and the
// comparison in a new, printable list window.
#include "core/common/befehlsregeln.h"
#include "core/files/sitzung.h"
#include "core/lists/sollist.h"
#include "gui/lists/listenanzeige.h"
#include "gui/lists/listenfenster.h"
#include "gui/lists/planvorgabendialog.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/printing/listenfensterdruck.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("planvorgaben", [&f] {
        zalvor::befehlPruefen(f.sitzung(), Befehlsart::Planvorgaben);
        planvorgabenBefehl(f.sitzung(), &f);
    });
    f.verdrahten("sollIst", [&f] {
        zalvor::befehlPruefen(f.sitzung(), Befehlsart::SollIst);
        if (auto bericht = zalvor::sollIstVergleich(f.sitzung().verein, f.sitzung().person,
                                                    f.sitzung().uhr, f.sitzung().euroText))
            druckbarMachen(f, *listenfensterZeigen(f, std::move(*bericht)));
    });
}

const BefehlsgruppeAnmeldung anmeldung{{"Planvorgaben", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
