// The opening balances dialog TWGetAB "Anfangsbestände".
#pragma once

#include "core/files/definitionen.h"

#include <QDialog>

#include <array>
#include <string>

class QPushButton;

namespace zalvor::gui {

class TNamensraster;

class TXaLabel;

class TWGetAB : public QDialog {
    Q_OBJECT
  public:
    explicit TWGetAB(QWidget* parent = nullptr);

    // Account names of `def` and the amount texts (Windows form) of accounts 1..9.
    void fuellen(const TDefinitionen& def, const std::array<std::string, 9>& betraege);
    std::array<std::string, 9> betraege() const;

    TNamensraster* SGKonto;
    TXaLabel* XaLabel1;
    QPushButton* BtnOk;

    void accept() override;
};

} // namespace zalvor::gui
