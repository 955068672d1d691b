// The Euro symbol dialog TDEurSymb "Euro-Symbol verwenden?".
#pragma once

#include "core/entry/eurosymbolwahl.h"

#include <QDialog>

#include <optional>

class QAbstractButton;
class QDialogButtonBox;
class QLabel;

namespace zalvor::gui {

class TXaLabel;

class TDEurSymb : public QDialog {
    Q_OBJECT
  public:
    explicit TDEurSymb(QWidget* parent = nullptr);

    // The button that closed the dialog: Ja, Nein, or nullopt for cancel and close.
    std::optional<Knopf> antwort() const { return antwort_; }

    QLabel* Kaestchen[4];
    TXaLabel* XaLabelTest;
    TXaLabel* XaLabelErklaerung;
    QDialogButtonBox* Knoepfe;

  private:
    void geklickt(QAbstractButton* knopf);

    std::optional<Knopf> antwort_;
};

// The menu command: the answer is written to "EUROSYMB" (Ja, Nein), the table redrawn.
void euroSymbolBefehl(Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
