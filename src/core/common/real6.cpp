// Conversion between extended precision and the 6-byte real.
#include "core/common/real6.h"

#include "core/common/fehler.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace zalvor {

namespace {
using real6intern::kVersteckt;

Real6 gepackt(bool negativ, int exponent, std::uint64_t mantisse) {
    Real6 r;
    if (mantisse >= (kVersteckt << 1)) {
        mantisse >>= 1;
        ++exponent;
    }
    if (exponent < 1) return r;
    if (exponent > 255) throw UeberlaufFehler();
    std::uint64_t feld = mantisse - kVersteckt;
    if (negativ) feld |= kVersteckt;
    r.bytes[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 0; i < 5; ++i)
        r.bytes[1 + i] = static_cast<std::uint8_t>(feld >> (8 * i));
    return r;
}

// Through frexp and ldexp: any format of long double.
Real6 allgemein(long double wert) {
    const bool negativ = std::signbit(wert);
    int exp2 = 0;
    const long double bruch = std::frexp(std::fabs(wert), &exp2); // [0.5, 1)
    // Mantissa with the hidden bit as a 40-bit integer; exact in the 64-bit mantissa.
    const long double skaliert = std::ldexp(bruch, 40);
    return gepackt(negativ, exp2 + 128, static_cast<std::uint64_t>(std::floor(skaliert + 0.5L)));
}

// The x87 extended format taken apart by hand: its 64-bit mantissa m with the leading bit
// and exponent E give frexp's exponent E - 16382 and floor(m / 2^24 + 1/2) as the 40-bit
// mantissa, exactly.
using real6intern::kErweitert;

// 2^(e - 168) for every stored exponent e: the value of a mantissa unit.
struct Stellenwerte {
    long double wert[256]{};
    constexpr Stellenwerte() {
        long double p = 1.0L;
        for (int i = 0; i < 167; ++i)
            p /= 2;
        for (int e = 1; e < 256; ++e, p *= 2)
            wert[e] = p;
    }
};
constexpr Stellenwerte kStellenwerte;

// The sign, stored exponent (unchecked) and rounded 40-bit mantissa (possibly 2^40) of a
// finite non-zero value in the extended format; false for a subnormal one, which underflows
// anyway and takes the general way.
bool zerlegt(long double wert, bool& negativ, int& exponent, std::uint64_t& mantisse) {
    unsigned char roh[sizeof(long double)];
    std::memcpy(roh, &wert, sizeof roh);
    std::uint64_t m = 0;
    for (int i = 7; i >= 0; --i)
        m = (m << 8) | roh[i];
    const unsigned vorzeichenExponent = roh[8] | (unsigned{roh[9]} << 8);
    const int e = static_cast<int>(vorzeichenExponent & 0x7FFF);
    if (e == 0 || (m >> 63) == 0) return false;
    negativ = (vorzeichenExponent & 0x8000) != 0;
    exponent = e - 16254;
    mantisse = (m >> 24) + ((m >> 23) & 1);
    return true;
}

} // namespace

Real6 Real6::aus(long double wert) {
    if (wert == 0.0L || std::isnan(wert)) return Real6{};
    if (std::isinf(wert)) throw UeberlaufFehler();
    if constexpr (kErweitert) {
        bool negativ = false;
        int exponent = 0;
        std::uint64_t mantisse = 0;
        if (zerlegt(wert, negativ, exponent, mantisse)) return gepackt(negativ, exponent, mantisse);
    }
    return allgemein(wert);
}

long double real6intern::durchReal6Allgemein(long double wert) {
    if constexpr (kErweitert) {
        if (wert == 0.0L || std::isnan(wert)) return 0.0L;
        if (std::isinf(wert)) throw UeberlaufFehler();
        bool negativ = false;
        int exponent = 0;
        std::uint64_t mantisse = 0;
        if (zerlegt(wert, negativ, exponent, mantisse)) {
            if (mantisse >= (kVersteckt << 1)) {
                mantisse >>= 1;
                ++exponent;
            }
            if (exponent < 1) return 0.0L;
            if (exponent > 255) throw UeberlaufFehler();
            const long double v = static_cast<long double>(mantisse) * kStellenwerte.wert[exponent];
            return negativ ? -v : v;
        }
    }
    return Real6::aus(wert).wert();
}

long double real6intern::wertAllgemein(const Real6& r) {
    if (r.bytes[0] == 0) return 0.0L;
    std::uint64_t feld = 0;
    for (int i = 0; i < 5; ++i)
        feld |= std::uint64_t{r.bytes[static_cast<std::size_t>(1 + i)]} << (8 * i);
    const bool negativ = (feld & kVersteckt) != 0;
    const std::uint64_t mantisse = (feld & (kVersteckt - 1)) | kVersteckt;
    // A power of two times a 40-bit integer: exact, as ldexp would give it.
    const long double v = static_cast<long double>(mantisse) * kStellenwerte.wert[r.bytes[0]];
    return negativ ? -v : v;
}

} // namespace zalvor
