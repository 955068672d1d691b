// The club database of a command's booking file, opened for reading or writing.
#pragma once

#include "cli/common/befehl.h"
#include "core/database/datenbank.h"

#include <optional>

namespace zalvor::cli {

// Nothing after the database's refusal was printed (a newer program's or a damaged file).
std::optional<Datenbank> vereinsdatenbank(Kontext& k, bool schreiben);

// A refusal of the engine (Windows form) on standard error; the command's status.
int abgewiesen(Kontext& k, const std::string& meldung);

// "JJJJ-MM-TT" of an option; a usage error otherwise.
Datum datumOption(const std::string& text, const std::string& option);

} // namespace zalvor::cli
