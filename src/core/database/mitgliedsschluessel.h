// How the club database names a member. The member file has no member id: records are
// addressed by position and kept sorted by name, so a position changes whenever a member is
// added, renamed or removed. The key is what the program can keep up to date instead: last
// and first name in their stored DOS bytes and the occurrence among members of equal name.
#pragma once

#include "core/members/mitglied.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace zalvor {

struct Mitgliedsschluessel {
    std::string nachname; // DOS bytes, as stored
    std::string vorname;
    int vorkommen = 0; // 0 for the first of equal names in file order
    friend bool operator==(const Mitgliedsschluessel&, const Mitgliedsschluessel&) = default;
};

// The key of record `nummer` of the register `kartei` (in file order).
Mitgliedsschluessel mitgliedsschluessel(std::span<const TMitglied> kartei, std::size_t nummer);
// The record the key names, if the register has it.
std::optional<std::size_t> mitgliedsnummer(std::span<const TMitglied> kartei,
                                           const Mitgliedsschluessel& schluessel);

} // namespace zalvor
