// Table model of the template window over the engine's grid value.
#pragma once

#include "gui/common/rastertabelle.h"

#include <QFont>

namespace zalvor::gui {

class TSchablonenModell : public TRasterTabelle {
    Q_OBJECT

  public:
    using TRasterTabelle::TRasterTabelle;

    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

  protected:
    QVariant stil(const QModelIndex& index, int rolle) const override;

  private:
    QFont fest_ = festeSchrift();
    static QFont festeSchrift();
};

} // namespace zalvor::gui
