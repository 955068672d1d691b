// Widening grid columns to their contents.
#include "gui/common/spaltenbreiten.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace zalvor::gui {

void spaltenNachInhalt(QTableView* raster) {
    QHeaderView* kopf = raster->horizontalHeader();
    // Public in the item view, protected in the table view.
    const QAbstractItemView* ansicht = raster;
    const int spalten = raster->model() ? raster->model()->columnCount() : 0;
    for (int s = 0; s < spalten; ++s) {
        if (kopf->sectionResizeMode(s) == QHeaderView::Stretch) continue;
        // The view measures the rows around the visible ones, so large files stay quick.
        const int noetig = std::max(ansicht->sizeHintForColumn(s), kopf->sectionSizeHint(s));
        if (raster->columnWidth(s) < noetig) raster->setColumnWidth(s, noetig);
    }
}

} // namespace zalvor::gui
