// TDMglLstIncl "Mitgliederliste": which columns the member list shows.
#pragma once

#include "core/members/mitgliederliste.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TDMglLstIncl : public QDialog {
    Q_OBJECT
  public:
    // The seven boxes: free fields 1 to 5, rate description, rate amount.
    TDMglLstIncl(const std::array<std::string, 7>& titel, QWidget* parent = nullptr);
    zalvor::Spaltenwahl wahl() const;

    std::array<QCheckBox*, 7> kaesten{};
};

// Asked each time the list is made; nullopt unless OK.
std::optional<zalvor::Spaltenwahl> spaltenWaehlen(const zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
