// TWMsgBox: the program's own message box: caption, framed markup text, OK.
#pragma once

#include <QDialog>

namespace zalvor::gui {

class TXaLabel;

class TWMsgBox : public QDialog {
    Q_OBJECT

  public:
    explicit TWMsgBox(QWidget* parent = nullptr);

    // Sets caption and text and shows the box modally until OK or close.
    void zeigen(const QString& titel, const QString& text);
    // Sets both texts without showing (the box is reused for every message).
    void setzen(const QString& titel, const QString& text);
    TXaLabel* label() { return XaLabel1_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    TXaLabel* XaLabel1_;
};

} // namespace zalvor::gui
