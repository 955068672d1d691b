// Booking file arguments of the CLI commands: name rules and the one opening sequence.
#pragma once

#include "cli/common/befehl.h"
#include "core/files/oeffnen.h"

#include <string>

namespace zalvor::cli {

// Sets base name and year of the active file from a name like "Verein.26" (without ".JJ"
// the calendar year). Refused names print their message and throw BefehlAbgebrochen.
// With `mussExistieren`, a missing booking file is a usage error.
void dateiArgument(Kontext& k, const std::string& name, bool mussExistieren = true);

// Opens the file through the engine's opening sequence (index check, definitions, members,
// rates, plan values, code word), as every command that works on a booking file does; then
// the command's rules are checked (read-only mode refuses a command that writes).
// A command whose rule says it writes first takes the club's lock for its whole length; a
// club locked by another program ends it (message, BefehlAbgebrochen).
void dateiLaden(Kontext& k, const std::string& name, std::string_view befehlsId = {},
                const OeffnenOptionen& optionen = {});
// The same for a command that writes although its rule allows reading only (a change made
// through the display command).
void dateiZumSchreibenLaden(Kontext& k, const std::string& name, std::string_view befehlsId);

} // namespace zalvor::cli
