// Table model of the booking table.
#include "gui/mainwindow/buchungsmodell.h"

#include "gui/common/qtext.h"

namespace zalvor::gui {

// The amount column lines its decimal points up: a family with equal advances that the
// program's dependencies install, and the type-writer hint where it is missing, so the
// choice does not depend on the machine's idea of "monospace".
QFont TBuchungsModell::festeSchrift() {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    f.setFixedPitch(true);
    return f;
}

QVariant TBuchungsModell::sortierwert(int z, int spalte) const {
    const auto& b = satz(z);
    switch (spalte) {
    case 0: {
        // Booking numbers are texts; numeric ones sort by number, before the others ("AB").
        bool zahl = false;
        const int n = QString::fromStdString(b.bunr.text()).trimmed().toInt(&zahl);
        return zahl ? QVariant(static_cast<double>(n)) : QVariant(1e12);
    }
    case 1:
        return b.geloescht() ? -1 : b.monat * 100 + b.tag;
    case 4:
        return static_cast<double>(b.betrag.wert());
    default:
        return ausAnsi(zeile(z)[static_cast<std::size_t>(spalte)]);
    }
}

int TBuchungsModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : saetze() + 1;
}

int TBuchungsModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : zalvor::kTabellenSpalten;
}

zalvor::TabellenZeile TBuchungsModell::zeile(int z) const {
    if (z < 0 || z >= saetze()) return {};
    if (z != zwischenZeile_) {
        zwischen_ = zalvor::tabellenZeile(saetze_[static_cast<std::size_t>(z)], typen_);
        zwischenZeile_ = z;
    }
    return zwischen_;
}

QVariant TBuchungsModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const int s = index.column();
    if (rolle == Qt::DisplayRole) {
        if (index.row() >= saetze()) return QString();
        return ausAnsi(zeile(index.row())[static_cast<std::size_t>(s)]);
    }
    if (rolle == Qt::FontRole && s == 4) return fest_;
    if (rolle == kSortierRolle && index.row() < saetze()) return sortierwert(index.row(), s);
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

void TBuchungsModell::setzen(zalvor::TabellenZeile kopf, std::vector<zalvor::TBuchung> saetze,
                             const zalvor::Typverwaltung& typen) {
    beginResetModel();
    kopf_ = std::move(kopf);
    saetze_ = std::move(saetze);
    typen_ = typen;
    zwischenZeile_ = -1;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, zalvor::kTabellenSpalten - 1);
}

void TBuchungsModell::leeren() {
    beginResetModel();
    saetze_.clear();
    zwischenZeile_ = -1;
    endResetModel();
}

void TBuchungsModell::anhaengen(const zalvor::TBuchung& satz) {
    // The new record takes the place of the empty row; a new empty row follows it.
    const int neu = saetze() + 1;
    beginInsertRows({}, neu, neu);
    saetze_.push_back(satz);
    endInsertRows();
    emit dataChanged(index(neu - 1, 0), index(neu - 1, zalvor::kTabellenSpalten - 1));
}

void TBuchungsModell::ersetzen(int z, const zalvor::TBuchung& satz) {
    if (z < 0 || z >= saetze()) return;
    saetze_[static_cast<std::size_t>(z)] = satz;
    if (z == zwischenZeile_) zwischenZeile_ = -1;
    emit dataChanged(index(z, 0), index(z, zalvor::kTabellenSpalten - 1));
}

} // namespace zalvor::gui
