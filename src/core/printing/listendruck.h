// The printout of a list window: booking lists, account lists and the target/actual
// comparison.
#pragma once

#include "core/common/raster.h"
#include "core/printing/druckseite.h"

namespace zalvor {

inline const char* const kListendruckTitel = "Movel95 - Liste";

// Lays out the window's title, currency line, caption lines and visible grids; with tabs
// (all account lists) every named account's tab after its title.
Druckdokument listeSetzen(const Bericht& b, const Druckeinstellungen& e, Messung& m,
                          Seitenformat f);

} // namespace zalvor
