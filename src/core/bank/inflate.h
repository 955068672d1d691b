// Raw DEFLATE data (RFC 1951) expanded, as ZIP archives store it.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zalvor::bank {

// Broken or too large compressed data; the text is German and says which.
class EntpackFehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The expanded bytes; throws EntpackFehler for broken data and for output past `hoechstens`.
std::string inflate(std::string_view daten, std::size_t hoechstens);

} // namespace zalvor::bank
