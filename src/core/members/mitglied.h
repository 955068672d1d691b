// The 174-byte member record, packed little-endian by hand.
#pragma once

#include "core/common/textfeld.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zalvor {

inline constexpr std::size_t kFreiFelder = 5;

struct TMitglied {
    static constexpr std::size_t kGroesse = 174;
    static constexpr std::size_t kGroesseAlt = 173; // the old file, without the rate index

    TextFeld<20> nachname; // DOS form
    TextFeld<20> vorname;  // DOS form
    std::array<TextFeld<25>, kFreiFelder> frei;
    std::uint8_t bezahlt = 0; // contribution of the current period booked
    std::uint8_t satz = 0;    // 0 = standard rate, 1..20 = further rate

    std::array<std::uint8_t, kGroesse> packen() const;
    static TMitglied entpacken(const std::uint8_t* bytes);

    friend bool operator==(const TMitglied&, const TMitglied&) = default;
};

// Last name, ", ", first name, in the stored DOS form.
std::string mitgliedName(const TMitglied& m);

// File order: last name, then first name, byte by byte on the stored texts (a shorter text
// before a longer one that starts with it).
bool sortiertVor(const TMitglied& a, const TMitglied& b);
bool gleicherName(const TMitglied& a, const TMitglied& b);

} // namespace zalvor
