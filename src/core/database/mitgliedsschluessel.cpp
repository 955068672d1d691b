// Member keys from and into the register.
#include "core/database/mitgliedsschluessel.h"

namespace zalvor {

Mitgliedsschluessel mitgliedsschluessel(std::span<const TMitglied> kartei, std::size_t nummer) {
    const TMitglied& m = kartei[nummer];
    int vorher = 0;
    for (std::size_t i = 0; i < nummer; ++i)
        if (gleicherName(kartei[i], m)) ++vorher;
    return {m.nachname.text(), m.vorname.text(), vorher};
}

std::optional<std::size_t> mitgliedsnummer(std::span<const TMitglied> kartei,
                                           const Mitgliedsschluessel& s) {
    int gesehen = 0;
    for (std::size_t i = 0; i < kartei.size(); ++i) {
        if (kartei[i].nachname.text() != s.nachname || kartei[i].vorname.text() != s.vorname)
            continue;
        if (gesehen++ == s.vorkommen) return i;
    }
    return std::nullopt;
}

} // namespace zalvor
