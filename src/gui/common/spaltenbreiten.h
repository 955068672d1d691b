// Columns of a grid that show their texts whole.
#pragma once

class QTableView;

namespace zalvor::gui {

// Widens every column that its cells or its heading (sort arrow included) do not fit; a column
// is never made narrower than it is. Stretched columns are left to their view.
void spaltenNachInhalt(QTableView* raster);

} // namespace zalvor::gui
