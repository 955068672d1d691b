// The repetition rules: the code the repetition dialog stores, and which bookings a code
// makes due when the current year's file is opened.
#pragma once

#include "core/common/uhr.h"
#include "core/templates/schablone.h"

#include <cstdint>
#include <vector>

namespace zalvor {

// Code of the month after `monat` (December: 15 in an odd year, 1 in an even year).
std::uint8_t folgemonatsCode(int monat, bool gerade);

// The code stored when the person chooses `wahl` for a template of day `tag` and month
// `monat` on the day `heute`.
std::uint8_t wiederholungsCode(Wiederholung wahl, int tag, int monat, const Datum& heute);

// One due booking: the month it is booked for and the code that says it has been made.
struct Faelligkeit {
    int monat;
    std::uint8_t neuerCode;
    friend bool operator==(const Faelligkeit&, const Faelligkeit&) = default;
};

// The bookings due on `heute` for a template with this code, day and month, in the order
// they are made. The code after the last one is the template's new code; each one's code
// counts every month up to and including its own as booked, so that a failure between two
// bookings leaves the template due from the month not yet booked.
std::vector<Faelligkeit> faelligkeiten(std::uint8_t code, int tag, int monat, const Datum& heute);

} // namespace zalvor
