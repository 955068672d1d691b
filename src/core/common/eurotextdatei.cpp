// Reading the Euro label file.
#include "core/common/eurotextdatei.h"

#include "core/common/dateisystem.h"

namespace zalvor {

Gelesen<std::string> euroTextAusBytes(std::span<const std::uint8_t> bytes) {
    const auto zeilen = textzeilen(bytes);
    return {zeilen.empty() ? std::string() : zeilen.front().substr(0, 3), {}, Lesestatus::Gelesen};
}

} // namespace zalvor
