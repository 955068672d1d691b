// Booking file arguments of the CLI commands: name rules of the open command.
#pragma once

#include "common/befehl.h"

#include <string>

namespace zalvor::cli {

// Sets base name and year of the active file from a name like "Verein.26" (without ".JJ"
// the calendar year). Refused names print their message and throw BefehlAbgebrochen.
// With `mussExistieren`, a missing booking file is a usage error.
void dateiArgument(Kontext& k, const std::string& name, bool mussExistieren = true);

// dateiArgument, then the definitions of the file are read (with their notices), the next
// booking number is found: what a command needs to work on an existing file without the
// full open sequence.
void dateiLaden(Kontext& k, const std::string& name);

} // namespace zalvor::cli
