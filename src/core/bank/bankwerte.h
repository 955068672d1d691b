// Small readers shared by the statement formats: amounts in cents, dates, texts.
#pragma once

#include "core/common/uhr.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zalvor::bank {

// An amount as a bank writes it: optional sign ("-" or "+" in front, "-" behind), digits,
// optionally `dezimal` and digits; `tausender` (when not 0) may stand between digit groups.
// Digits past the second decimal must be 0. At most 15 digits before the decimal mark.
std::optional<std::int64_t> centLesen(std::string_view text, char dezimal, char tausender = 0);

// "JJJJ-MM-TT" (a time after it, as in "2026-01-31T10:00:00", is ignored).
std::optional<Datum> isoDatum(std::string_view text);
bool gueltigesDatum(const Datum& d);

// Runs of blanks, tabs and line breaks become one blank; none at either end.
std::string leerraumBereinigen(std::string_view text);

bool gueltigesUtf8(std::string_view text);

// A Windows-1252 text, or a UTF-8 text that is valid as such, as UTF-8.
std::string alsUtf8(std::string_view text);

// A text of the file (UTF-8, or bytes that are not) in the engine's Windows form, for messages.
std::string fensterText(std::string_view text);
// The same in double quotes.
std::string zitat(std::string_view text);

// Upper case of ASCII letters.
std::string grossbuchstaben(std::string_view text);

} // namespace zalvor::bank
