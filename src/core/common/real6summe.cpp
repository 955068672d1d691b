#include "core/common/real6summe.h"

#include <bit>
#include <cstring>

namespace zalvor {

Real6Summe Real6Summe::aus(long double wert) {
    Real6Summe s;
    if constexpr (!real6intern::kErweitert) {
        s.gleitkomma_ = wert;
        return s;
    }
    if (wert == 0.0L) return s;
    std::uint64_t m = 0;
    std::uint16_t vorzeichenExponent = 0;
    std::memcpy(&m, &wert, 8);
    std::memcpy(&vorzeichenExponent, reinterpret_cast<const unsigned char*>(&wert) + 8, 2);
    s.mantisse_ = m >> 24;
    s.exponent_ =
        static_cast<int>(vorzeichenExponent & 0x7FFFu) - static_cast<int>(real6intern::kVersatz);
    s.negativ_ = (vorzeichenExponent & 0x8000u) != 0;
    return s;
}

long double Real6Summe::wert() const {
    if constexpr (!real6intern::kErweitert) return gleitkomma_;
    if (mantisse_ == 0) return 0.0L;
    return real6intern::ausBits(
        mantisse_ << 24,
        static_cast<std::uint16_t>((static_cast<unsigned>(exponent_) + real6intern::kVersatz) |
                                   (negativ_ ? 0x8000u : 0u)));
}

void Real6Summe::ueberGleitkomma(const std::uint8_t* betrag6, bool abziehen) {
    const long double betrag = Real6::wertAus(betrag6);
    const long double neu = durchReal6(abziehen ? wert() - betrag : wert() + betrag);
    *this = aus(neu);
}

} // namespace zalvor
