// A running total stored back through the 6-byte format after every addition.
#pragma once

#include "core/common/real6.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace zalvor {

namespace real6intern {
inline constexpr std::uint64_t kFuehrend = std::uint64_t{1} << 39;
// GCC's and Clang's 128-bit integer: the exact sum of two totals needs up to 103 bits.
__extension__ typedef unsigned __int128 U128;

// The magnitude of (na ? -a : a) + (nb ? -b : b); `negativ` becomes its sign unless it is 0.
template <class Z>
Z betragsSumme(Z a, Z b, bool na, bool nb, bool& negativ) {
    negativ = na;
    if (na == nb) return a + b;
    if (a >= b) return a - b;
    negativ = nb;
    return b - a;
}
} // namespace real6intern

// The value of durchReal6(summe + betrag) after each addition, bit for bit. In the extended
// format the sum is computed on integers: the exact sum rounded to the 64 bits of the
// extended format (to nearest, ties to even) and then to the 40 of the 6-byte format (half
// away from zero), as the two roundings of the floating-point path do. A closing adds every
// booking into two or three totals, and there the round trips between the extended format
// and its bits cost more than the additions. Sums near the ends of the exponent range, and
// other formats, take the floating-point path itself. The total is always a value of the
// 6-byte format, so its fields hold it on every platform.
class Real6Summe {
  public:
    Real6Summe() = default;
    // `wert`: 0 or a value of the 6-byte format.
    static Real6Summe aus(long double wert);
    long double wert() const;
    // Adds (or subtracts) the 6-byte real at `betrag6`.
    void addieren(const std::uint8_t* betrag6, bool abziehen = false);

  private:
    void ueberGleitkomma(const std::uint8_t* betrag6, bool abziehen);
    void nullSetzen();
    bool ablegen(std::uint64_t q, int oben, int eb, bool negativ);

    std::uint64_t mantisse_ = 0; // 40 bits with the leading one; 0: the total is 0
    int exponent_ = 0;           // as stored in byte 0
    bool negativ_ = false;
};

inline void Real6Summe::addieren(const std::uint8_t* betrag6, bool abziehen) {
    if constexpr (!real6intern::kErweitert) {
        ueberGleitkomma(betrag6, abziehen);
        return;
    }
    if (betrag6[0] == 0) return; // x + 0 is x again
    const std::uint64_t feld = real6intern::bruchfeld(betrag6);
    std::uint64_t mb = (feld & (real6intern::kFuehrend - 1)) | real6intern::kFuehrend;
    int eb = betrag6[0];
    bool nb = ((feld & real6intern::kFuehrend) != 0) != abziehen;
    if (mantisse_ == 0) {
        if (eb < 3 || eb > 252) return ueberGleitkomma(betrag6, abziehen);
        mantisse_ = mb;
        exponent_ = eb;
        negativ_ = nb;
        return;
    }
    std::uint64_t ma = mantisse_;
    int ea = exponent_;
    bool na = negativ_;
    if (ea < eb) {
        std::swap(ma, mb);
        std::swap(ea, eb);
        std::swap(na, nb);
    }
    const int abstand = ea - eb;
    if (abstand > 62) return ueberGleitkomma(betrag6, abziehen);
    bool negativ = na;
    if (abstand <= 23) {
        // The common case: the exact sum has at most 64 bits, so the extended format holds
        // it without rounding.
        const std::uint64_t x = real6intern::betragsSumme(ma << abstand, mb, na, nb, negativ);
        if (x == 0) return nullSetzen();
        const int oben = 63 - std::countl_zero(x);
        if (!ablegen(x << (63 - oben), oben, eb, negativ)) ueberGleitkomma(betrag6, abziehen);
        return;
    }
    // The exact sum in units of the smaller operand's last bit: below 2^103.
    using real6intern::U128;
    const U128 x = real6intern::betragsSumme(U128{ma} << abstand, U128{mb}, na, nb, negativ);
    if (x == 0) return nullSetzen();
    const auto hoch = static_cast<std::uint64_t>(x >> 64);
    int oben = hoch != 0 ? 127 - std::countl_zero(hoch)
                         : 63 - std::countl_zero(static_cast<std::uint64_t>(x));
    // To the 64 bits of the extended format, ties to even.
    std::uint64_t q;
    if (oben > 63) {
        const int weg = oben - 63;
        q = static_cast<std::uint64_t>(x >> weg);
        const U128 rest = x & ((U128{1} << weg) - 1);
        const U128 halb = U128{1} << (weg - 1);
        if (rest > halb || (rest == halb && (q & 1) != 0)) {
            if (++q == 0) {
                q = std::uint64_t{1} << 63;
                ++oben;
            }
        }
    } else {
        q = static_cast<std::uint64_t>(x) << (63 - oben);
    }
    if (!ablegen(q, oben, eb, negativ)) ueberGleitkomma(betrag6, abziehen);
}

// Exact cancellation gives +0.
inline void Real6Summe::nullSetzen() {
    mantisse_ = 0;
    negativ_ = false;
}

// `q`: 64 bits with the leading one, which stands at bit `oben` of the exact sum in units of
// the last bit of a mantissa of exponent `eb`. Rounded to the 40 bits of the 6-byte format,
// half away from zero; false near the ends of the exponent range.
inline bool Real6Summe::ablegen(std::uint64_t q, int oben, int eb, bool negativ) {
    const std::uint64_t gerundet = q + (std::uint64_t{1} << 23);
    std::uint64_t m40;
    if (gerundet < q) {
        m40 = real6intern::kFuehrend;
        ++oben;
    } else {
        m40 = gerundet >> 24;
    }
    const int exponent = eb + oben - 39;
    if (exponent < 3 || exponent > 252) return false;
    mantisse_ = m40;
    exponent_ = exponent;
    negativ_ = negativ;
    return true;
}

} // namespace zalvor
