// TARGET2 business days: the days on which the euro payment system settles, and the earliest
// requested collection date a direct debit may carry.
#pragma once

#include "core/common/uhr.h"

namespace zalvor::sepa {

// A real day of the Gregorian calendar in the years 1-9999 (no 30 February, months 1-12).
bool gueltigesDatum(const Datum& d);

// Easter Sunday of a Gregorian year.
Datum osterSonntag(int jahr);

// Every day but Saturday, Sunday, 1 January, Good Friday, Easter Monday, 1 May, 25 and
// 26 December.
bool istTarget2Tag(const Datum& d);

// The first TARGET2 business day after d (d itself never counts).
Datum naechsterTarget2Tag(const Datum& d);

// A file handed to the bank today is taken in on the first business day from today on; the
// collection must be at least one business day after that. So on a Saturday the earliest date
// is Tuesday, not Monday. False for a day that does not exist.
bool faelligkeitZulaessig(const Datum& faellig, const Datum& heute);

// The earliest date faelligkeitZulaessig accepts.
Datum fruehesteFaelligkeit(const Datum& heute);

} // namespace zalvor::sepa
