// The account balances panel's model.
#include "gui/mainwindow/kontostandmodell.h"

#include <QFont>

namespace zalvor::gui {

QVariant TKontostandModell::stil(const QModelIndex& index, int rolle) const {
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

} // namespace zalvor::gui
