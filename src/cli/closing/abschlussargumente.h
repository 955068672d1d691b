// The closing named by "DATEI [--monat M] [--umrechnen]", shared by abschluss and drucken.
#pragma once

#include "cli/common/befehl.h"
#include "core/closing/abschlussrechnung.h"

#include <optional>

namespace zalvor::cli {

// The parameters of "--monat M" (0 without it) and "--umrechnen"; nullopt when the month was
// not one (its message is shown).
std::optional<AbschlussParameter> abschlussParameter(const std::optional<std::string>& monatText,
                                                     bool umrechnen, Person& person);

// Reads the options (and DATEI when `datei` is not given), loads the file under the closing's
// command rule and computes the closing. nullopt when the month was not one (its message is shown,
// exit 1); a conversion where the year knows no second currency is wrong usage.
std::optional<Abschluss> abschlussAusArgumenten(Kontext& k, std::optional<std::string> datei = {});

} // namespace zalvor::cli
