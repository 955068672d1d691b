// "&Planvorgaben" and "&Soll-Ist (Planvorg.)" with its tool button: the plan dialog and the
// comparison in a new, printable list window.
#include "common/befehlsregeln.h"
#include "files/sitzung.h"
#include "lists/ListWin.h"
#include "lists/Planv.h"
#include "lists/listenanzeige.h"
#include "lists/sollist.h"
#include "mainwindow/befehlsgruppen.h"
#include "mainwindow/movelmain.h"
#include "printing/listenfensterdruck.h"

namespace zalvor::gui {

namespace {

void verbinden(TMainForm& f) {
    f.verdrahten("planvorgaben", [&f] {
        zalvor::befehlPruefen(f.sitzung(), "planvorgaben");
        planvorgabenBefehl(f.sitzung(), &f);
    });
    f.verdrahten("sollIst", [&f] {
        zalvor::befehlPruefen(f.sitzung(), "sollIst");
        if (auto bericht = zalvor::sollIstVergleich(f.sitzung()))
            druckbarMachen(f, *listenfensterZeigen(f, std::move(*bericht)));
    });
}

const BefehlsgruppeAnmeldung anmeldung{{"Planvorgaben", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
