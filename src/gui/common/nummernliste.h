// A drop-down list of numbered entries (" 1: Miete", "12: Porto"): typing the number selects
// its entry, although the entries below 10 begin with a blank.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>

namespace zalvor::gui {

class TNummernliste : public QComboBox {
    Q_OBJECT
  public:
    explicit TNummernliste(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    // Digits typed in quick succession form one number; true when the key was one of them.
    bool ziffer(const QString& text);

    QString gesucht_;
    QElapsedTimer zuletzt_;
};

} // namespace zalvor::gui
