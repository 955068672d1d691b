// The read-only grid of a report window (lists, comparison, closings) over one engine grid.
#pragma once

#include "core/common/raster.h"

#include <vector>

class QTableView;
class QWidget;

namespace zalvor::gui {

// A view of `r` in the report font with whole-row selection and fixed rows of `zeilenhoehe`
// pixels; `breiten` are meant for 7 pixels a character (a wider font widens them alike), and a
// column grows where its texts need more. Hidden when the grid is. `r` must outlive the view.
QTableView* berichtsraster(const zalvor::Raster& r, const std::vector<int>& breiten,
                           int zeilenhoehe, QWidget* eltern);

} // namespace zalvor::gui
