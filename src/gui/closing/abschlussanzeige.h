// Closing windows as children of the main window, and their printing.
#pragma once

#include "core/closing/grafikdaten.h"
#include "core/common/raster.h"
#include "print/seitenmaler.h"

#include <functional>
#include <optional>

namespace zalvor::gui {

class TMainForm;
class TabschlWin;

// Opens a new maximised closing window for `bericht`, first in the list of closing windows,
// with its print button wired to the print flow. `tag` is the month (single file) or the
// month + 20 (file list); `andereWaehrung` runs, given that tag, when the other-currency
// button is pressed (the button shows when the report names the other currency).
// `grafik` adds the tab "Grafik".
TabschlWin* abschlussfensterZeigen(TMainForm& f, zalvor::Bericht bericht, int tag,
                                   std::function<void(int tag)> andereWaehrung,
                                   std::optional<zalvor::Abschlussgrafik> grafik = std::nullopt);

// Closes every open closing window.
void abschlussfensterSchliessen();

// The layout of a closing window's printout with the program's print settings.
druck::Setzer abschlussSetzer(TMainForm& f, const TabschlWin& fenster);

// "D&rucken ...": the print options, the closing window with the active child's caption,
// the preview.
void abschlussDrucken(TMainForm& f);

} // namespace zalvor::gui
