// Table model of the template window.
#include "gui/templates/schablonenmodell.h"

#include <QFontDatabase>

namespace zalvor::gui {

QFont TSchablonenModell::festeSchrift() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QVariant TSchablonenModell::stil(const QModelIndex& index, int rolle) const {
    // Amounts, kind and account are aligned by their blanks, as in the booking table.
    if (rolle == Qt::FontRole && index.column() >= 2 && index.column() <= 4) return fest_;
    return {};
}

QVariant TSchablonenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole) return {};
    if (richtung == Qt::Vertical) return abschnitt + 1;
    return TRasterTabelle::headerData(abschnitt, richtung, rolle);
}

} // namespace zalvor::gui
