// Menu items "&Monatsabschluß" (F5), "&Jahresabschluß" (F6, tool button) and
// "&Typengruppen...".
#include "core/closing/abschlussbericht.h"
#include "core/common/befehlsregeln.h"
#include "core/files/definitionen.h"
#include "gui/closing/abschlussanzeige.h"
#include "gui/closing/monatsdialog.h"
#include "gui/closing/typgruppendialog.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"

namespace zalvor::gui {

namespace {

void abschlussZeigen(TMainForm& f, const zalvor::AbschlussParameter& p) {
    zalvor::Sitzung& s = f.sitzung();
    zalvor::befehlPruefen(s, p.monat == 0 ? zalvor::Befehlsart::Jahresabschluss
                                          : zalvor::Befehlsart::Monatsabschluss);
    const zalvor::Abschluss a = zalvor::abschlussErstellen(s.verein, s.euroText, s.person, p);
    // The other-currency button runs the same closing converted, in a new window.
    auto umrechnen = [&f](int monat) {
        f.befehl([&f, monat] { abschlussZeigen(f, zalvor::AbschlussParameter{monat, true}); });
    };
    abschlussfensterZeigen(f, zalvor::abschlussBericht(a, s.verein.def), p.monat, umrechnen,
                           zalvor::abschlussGrafik(a, s.verein.def));
}

void typengruppen(TMainForm& f) {
    zalvor::Sitzung& s = f.sitzung();
    zalvor::befehlPruefen(s, Befehlsart::Typengruppen);
    const auto seite = zalvor::typengruppenSeite(f.person(), s.verein.def.typen);
    if (!seite) return;
    TDTGAssign dialog(s.verein.def.typen, *seite, f.person(), &f);
    // Changes stay in memory either way; only an end with OK writes them.
    if (dialog.exec() == QDialog::Accepted)
        zalvor::definitionenSchreiben(s.verein.datei.basisname, s.verein.def, f.person());
}

void verbinden(TMainForm& f) {
    f.verdrahten("jahresabschluss", [&f] { abschlussZeigen(f, {}); });
    f.verdrahten("monatsabschluss", [&f] {
        zalvor::befehlPruefen(f.sitzung(), Befehlsart::Monatsabschluss);
        if (const auto monat = monatAbfragen(f.person(), &f))
            abschlussZeigen(f, zalvor::AbschlussParameter{*monat, false});
    });
    f.verdrahten("typengruppen", [&f] { typengruppen(f); });
    // No closing window shows the figures of another file.
    QObject::connect(&f, &TMainForm::dateiWirdGewechselt, &f, [] { abschlussfensterSchliessen(); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Abschluss", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
