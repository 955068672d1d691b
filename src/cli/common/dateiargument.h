// Booking file arguments of the CLI commands: the one opening sequence of the engine.
#pragma once

#include "cli/common/befehl.h"
#include "core/common/befehlsregeln.h"
#include "core/files/oeffnen.h"

#include <memory>
#include <optional>
#include <string>

namespace zalvor::cli {

// Opens the file through the engine's opening sequence (index check, definitions, members,
// rates, plan values, code word), as every command that works on a booking file does. The
// command's rule (the command table's, or `regel` for a variant such as a change) says how:
// a writing command takes the club's lock before anything is read and keeps it to its end
// (a club locked by another program ends it: message, BefehlAbgebrochen); afterwards the
// rule is checked (read-only mode refuses a command that writes).
void dateiLaden(Kontext& k, const std::string& name, std::optional<Befehlsart> regel = {},
                const OeffnenOptionen& optionen = {});

// A session of its own for a club the command makes, whose questions `person` answers: the
// command's clock, Euro label and year, the default date of a fresh start.
std::unique_ptr<Sitzung> sitzungFuerNeueDatei(Kontext& k, Person& person);

} // namespace zalvor::cli
