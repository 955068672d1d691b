// A refusal of the engine told to the person.
#pragma once

#include "cli/common/befehl.h"

#include <string>

namespace zalvor::cli {

// Shows a non-empty refusal as an error and says whether there was one.
bool abweisungGemeldet(Kontext& k, const std::string& meldung);

} // namespace zalvor::cli
