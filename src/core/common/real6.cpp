// Conversion between extended precision and the 6-byte real.
#include "common/real6.h"

#include "common/fehler.h"

#include <cmath>

namespace zalvor {

namespace {
constexpr std::uint64_t kVersteckt = std::uint64_t{1} << 39;
} // namespace

Real6 Real6::aus(long double wert) {
    Real6 r;
    if (wert == 0.0L || std::isnan(wert)) return r;
    if (std::isinf(wert)) throw UeberlaufFehler();
    bool negativ = std::signbit(wert);
    int exp2 = 0;
    long double bruch = std::frexp(std::fabs(wert), &exp2); // [0.5, 1)
    // Mantissa with the hidden bit as a 40-bit integer; exact in the 64-bit mantissa.
    long double skaliert = std::ldexp(bruch, 40);
    auto mantisse = static_cast<std::uint64_t>(std::floor(skaliert + 0.5L));
    int exponent = exp2 + 128;
    if (mantisse >= (kVersteckt << 1)) {
        mantisse >>= 1;
        ++exponent;
    }
    if (exponent < 1) return r;
    if (exponent > 255) throw UeberlaufFehler();
    std::uint64_t feld = mantisse - kVersteckt;
    if (negativ) feld |= kVersteckt;
    r.bytes[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 0; i < 5; ++i) r.bytes[1 + i] = static_cast<std::uint8_t>(feld >> (8 * i));
    return r;
}

long double Real6::wert() const {
    if (bytes[0] == 0) return 0.0L;
    std::uint64_t feld = 0;
    for (int i = 0; i < 5; ++i) feld |= std::uint64_t{bytes[1 + i]} << (8 * i);
    bool negativ = (feld & kVersteckt) != 0;
    std::uint64_t mantisse = (feld & (kVersteckt - 1)) | kVersteckt;
    long double v = std::ldexp(static_cast<long double>(mantisse), bytes[0] - 129 - 39);
    return negativ ? -v : v;
}

} // namespace zalvor
