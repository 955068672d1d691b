// How values of the engine are stored in the club database's columns: dates as ISO text,
// IBANs in their electronic form, lengths counted in characters.
#pragma once

#include "core/common/uhr.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zalvor {

// "JJJJ-MM-TT".
std::string datumText(const Datum& d);
// The date of "JJJJ-MM-TT"; nullopt for any other text.
std::optional<Datum> datumAus(std::string_view text);

// An IBAN, BIC or creditor id in its electronic form: blanks removed, letters in upper case
// ("de89 3704 ..." -> "DE893704...").
std::string kennungNormal(std::string_view iban);
// The form of a normalised IBAN or creditor id: country letters, two check digits, then
// letters or digits, `min` to `max` characters in all. The check digits themselves are the
// caller's to check.
bool kennungGestalt(std::string_view kennung, std::size_t min, std::size_t max);
inline bool ibanGestalt(std::string_view iban) {
    return kennungGestalt(iban, 15, 34);
}

// Characters of a UTF-8 text (SQLite's length()).
std::size_t zeichenZahl(std::string_view utf8);

} // namespace zalvor
