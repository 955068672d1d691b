// Byte layout and order of the member record.
#include "core/members/mitglied.h"

#include <algorithm>
#include <string_view>

namespace zalvor {

namespace {

// Unsigned byte-wise comparison: umlauts in DOS form (0x84 ...) come after every plain letter.
int vergleichen(const std::string& a, const std::string& b) {
    const auto* pa = reinterpret_cast<const unsigned char*>(a.data());
    const auto* pb = reinterpret_cast<const unsigned char*>(b.data());
    const bool kleiner = std::lexicographical_compare(pa, pa + a.size(), pb, pb + b.size());
    if (kleiner) return -1;
    return a == b ? 0 : 1;
}

} // namespace

std::array<std::uint8_t, TMitglied::kGroesse> TMitglied::packen() const {
    std::array<std::uint8_t, kGroesse> b{};
    nachname.schreiben(&b[0]);
    vorname.schreiben(&b[21]);
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        frei[i].schreiben(&b[42 + 26 * i]);
    b[172] = bezahlt;
    b[173] = satz;
    return b;
}

TMitglied TMitglied::entpacken(const std::uint8_t* b) {
    TMitglied m;
    m.nachname.lesen(&b[0]);
    m.vorname.lesen(&b[21]);
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        m.frei[i].lesen(&b[42 + 26 * i]);
    m.bezahlt = b[172];
    m.satz = b[173];
    return m;
}

std::string mitgliedName(const TMitglied& m) {
    return m.nachname.text() + ", " + m.vorname.text();
}

bool sortiertVor(const TMitglied& a, const TMitglied& b) {
    const int n = vergleichen(a.nachname.text(), b.nachname.text());
    if (n != 0) return n < 0;
    return vergleichen(a.vorname.text(), b.vorname.text()) < 0;
}

bool gleicherName(const TMitglied& a, const TMitglied& b) {
    return a.nachname.text() == b.nachname.text() && a.vorname.text() == b.vorname.text();
}

} // namespace zalvor
