// The Qt side of the booking commands.
#include "gui/entry/buchungsfenster.h"

#include "gui/entry/textergaenzung.h"

namespace zalvor::gui {

QtBuchungsFenster::QtBuchungsFenster(QWidget* eltern)
    : buchung_(new TBuchungsDlg(eltern)), umbuchung_(new TUmbuchungDlg(eltern)) {}

QtBuchungsFenster::~QtBuchungsFenster() {
    delete buchung_.data();
    delete umbuchung_.data();
}

DlgKnopf QtBuchungsFenster::buchung(const BuchungsMaske& m, BuchungsEingaben& e) {
    buchung_->fuellen(m, e);
    if (textquelle_) textergaenzungSetzen(buchung_->CBText, textquelle_());
    buchung_->exec();
    e = buchung_->eingaben();
    return buchung_->knopf();
}

DlgKnopf QtBuchungsFenster::umbuchung(const UmbuchungsMaske& m, UmbuchungsEingaben& e) {
    umbuchung_->fuellen(m, e);
    umbuchung_->exec();
    e = umbuchung_->eingaben();
    return umbuchung_->knopf();
}

} // namespace zalvor::gui
