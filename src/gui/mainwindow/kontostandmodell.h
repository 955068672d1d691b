// The account balances panel's model: the engine's grid of balances, shown as it is.
#pragma once

#include "common/raster.h"

#include <QAbstractTableModel>

namespace zalvor::gui {

class TKontostandModell : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    void setzen(zalvor::Raster raster);
    const zalvor::Raster& raster() const { return raster_; }

  private:
    zalvor::Raster raster_;
};

} // namespace zalvor::gui
