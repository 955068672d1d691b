// The VAT rate dialog TDMwSt "Mehrwertsteuer".
#pragma once

#include "core/entry/mwstsatz.h"
#include "core/files/sitzung.h"
#include "gui/common/wertedialog.h"

class QCheckBox;
class QLineEdit;

namespace zalvor::gui {

class TDMwSt : public TWerteDialog<MwStEingaben> {
    Q_OBJECT
  public:
    explicit TDMwSt(QWidget* parent = nullptr);

    void fuellen(const MwStEingaben& e) override;
    MwStEingaben eingaben() const override;

    QLineEdit* EditSatz;
    QCheckBox* CBAktiv;
};

// The menu command: the dialog until a valid rate is confirmed or it is cancelled.
bool mwstBefehl(Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
