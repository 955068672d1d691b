// The integer total against the floating-point path it stands for.
#include "core/common/fehler.h"
#include "core/common/real6summe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace zalvor {
namespace {

// Totals and amounts of every kind: cash-book amounts, near ties, exponents far apart, exact
// cancellation, powers of two, and the ends of the exponent range.
TEST(Real6Summe, GleichDemGleitkommaweg) {
    std::mt19937_64 zufall(20261211);
    const auto real6 = [&](int exponent) {
        Real6 r;
        r.bytes[0] = static_cast<std::uint8_t>(exponent);
        for (int i = 1; i < 6; ++i)
            r.bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(zufall());
        if (zufall() % 4 == 0) r.bytes[1] = r.bytes[2] = 0; // few low bits: more ties
        if (zufall() % 16 == 0) r.bytes[1] = r.bytes[2] = r.bytes[3] = r.bytes[4] = 0;
        return r;
    };
    for (int fall = 0; fall < 400000; ++fall) {
        const int e = fall % 50 == 0 ? static_cast<int>(zufall() % 255) + 1
                                     : 120 + static_cast<int>(zufall() % 30);
        const int abstand = static_cast<int>(zufall() % 80) - 40;
        long double erwartet = durchReal6(real6(e).wert());
        Real6Summe summe = Real6Summe::aus(erwartet);
        for (int schritt = 0; schritt < 3; ++schritt) {
            Real6 betrag = real6(std::clamp(e + abstand, 1, 255));
            if (zufall() % 8 == 0) betrag = Real6::aus(-summe.wert() == 0 ? 1.0L : -summe.wert());
            const bool abziehen = zufall() % 2 == 0;
            try {
                erwartet =
                    durchReal6(abziehen ? erwartet - betrag.wert() : erwartet + betrag.wert());
            } catch (const UeberlaufFehler&) {
                EXPECT_THROW(summe.addieren(betrag.bytes.data(), abziehen), UeberlaufFehler);
                break;
            }
            summe.addieren(betrag.bytes.data(), abziehen);
            ASSERT_EQ(summe.wert(), erwartet) << "Fall " << fall << ", Schritt " << schritt;
            ASSERT_EQ(std::signbit(summe.wert()), std::signbit(erwartet));
        }
    }
}

// Sums whose rounding to 64 bits is an exact tie that decides the rounding to 40 bits: the
// smaller amount's bits below the total's last bit are 0111...1 then 1 then zeros.
TEST(Real6Summe, GleichstandBeiDenVierundsechzigBits) {
    std::mt19937_64 zufall(7);
    const auto real6 = [](int exponent, std::uint64_t mantisse, bool negativ) {
        Real6 r;
        r.bytes[0] = static_cast<std::uint8_t>(exponent);
        std::uint64_t feld = mantisse & ((std::uint64_t{1} << 39) - 1);
        if (negativ) feld |= std::uint64_t{1} << 39;
        for (int i = 0; i < 5; ++i)
            r.bytes[static_cast<std::size_t>(1 + i)] = static_cast<std::uint8_t>(feld >> (8 * i));
        return r;
    };
    for (int abstand = 25; abstand <= 39; ++abstand) {
        const int weg = abstand - 24;
        const std::uint64_t oben =
            ((std::uint64_t{1} << 40) - 1) & ~((std::uint64_t{1} << abstand) - 1);
        const std::uint64_t mb =
            oben | (std::uint64_t{0x7FFFFF} << weg) | (std::uint64_t{1} << (weg - 1));
        for (int fall = 0; fall < 64; ++fall) {
            const Real6 a = real6(150, zufall() | (std::uint64_t{1} << 39), fall % 2 == 1);
            const Real6 b = real6(150 - abstand, mb, fall % 4 >= 2);
            Real6Summe summe = Real6Summe::aus(a.wert());
            summe.addieren(b.bytes.data());
            EXPECT_EQ(summe.wert(), durchReal6(a.wert() + b.wert())) << "Abstand " << abstand;
        }
    }
}

} // namespace
} // namespace zalvor
