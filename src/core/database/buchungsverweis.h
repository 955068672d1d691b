// The link from a row of the club database to a booking. Record numbers change with every
// reorganisation (it drops deleted records), so the link holds what a reorganisation keeps:
// the booking file's year and the booking's 70 record bytes.
#pragma once

#include "core/files/buchung.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zalvor {

struct Buchungsverweis {
    std::string jahr; // the two-digit year of the booking file it was booked in
    std::array<std::uint8_t, TBuchung::kGroesse> satz{};
    friend bool operator==(const Buchungsverweis&, const Buchungsverweis&) = default;
};

Buchungsverweis buchungsverweis(std::string jahr, const TBuchung& b);

// The record numbers of the links' bookings in `saetze`, the records of the booking file of
// year `jahr` in file order. A link finds the record with its exact bytes, else one whose
// fields a later change keeps agree (booking number, day, month, amount, direction,
// accounts, text); each record answers one link at most, the earliest first; a deleted
// record and a link of another year find none.
std::vector<std::optional<std::size_t>> verweiseFinden(std::span<const Buchungsverweis> verweise,
                                                       const std::string& jahr,
                                                       std::span<const TBuchung> saetze);

} // namespace zalvor
