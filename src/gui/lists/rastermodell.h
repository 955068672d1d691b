// Table model over one grid of an engine report: the cells are converted when the view asks.
#pragma once

#include "core/common/raster.h"

#include <QAbstractTableModel>
#include <QFont>

namespace zalvor::gui {

// The fixed-pitch font of every report grid (lists, comparison, closings), whose column
// widths count characters.
QFont berichtSchrift();

class TRasterModell : public QAbstractTableModel {
    Q_OBJECT

  public:
    // `raster` must outlive the model (the window holds the report).
    TRasterModell(const zalvor::Raster& raster, QObject* eltern);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Cells of this column that hold a path show only its file name (the tool tip keeps the
    // path).
    void dateinamenZeigen(int spalte) { pfadspalte_ = spalte; }

  private:
    const zalvor::Raster& raster_;
    int pfadspalte_ = -1;
};

} // namespace zalvor::gui
