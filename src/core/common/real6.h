// The 6-byte real in which booking amounts and rates are stored.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace zalvor {

// Byte 0: exponent biased by 129 (0 = value 0); bytes 1..5: 39-bit fraction, least
// significant byte first, sign in the top bit of byte 5.
struct Real6 {
    std::array<std::uint8_t, 6> bytes{};

    // Rounds the magnitude to nearest, halves away from zero; underflow gives 0;
    // throws UeberlaufFehler when the exponent does not fit.
    static Real6 aus(long double wert);
    long double wert() const { return wertAus(bytes.data()); }
    // The value of the six bytes at `sechs`, read where they lie.
    static long double wertAus(const std::uint8_t* sechs);
    bool istNull() const { return bytes[0] == 0; }

    friend bool operator==(const Real6&, const Real6&) = default;
};

namespace real6intern {

// Every amount read and every running total of a closing or list goes through the two
// functions below, so in the x87 extended format (64-bit mantissa with its leading bit,
// exponent biased by 16383, little-endian) they work on the bits, inline.
inline constexpr bool kErweitert = std::numeric_limits<long double>::digits == 64 &&
                                   std::numeric_limits<long double>::max_exponent == 16384 &&
                                   sizeof(long double) >= 10;
// Extended exponent field minus stored exponent.
inline constexpr unsigned kVersatz = 16254;
inline constexpr std::uint64_t kVersteckt = std::uint64_t{1} << 39;

inline long double ausBits(std::uint64_t mantisse, std::uint16_t vorzeichenExponent) {
    unsigned char roh[sizeof(long double)]{};
    std::memcpy(roh, &mantisse, 8);
    std::memcpy(roh + 8, &vorzeichenExponent, 2);
    long double wert;
    std::memcpy(&wert, roh, sizeof wert);
    return wert;
}

// The five fraction bytes after the exponent byte, least significant first (one load on a
// little-endian host).
inline std::uint64_t bruchfeld(const std::uint8_t* sechs) {
    std::uint64_t feld = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&feld, sechs + 1, 5);
    } else {
        for (int i = 0; i < 5; ++i)
            feld |= std::uint64_t{sechs[1 + i]} << (8 * i);
    }
    return feld;
}

// The cases the bits do not handle: other formats, zero, subnormal, infinite, NaN, and
// exponents at the ends of the range.
long double durchReal6Allgemein(long double wert);
long double wertAllgemein(const Real6& r);

} // namespace real6intern

// Stores a value of the working precision back through the 6-byte format: the value of
// Real6::aus(wert), without building the bytes. On the bits: the 40 leading mantissa bits,
// the magnitude rounded half up.
inline long double durchReal6(long double wert) {
    if constexpr (real6intern::kErweitert) {
        std::uint64_t m = 0;
        std::uint16_t vorzeichenExponent = 0;
        std::memcpy(&m, &wert, 8);
        std::memcpy(&vorzeichenExponent, reinterpret_cast<const unsigned char*>(&wert) + 8, 2);
        // Stored exponents 1..254: a carry of the rounding still fits.
        const unsigned e = vorzeichenExponent & 0x7FFFu;
        if (e - (real6intern::kVersatz + 1) < 254u && (m >> 63) != 0) {
            const std::uint64_t gerundet = m + (std::uint64_t{1} << 23);
            if (gerundet < m)
                return real6intern::ausBits(std::uint64_t{1} << 63,
                                            static_cast<std::uint16_t>(vorzeichenExponent + 1));
            return real6intern::ausBits(gerundet & ~((std::uint64_t{1} << 24) - 1),
                                        vorzeichenExponent);
        }
    }
    return real6intern::durchReal6Allgemein(wert);
}

// A power of two times a 40-bit integer: exact, as ldexp would give it.
inline long double Real6::wertAus(const std::uint8_t* sechs) {
    if constexpr (!real6intern::kErweitert) {
        Real6 r;
        std::copy_n(sechs, 6, r.bytes.begin());
        return real6intern::wertAllgemein(r);
    }
    if (sechs[0] == 0) return 0.0L;
    const std::uint64_t feld = real6intern::bruchfeld(sechs);
    const bool negativ = (feld & real6intern::kVersteckt) != 0;
    const std::uint64_t mantisse = (feld & (real6intern::kVersteckt - 1)) | real6intern::kVersteckt;
    return real6intern::ausBits(
        mantisse << 24,
        static_cast<std::uint16_t>((sechs[0] + real6intern::kVersatz) | (negativ ? 0x8000u : 0u)));
}

} // namespace zalvor
