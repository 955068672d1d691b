// A table model over its own copy of an engine grid.
#include "gui/common/rastertabelle.h"

#include "gui/common/qtext.h"

namespace zalvor::gui {

int TRasterTabelle::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.zeilen.size());
}

int TRasterTabelle::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.spalten());
}

QVariant TRasterTabelle::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (rolle != Qt::DisplayRole) return stil(index, rolle);
    const auto& zeile = raster_.zeilen[static_cast<std::size_t>(index.row())];
    const auto spalte = static_cast<std::size_t>(index.column());
    return spalte < zeile.size() ? ausAnsi(zeile[spalte]) : QString();
}

QVariant TRasterTabelle::stil(const QModelIndex&, int) const {
    return {};
}

QVariant TRasterTabelle::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 &&
        abschnitt < columnCount())
        return ausAnsi(raster_.kopf[static_cast<std::size_t>(abschnitt)]);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

void TRasterTabelle::setzen(zalvor::Raster raster) {
    beginResetModel();
    raster_ = std::move(raster);
    endResetModel();
}

void TRasterTabelle::zeileSetzen(int zeile, std::vector<std::string> zellen) {
    if (zeile < 0 || zeile >= rowCount()) return;
    raster_.zeilen[static_cast<std::size_t>(zeile)] = std::move(zellen);
    emit dataChanged(index(zeile, 0), index(zeile, columnCount() - 1));
}

} // namespace zalvor::gui
