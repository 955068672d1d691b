// A table model that keeps its own copy of an engine grid and shows its texts; subclasses
// add the looks of their panel (fonts, alignment) through `stil`.
#pragma once

#include "core/common/raster.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace zalvor::gui {

class TRasterTabelle : public QAbstractTableModel {
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

  protected:
    // Any role but the text of a valid cell.
    virtual QVariant stil(const QModelIndex& index, int rolle) const;

  private:
    zalvor::Raster raster_;
};

} // namespace zalvor::gui
