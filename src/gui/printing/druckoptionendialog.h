// The print options dialog Tprintdlg "Druckoptionen" and the program's print settings.
#pragma once

#include "core/common/person.h"
#include "core/printing/druckeinstellungen.h"
#include "gui/common/wertedialog.h"

#include <QFont>

class QCheckBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace zalvor::gui {

class Tprintdlg : public TWerteDialog<Druckeingaben> {
    Q_OBJECT
  public:
    explicit Tprintdlg(QWidget* parent = nullptr);

    void fuellen(const Druckeingaben& d) override;
    Druckeingaben eingaben() const override;

    QLineEdit* EditOben;
    QLineEdit* EditLinks;
    QLineEdit* EditUnten;
    QLineEdit* EditZeilen;
    QLineEdit* EditSpalten;
    QCheckBox* CBSeitenNr;
    QCheckBox* CBAnVon;
    QRadioButton* RBUeberschrift[3];
    QPushButton* BtnSchrift1;
    QPushButton* BtnSchrift2;
    QPushButton* BtnDrucker;

  private:
    void schriftWaehlen(Schrift& s);
    Schrift schrift1_;
    Schrift schrift2_;
};

// The settings of this run and the printer the program prints to.
Druckeinstellungen& druckeinstellungen();
QPrinter& drucker();
// The platform's printer set-up dialog (menu item and "&Drucker...").
void druckerEinrichten(QWidget* eltern);

// Runs the dialog: reads the store, shows the dialog until its numbers are valid or it is
// cancelled, writes the store. `anVonText` empty keeps "An/&Von-Spalte" disabled; otherwise
// the check box is enabled with that caption (the member list gives its own).
bool druckoptionen(Person& p, QWidget* eltern, const QString& anVonText = {});

} // namespace zalvor::gui
