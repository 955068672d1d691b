// The account balances panel's model.
#include "mainwindow/kontostandmodell.h"

#include "common/qtext.h"

#include <QFont>

namespace zalvor::gui {

int TKontostandModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.zeilen.size());
}

int TKontostandModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.spalten());
}

QVariant TKontostandModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const auto& zeile = raster_.zeilen[static_cast<std::size_t>(index.row())];
    const auto spalte = static_cast<std::size_t>(index.column());
    if (rolle == Qt::DisplayRole) return spalte < zeile.size() ? ausAnsi(zeile[spalte]) : QString();
    if (rolle == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The cash total closes the panel in bold.
    if (rolle == Qt::FontRole && index.row() + 1 == rowCount()) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

QVariant TKontostandModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 &&
        abschnitt < columnCount())
        return ausAnsi(raster_.kopf[static_cast<std::size_t>(abschnitt)]);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

void TKontostandModell::setzen(zalvor::Raster raster) {
    beginResetModel();
    raster_ = std::move(raster);
    endResetModel();
}

} // namespace zalvor::gui
