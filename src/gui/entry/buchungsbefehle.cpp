// Menu commands of booking entry and money: booking, transfer, change, VAT, currency, Euro label.
#include "gui/entry/buchungsfenster.h"
#include "gui/entry/eurosymboldialog.h"
#include "gui/entry/mwstdialog.h"
#include "gui/entry/waehrungsdialog.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QObject>

namespace zalvor::gui {

namespace {

// The booking and transfer dialogs live as long as the main window and are reused.
class Buchungsdialoge : public QObject {
  public:
    explicit Buchungsdialoge(TMainForm& f) : QObject(&f), fenster(&f) {}
    QtBuchungsFenster fenster;
};

void verbinden(TMainForm& f) {
    // The date proposed for new bookings is today's from the start.
    f.sitzung().vorgabeDatumZuruecksetzen();
    auto* dialoge = new Buchungsdialoge(f);
    dialoge->fenster.textquelle([&f] { return f.tabelle()->buchungstexte(); });
    f.verdrahten("buchen",
                 [&f, dialoge] { buchenBefehl(f.sitzung(), std::nullopt, dialoge->fenster); });
    f.verdrahten("umbuchen", [&f, dialoge] { umbuchenBefehl(f.sitzung(), dialoge->fenster); });
    f.verdrahten("anzeigenAendern", [&f, dialoge] {
        const int zeile = f.tabelle()->ausgewaehlteZeile();
        std::optional<std::uint32_t> satz;
        if (zeile >= 0) satz = static_cast<std::uint32_t>(zeile);
        buchenBefehl(f.sitzung(), satz, dialoge->fenster);
    });
    f.verdrahten("mwst", [&f] { mwstBefehl(f.sitzung(), &f); });
    f.verdrahten("waehrung", [&f] { waehrungsBefehl(f.sitzung(), true, &f); });
    f.verdrahten("euroSymbol", [&f] { euroSymbolBefehl(f.sitzung(), &f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Buchungseingabe", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
