// Table model of the template window over the engine's grid value.
#pragma once

#include "common/raster.h"

#include <QAbstractTableModel>
#include <QFont>

#include <string>
#include <vector>

namespace zalvor::gui {

class TSchablonenModell : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    void setzen(zalvor::Raster raster);
    // Redraws one row with new cell texts (Windows form).
    void zeileSetzen(int zeile, std::vector<std::string> zellen);
    const zalvor::Raster& raster() const { return raster_; }

  private:
    zalvor::Raster raster_;
    QFont fest_ = festeSchrift();
    static QFont festeSchrift();
};

} // namespace zalvor::gui
