// The currency settings dialog TDSetEuro "\"Alte\" Währung und Euro".
#pragma once

#include "core/entry/waehrungspruefung.h"
#include "gui/common/wertedialog.h"

class QComboBox;
class QLineEdit;

namespace zalvor::gui {

class TDSetEuro : public TWerteDialog<WaehrungsEingaben> {
    Q_OBJECT
  public:
    explicit TDSetEuro(QWidget* parent = nullptr);

    // The entries; their year texts count as accepted.
    void fuellen(const WaehrungsEingaben& e) override;
    WaehrungsEingaben eingaben() const override;

    QComboBox* CBWaehrg;
    QLineEdit* EditKurs;
    QLineEdit* EditUJ;
    QLineEdit* EditUBis;

  private:
    void jahrGeaendert(QLineEdit* feld, std::string& zuletzt);

    std::string zuletztUJ_;
    std::string zuletztUBis_;
};

// The dialog as the engine's form: shown until OK passes the checks or it is cancelled.
bool waehrungsBefehl(Sitzung& s, bool ausMenue, QWidget* eltern);

} // namespace zalvor::gui
