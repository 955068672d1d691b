// Output of grids and reports as TSV, CSV or JSON, UTF-8.
#pragma once

#include "cli/common/befehl.h"
#include "core/common/raster.h"

#include <ostream>
#include <string>
#include <vector>

namespace zalvor::cli {

// Grids that stand alone, each titled with its own title; every row is printed.
void rasterAusgeben(std::ostream& out, Format format, const std::vector<Raster>& raster);
void rasterAusgeben(std::ostream& out, Format format, const Raster& r);

// Grids, then text lines ("# text"), in one output (one JSON list).
void rasterUndTexteAusgeben(std::ostream& out, Format format, const std::vector<Raster>& raster,
                            const std::vector<std::string>& texte);

// One grid as a table file: the header row and the rows only, without a title or a closing
// empty line, so that a spreadsheet or a CSV reader takes the header for the header.
void tabelleAusgeben(std::ostream& out, Format format, const Raster& r);

// A report window: the currency line as "# text", then every shown grid in the window's
// order titled "window caption | tab | caption line" (empty parts left out), its rows up to
// the last non-empty one.
void berichtAusgeben(std::ostream& out, Format format, const Bericht& b);

} // namespace zalvor::cli
