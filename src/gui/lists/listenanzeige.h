// Showing a report in a new list window, and closing them all.
#pragma once

#include "core/common/raster.h"

namespace zalvor::gui {

class TMainForm;
class TListenWin;

// A new maximised child window of the main window, first in the window list.
TListenWin* listenfensterZeigen(TMainForm& f, zalvor::Bericht bericht);
// Closes every open list window (their entries stay, cleared).
void listenfensterSchliessen();

} // namespace zalvor::gui
