// The 6-byte real in which booking amounts and rates are stored.
#pragma once

#include <array>
#include <cstdint>

namespace zalvor {

// Byte 0: exponent biased by 129 (0 = value 0); bytes 1..5: 39-bit fraction, least
// significant byte first, sign in the top bit of byte 5.
struct Real6 {
    std::array<std::uint8_t, 6> bytes{};

    // Rounds the magnitude to nearest, halves away from zero; underflow gives 0;
    // throws UeberlaufFehler when the exponent does not fit.
    static Real6 aus(long double wert);
    long double wert() const;
    bool istNull() const { return bytes[0] == 0; }

    friend bool operator==(const Real6&, const Real6&) = default;
};

// Stores a value of the working precision back through the 6-byte format: the value of
// Real6::aus(wert), without building the bytes.
long double durchReal6(long double wert);

} // namespace zalvor
