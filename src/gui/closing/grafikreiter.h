// The tab "Grafik" of the closing window: expenses and incomes per type (real and planned
// stacked) and the account balances, in the closing's currency.
#pragma once

#include "core/closing/grafikdaten.h"

#include <QScrollArea>

namespace zalvor::gui {

class TGrafikReiter : public QScrollArea {
    Q_OBJECT

  public:
    TGrafikReiter(const zalvor::Abschlussgrafik& g, QWidget* parent = nullptr);
};

} // namespace zalvor::gui
