// Snapshot of a folder's files.
#include "ordnerbild.h"

#include "tempverzeichnis.h"

#include <filesystem>

namespace zalvor::test {

Ordnerbild ordnerbild(const std::string& ordner) {
    Ordnerbild bild;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        bild[e.path().filename().string()] =
            e.is_regular_file() ? bytesLesen(e.path().string()) : std::vector<std::uint8_t>{};
    return bild;
}

} // namespace zalvor::test
