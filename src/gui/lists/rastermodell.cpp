// Grid model of the list windows.
#include "gui/lists/rastermodell.h"

#include "gui/common/qtext.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>

namespace zalvor::gui {

QFont berichtSchrift() {
    QFont f(QStringLiteral("Courier New"), 9);
    f.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(9);
    }
    return f;
}

TRasterModell::TRasterModell(const zalvor::Raster& raster, QObject* eltern)
    : QAbstractTableModel(eltern), raster_(raster) {}

int TRasterModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.zeilen.size());
}

int TRasterModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(raster_.spalten());
}

QVariant TRasterModell::data(const QModelIndex& index, int rolle) const {
    // The tool tip gives the whole text of a cell that its column cuts (paths, long names).
    if ((rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole) || !index.isValid()) return {};
    const auto& zeile = raster_.zeilen[static_cast<std::size_t>(index.row())];
    const auto spalte = static_cast<std::size_t>(index.column());
    const QString text = spalte < zeile.size() ? ausAnsi(zeile[spalte]) : QString();
    if (rolle == Qt::DisplayRole && index.column() == pfadspalte_ &&
        text.contains(QLatin1Char('/')))
        return QFileInfo(text).fileName();
    return text;
}

QVariant TRasterModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal || abschnitt < 0 ||
        abschnitt >= columnCount())
        return {};
    return ausAnsi(raster_.kopf[static_cast<std::size_t>(abschnitt)]);
}

Qt::ItemFlags TRasterModell::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace zalvor::gui
