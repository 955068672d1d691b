// The month question TWAskMonat of the monthly closings.
#pragma once

#include "core/common/person.h"

#include <functional>
#include <optional>
#include <string>

namespace zalvor {

// The month of a typed text (a whole number 1..12), or nullopt.
std::optional<int> monatLesen(const std::string& text);

// Asks through `fragen` (caption "Monatsabschluß", "&Monat:", "1" proposed) until a month is
// typed; an invalid text is reported in the program's message box and asked again.
// "&Abbruch" (nullopt from `fragen`) makes no closing: nullopt.
std::optional<int> monatErfragen(Person& person,
                                 const std::function<std::optional<std::string>()>& fragen);

// The message for an invalid entry.
void monatFehlerMelden(Person& person, const std::string& text);

} // namespace zalvor
