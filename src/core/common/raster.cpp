// Grid helpers.
#include "core/common/raster.h"

#include <algorithm>

namespace zalvor {

std::size_t Raster::gefuellteZeilen() const {
    std::size_t n = zeilen.size();
    auto leer = [](const std::vector<std::string>& z) {
        return std::all_of(z.begin(), z.end(), [](const std::string& c) { return c.empty(); });
    };
    while (n > 0 && leer(zeilen[n - 1]))
        --n;
    return n;
}

} // namespace zalvor
