// The grid of the report windows.
#include "gui/lists/berichtsraster.h"

#include "gui/common/spaltenbreiten.h"
#include "gui/lists/rastermodell.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace zalvor::gui {

QTableView* berichtsraster(const zalvor::Raster& r, const std::vector<int>& breiten,
                           int zeilenhoehe, QWidget* eltern) {
    auto* ansicht = new QTableView(eltern);
    ansicht->setModel(new TRasterModell(r, ansicht));
    ansicht->setFont(berichtSchrift());
    ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    ansicht->verticalHeader()->hide();
    ansicht->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ansicht->verticalHeader()->setDefaultSectionSize(zeilenhoehe);
    ansicht->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ansicht->setWordWrap(false);
    const double faktor = std::max(1.0, QFontMetricsF(ansicht->font()).averageCharWidth() / 7.0);
    for (std::size_t c = 0; c < breiten.size(); ++c)
        ansicht->setColumnWidth(static_cast<int>(c), static_cast<int>(breiten[c] * faktor + 0.5));
    spaltenNachInhalt(ansicht);
    ansicht->setVisible(r.sichtbar);
    return ansicht;
}

} // namespace zalvor::gui
