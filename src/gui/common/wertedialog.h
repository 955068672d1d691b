// The base of the simple setting dialogs: fields filled from one set of values and read back.
#pragma once

#include <QDialog>

class QPushButton;

namespace zalvor::gui {

template <class Werte>
class TWerteDialog : public QDialog {
  public:
    using QDialog::QDialog;

    virtual void fuellen(const Werte& w) = 0;
    virtual Werte eingaben() const = 0;

    // Shows `w` and runs the dialog; afterwards `w` holds what was typed, after Cancel too, as
    // the engine's form takes it. true on OK.
    bool abfragen(Werte& w) {
        fuellen(w);
        const bool ok = exec() == QDialog::Accepted;
        w = eingaben();
        return ok;
    }

    QPushButton* BtnOk = nullptr;
};

} // namespace zalvor::gui
