// Encoding and decoding of the code word.
#include "core/protection/codewort.h"

namespace zalvor {

namespace {

// The shift of position k (from 1) in a word of n characters.
int verschiebung(std::size_t k, std::size_t n) {
    const int pos = static_cast<int>(k);
    if ((n - k) % 3 == 0) return pos - 1;
    if (k % 2 == 0) return pos + 1;
    return 2 - pos;
}

std::string verschieben(const std::string& text, int richtung) {
    std::string out = text;
    const std::size_t n = text.size();
    for (std::size_t k = 1; k <= n; ++k) {
        const auto byte = static_cast<unsigned char>(text[k - 1]);
        out[k - 1] = static_cast<char>((byte + richtung * verschiebung(k, n)) & 0xFF);
    }
    return out;
}

} // namespace

std::string codewortKodieren(const std::string& klartext) {
    return verschieben(klartext, 1);
}

std::string codewortDekodieren(const std::string& gespeichert) {
    return verschieben(gespeichert, -1);
}

bool alsZeileSpeicherbar(const std::string& gespeichert) {
    return gespeichert.find_first_of("\r\n") == std::string::npos;
}

} // namespace zalvor
