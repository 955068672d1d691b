// Table model of the template window.
#include "templates/schablonenmodell.h"

#include "common/qtext.h"

#include <QFontDatabase>

namespace zalvor::gui {

QFont TSchablonenModell::festeSchrift() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

int TSchablonenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.zeilen.size());
}

int TSchablonenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.spalten());
}

QVariant TSchablonenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const auto& zeile = raster_.zeilen.at(static_cast<std::size_t>(index.row()));
    const auto spalte = static_cast<std::size_t>(index.column());
    if (rolle == Qt::DisplayRole) return spalte < zeile.size() ? ausAnsi(zeile[spalte]) : QString();
    // Amounts, kind and account are aligned by their blanks, as in the booking table.
    if (rolle == Qt::FontRole && spalte >= 2 && spalte <= 4) return fest_;
    return {};
}

QVariant TSchablonenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole) return {};
    if (richtung == Qt::Vertical) return abschnitt + 1;
    if (abschnitt < 0 || static_cast<std::size_t>(abschnitt) >= raster_.spalten()) return {};
    return ausAnsi(raster_.kopf[static_cast<std::size_t>(abschnitt)]);
}

void TSchablonenModell::setzen(zalvor::Raster raster) {
    beginResetModel();
    raster_ = std::move(raster);
    endResetModel();
}

void TSchablonenModell::zeileSetzen(int zeile, std::vector<std::string> zellen) {
    if (zeile < 0 || zeile >= rowCount()) return;
    raster_.zeilen[static_cast<std::size_t>(zeile)] = std::move(zellen);
    emit dataChanged(index(zeile, 0), index(zeile, columnCount() - 1));
}

} // namespace zalvor::gui
