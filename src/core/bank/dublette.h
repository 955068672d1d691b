// The key by which a line already imported into a booking file is known again.
#pragma once

#include "core/bank/kontoauszug.h"

#include <string>
#include <vector>

namespace zalvor::bank {

// The bank's reference (with the line's part number for a detail of a batch that shares
// its entry's reference); without one, date, amount, direction, other party and the text
// the booking gets (the remittance text, else the additional entry information).
std::string dublettenSchluessel(const Auszugszeile& z);

// The keys of every line of a statement; a key met again in the same statement gets "#2",
// "#3", ..., so that two equal payments of one day are both booked once, and the statement
// read again gives the same keys.
std::vector<std::string> dublettenSchluessel(const Kontoauszug& a);

} // namespace zalvor::bank
