// Automatic bookings of the due templates, run after a booking file was opened with
// "Ö&ffnen..." and after the next year's file was made.
#pragma once

#include "core/files/sitzung.h"

namespace zalvor {

// Books every due month of every repeating template into the open file when it is the file
// of the current calendar year, writing each template's new code back before its booking;
// tells the person and refills the table when anything was booked. Returns the number of
// bookings made.
int automatischeBuchungen(Sitzung& s);

} // namespace zalvor
