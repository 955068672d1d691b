// The demo club's bank: the current account's IBAN, a few assignment rules, and two
// statements of that account to import (a CAMT.053 one for March, an MT940 one for April).
#pragma once

#include "core/files/sitzung.h"

#include <string>
#include <vector>

namespace zalvor::cli {

// Written beside the club after its bookings; their balances agree with the cash book once
// both statements are imported. Returns the statements' paths.
std::vector<std::string> demoauszuegeAnlegen(Sitzung& s, const std::string& verzeichnis);

} // namespace zalvor::cli
