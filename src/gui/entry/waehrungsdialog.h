// The currency settings dialog TDSetEuro "\"Alte\" Währung und Euro".
#pragma once

#include "core/entry/waehrungspruefung.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zalvor::gui {

class TDSetEuro : public QDialog {
    Q_OBJECT
  public:
    explicit TDSetEuro(QWidget* parent = nullptr);

    // The entries; their year texts count as accepted.
    void fuellen(const WaehrungsEingaben& e);
    WaehrungsEingaben eingaben() const;

    QComboBox* CBWaehrg;
    QLineEdit* EditKurs;
    QLineEdit* EditUJ;
    QLineEdit* EditUBis;
    QPushButton* BtnOk;

  private:
    void jahrGeaendert(QLineEdit* feld, std::string& zuletzt);

    std::string zuletztUJ_;
    std::string zuletztUBis_;
};

// The dialog as the engine's form: shown until OK passes the checks or it is cancelled.
bool waehrungsBefehl(Sitzung& s, bool ausMenue, QWidget* eltern);

} // namespace zalvor::gui
