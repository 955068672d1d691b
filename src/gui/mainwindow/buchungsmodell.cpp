// Table model of the booking table.
#include "gui/mainwindow/buchungsmodell.h"

#include "gui/common/qtext.h"

#include <QFontDatabase>

namespace zalvor::gui {

// The amount column lines its decimal points up with a fixed-pitch font.
QFont TBuchungsModell::festeSchrift() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

int TBuchungsModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : saetze() + 1;
}

int TBuchungsModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : zalvor::kTabellenSpalten;
}

QVariant TBuchungsModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const int z = index.row();
    const int s = index.column();
    if (rolle == Qt::DisplayRole) {
        if (z >= saetze()) return QString();
        return ausAnsi(zeilen_[static_cast<std::size_t>(z)][static_cast<std::size_t>(s)]);
    }
    if (rolle == Qt::FontRole && s == 4) return fest_;
    return {};
}

QVariant TBuchungsModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 &&
        abschnitt < zalvor::kTabellenSpalten)
        return ausAnsi(kopf_[static_cast<std::size_t>(abschnitt)]);
    if (richtung == Qt::Horizontal && rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

Qt::ItemFlags TBuchungsModell::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TBuchungsModell::setzen(zalvor::TabellenZeile kopf,
                             std::vector<zalvor::TabellenZeile> zeilen) {
    beginResetModel();
    kopf_ = std::move(kopf);
    zeilen_ = std::move(zeilen);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, zalvor::kTabellenSpalten - 1);
}

void TBuchungsModell::anhaengen(zalvor::TabellenZeile zeile) {
    // The new record takes the place of the empty row; a new empty row follows it.
    const int neu = saetze() + 1;
    beginInsertRows({}, neu, neu);
    zeilen_.push_back(std::move(zeile));
    endInsertRows();
    emit dataChanged(index(neu - 1, 0), index(neu - 1, zalvor::kTabellenSpalten - 1));
}

void TBuchungsModell::ersetzen(int zeile, zalvor::TabellenZeile texte) {
    if (zeile < 0 || zeile >= saetze()) return;
    zeilen_[static_cast<std::size_t>(zeile)] = std::move(texte);
    emit dataChanged(index(zeile, 0), index(zeile, zalvor::kTabellenSpalten - 1));
}

} // namespace zalvor::gui
