// Output of grids (tables) as TSV, CSV or JSON, UTF-8.
#pragma once

#include "common/befehl.h"

#include <ostream>
#include <string>
#include <vector>

namespace zalvor::cli {

// Cells in the engine's Windows form, exactly the texts the desktop program shows.
struct Raster {
    std::string titel;
    std::vector<std::string> kopf;
    std::vector<std::vector<std::string>> zeilen;
};

void rasterAusgeben(std::ostream& out, Format format, const std::vector<Raster>& raster);
inline void rasterAusgeben(std::ostream& out, Format format, const Raster& r) {
    rasterAusgeben(out, format, std::vector<Raster>{r});
}

} // namespace zalvor::cli
