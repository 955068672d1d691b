#include "core/common/real6summe.h"

namespace zalvor {

Real6Summe Real6Summe::aus(long double wert) {
    const Real6 r = Real6::aus(wert);
    Real6Summe s;
    if (r.istNull()) return s;
    const std::uint64_t feld = real6intern::bruchfeld(r.bytes.data());
    s.mantisse_ = (feld & (real6intern::kFuehrend - 1)) | real6intern::kFuehrend;
    s.exponent_ = r.bytes[0];
    s.negativ_ = (feld & real6intern::kFuehrend) != 0;
    return s;
}

long double Real6Summe::wert() const {
    if (mantisse_ == 0) return 0.0L;
    Real6 r;
    r.bytes[0] = static_cast<std::uint8_t>(exponent_);
    const std::uint64_t feld =
        (mantisse_ & (real6intern::kFuehrend - 1)) | (negativ_ ? real6intern::kFuehrend : 0);
    for (std::size_t i = 0; i < 5; ++i)
        r.bytes[1 + i] = static_cast<std::uint8_t>(feld >> (8 * i));
    return r.wert();
}

void Real6Summe::ueberGleitkomma(const std::uint8_t* betrag6, bool abziehen) {
    const long double betrag = Real6::wertAus(betrag6);
    const long double neu = durchReal6(abziehen ? wert() - betrag : wert() + betrag);
    *this = aus(neu);
}

} // namespace zalvor
