// The VAT rate dialog TDMwSt "Mehrwertsteuer".
#pragma once

#include "core/entry/mwstsatz.h"
#include "core/files/sitzung.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zalvor::gui {

class TDMwSt : public QDialog {
    Q_OBJECT
  public:
    explicit TDMwSt(QWidget* parent = nullptr);

    void fuellen(const MwStEingaben& e);
    MwStEingaben eingaben() const;

    QLineEdit* EditSatz;
    QCheckBox* CBAktiv;
    QPushButton* BtnOk;
};

// The menu command: the dialog until a valid rate is confirmed or it is cancelled.
bool mwstBefehl(Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
