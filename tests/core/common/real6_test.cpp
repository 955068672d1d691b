// The 6-byte real against values worked out by hand from the format.
#include "core/common/fehler.h"
#include "core/common/real6.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

namespace zalvor {
namespace {

using B = std::array<std::uint8_t, 6>;

TEST(Real6, BekannteBitmuster) {
    // value = (1 + f/2^39) * 2^(e-129)
    EXPECT_EQ(Real6::aus(0).bytes, (B{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real6::aus(1).bytes, (B{0x81, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real6::aus(-1).bytes, (B{0x81, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(Real6::aus(12.5L).bytes, (B{0x84, 0, 0, 0, 0, 0x48})); // 1.5625 * 8
    EXPECT_EQ(Real6::aus(0.1L).bytes, (B{0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}));
    EXPECT_EQ(Real6::aus(0.01L).bytes, (B{0x7A, 0x71, 0x3D, 0x0A, 0xD7, 0x23}));
    // 1e9 = 1.862645149230957 * 2^29: fraction 0x6E6B280000 exactly.
    EXPECT_EQ(Real6::aus(1e9L).bytes, (B{0x9E, 0x00, 0x00, 0x28, 0x6B, 0x6E}));
}

TEST(Real6, GeldbetraegeKommenZurueck) {
    for (long double v : {51.13L, 195.58L, 12.5L, 0.01L, 1234.56L, -3.0L}) {
        long double r = Real6::aus(v).wert();
        EXPECT_NEAR(static_cast<double>(r), static_cast<double>(v), 1e-9) << static_cast<double>(v);
    }
    // 51.13: 1.59781... * 2^5
    EXPECT_EQ(Real6::aus(51.13L).bytes, (B{0x86, 0x52, 0xB8, 0x1E, 0x85, 0x4C}));
    EXPECT_EQ(Real6::aus(195.58L).bytes, (B{0x88, 0x48, 0xE1, 0x7A, 0x94, 0x43}));
}

TEST(Real6, HalbeRundetVonNullWeg) {
    // 1 + 2^-40 lies exactly between 1 and the next value 1 + 2^-39.
    long double mitte = 1.0L + std::ldexp(1.0L, -40);
    EXPECT_EQ(Real6::aus(mitte).bytes, (B{0x81, 1, 0, 0, 0, 0}));
    EXPECT_EQ(Real6::aus(-mitte).bytes, (B{0x81, 1, 0, 0, 0, 0x80}));
    // Just below the half rounds down.
    long double darunter = 1.0L + std::ldexp(1.0L, -40) - std::ldexp(1.0L, -60);
    EXPECT_EQ(Real6::aus(darunter).bytes, (B{0x81, 0, 0, 0, 0, 0}));
    // Rounding up at the top of the mantissa carries into the exponent.
    long double fastZwei = 2.0L - std::ldexp(1.0L, -41);
    EXPECT_EQ(Real6::aus(fastZwei).bytes, (B{0x82, 0, 0, 0, 0, 0}));
}

TEST(Real6, UnterlaufUndUeberlauf) {
    EXPECT_TRUE(Real6::aus(std::ldexp(1.0L, -128)).bytes[0] == 1);
    EXPECT_TRUE(Real6::aus(std::ldexp(1.0L, -129)).istNull());
    EXPECT_TRUE(Real6::aus(-std::ldexp(1.0L, -140)).istNull());
    EXPECT_EQ(Real6::aus(std::ldexp(1.0L, 126)).bytes[0], 255);
    EXPECT_THROW(Real6::aus(std::ldexp(1.0L, 127)), UeberlaufFehler);
    EXPECT_THROW(Real6::aus(-1e300L), UeberlaufFehler);
}

TEST(Real6, NullMitMuellBytesIstNull) {
    Real6 r;
    r.bytes = {0, 0x12, 0x34, 0, 0, 0x80};
    EXPECT_EQ(r.wert(), 0.0L);
    EXPECT_TRUE(r.istNull());
}

// The format's definition through frexp and ldexp, beside the conversion by hand.
std::optional<Real6> nachDefinition(long double x) {
    Real6 r;
    if (x == 0.0L) return r;
    int e = 0;
    const long double bruch = std::frexp(std::fabs(x), &e);
    auto m = static_cast<std::uint64_t>(std::floor(std::ldexp(bruch, 40) + 0.5L));
    int exponent = e + 128;
    if (m >= (std::uint64_t{1} << 40)) {
        m >>= 1;
        ++exponent;
    }
    if (exponent < 1) return r;
    if (exponent > 255) return std::nullopt;
    std::uint64_t feld = m - (std::uint64_t{1} << 39);
    if (std::signbit(x)) feld |= std::uint64_t{1} << 39;
    r.bytes[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 0; i < 5; ++i)
        r.bytes[1 + i] = static_cast<std::uint8_t>(feld >> (8 * i));
    return r;
}

TEST(Real6, GleichtDerDefinitionUeberDenGanzenBereich) {
    std::mt19937_64 zufall(6);
    std::uniform_int_distribution<int> exponent(-140, 130);
    std::vector<long double> werte;
    for (int i = 0; i < 200000; ++i) {
        // Random 64-bit mantissas, and ones on and beside the rounding half.
        long double m = static_cast<long double>(zufall() | (std::uint64_t{1} << 63));
        if (i % 4 == 1) m = std::floor(m / 0x1p24L) * 0x1p24L + 0x1p23L;
        if (i % 4 == 2) m = std::floor(m / 0x1p24L) * 0x1p24L + 0x1p23L - 1;
        if (i % 8 == 3) m = 0x1p64L - 0x1p23L + static_cast<long double>(zufall() % 3);
        const long double x = std::ldexp(m, exponent(zufall) - 64);
        werte.push_back(i % 2 ? -x : x);
    }
    for (const char* cent : {"0.01", "51.13", "-1234.56", "999999.99"})
        werte.push_back(std::strtold(cent, nullptr));
    for (long double x : werte) {
        const auto erwartet = nachDefinition(x);
        if (!erwartet) {
            EXPECT_THROW(Real6::aus(x), UeberlaufFehler);
            EXPECT_THROW(durchReal6(x), UeberlaufFehler);
            continue;
        }
        const Real6 r = Real6::aus(x);
        ASSERT_EQ(r.bytes, erwartet->bytes) << static_cast<double>(x);
        const long double gespeichert = durchReal6(x), gelesen = r.wert();
        ASSERT_EQ(std::memcmp(&gespeichert, &gelesen, 10), 0) << static_cast<double>(x);
        // The inline ways on the bits against the careful ones.
        const long double allgemein = real6intern::durchReal6Allgemein(x);
        const long double allgemeinGelesen = real6intern::wertAllgemein(r);
        ASSERT_EQ(std::memcmp(&gespeichert, &allgemein, 10), 0) << static_cast<double>(x);
        ASSERT_EQ(std::memcmp(&gelesen, &allgemeinGelesen, 10), 0) << static_cast<double>(x);
        if (r.istNull()) continue;
        std::uint64_t feld = 0;
        for (int b = 0; b < 5; ++b)
            feld |= std::uint64_t{r.bytes[1 + static_cast<std::size_t>(b)]} << (8 * b);
        const auto mantisse = static_cast<long double>((feld & ((std::uint64_t{1} << 39) - 1)) |
                                                       std::uint64_t{1} << 39);
        const long double betrag = std::ldexp(mantisse, r.bytes[0] - 168);
        ASSERT_EQ(r.wert(), (feld >> 39) != 0 ? -betrag : betrag);
    }
}

} // namespace
} // namespace zalvor
