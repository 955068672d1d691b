// Shared option readers of the member commands.
#pragma once

#include "cli/common/befehl.h"
#include "core/members/mitgliederliste.h"

#include <cstdint>
#include <string>
#include <utility>

namespace zalvor::cli {

// A whole decimal number within [von, bis]; otherwise a usage error naming the option.
int zahlOption(const std::string& text, int von, int bis, const std::string& option);
// "N=WERT" with N in [1, bis]; the value converted to the engine's Windows form.
std::pair<int, std::string> nummerWert(const std::string& text, int bis, const std::string& option);
// The columns of --spalten: frei1..frei5, beschreibung, betrag, separated by commas.
Spaltenwahl spaltenwahlLesen(const std::string& text);

} // namespace zalvor::cli
