// The members of the demo club.
#pragma once

#include "core/files/sitzung.h"

namespace zalvor::cli {

// About 25 members with three further rates, the settings, and the contributions of those
// who paid, booked as the dialog books them.
void demoMitgliederAnlegen(Sitzung& s);

} // namespace zalvor::cli
