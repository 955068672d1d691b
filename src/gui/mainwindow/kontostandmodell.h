// The account balances panel's model: the engine's grid of balances, shown as it is.
#pragma once

#include "gui/common/rastertabelle.h"

namespace zalvor::gui {

class TKontostandModell : public TRasterTabelle {
    Q_OBJECT

  public:
    using TRasterTabelle::TRasterTabelle;

  protected:
    QVariant stil(const QModelIndex& index, int rolle) const override;
};

} // namespace zalvor::gui
