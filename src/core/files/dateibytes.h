// The file layer's side of every reader: the bytes of a club's file, fetched from the disk.
#pragma once

#include "core/common/lesergebnis.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

// The whole content of a file, or why there is none.
struct Dateibytes {
    Lesestatus status = Lesestatus::Gelesen;
    std::vector<std::uint8_t> bytes;

    Dateiinhalt inhalt() const {
        return status == Lesestatus::Gelesen ? Dateiinhalt(bytes) : Dateiinhalt(status);
    }
};

// Fehlt when there is no entry of that name, Unlesbar when it cannot be read (a folder, no
// permission, a failing device), else the bytes.
Dateibytes dateibytesHolen(const std::string& pfad);

} // namespace zalvor
