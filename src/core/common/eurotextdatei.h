// The Euro label file beside the program: its first line, the label tables and captions show
// for the Euro.
#pragma once

#include "core/common/lesergebnis.h"

#include <cstdint>
#include <span>
#include <string>

namespace zalvor {

// At most the first 3 characters of the first line (empty for an empty file).
Gelesen<std::string> euroTextAusBytes(std::span<const std::uint8_t> bytes);

} // namespace zalvor
