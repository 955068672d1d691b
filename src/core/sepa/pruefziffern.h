// Identifiers of SEPA payments: the IBAN (ISO 13616), the creditor identifier and the BIC.
// Each check takes what a person types (blanks, lower case) and gives the stored form: upper
// case without blanks, or nothing when the value is refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zalvor::sepa {

// Country code, two check digits, the national account number (BBAN) of the length the
// country uses; MOD 97-10 over BBAN + country + check digits must leave 1. Only the countries
// of the SEPA schemes are taken.
std::optional<std::string> ibanPruefen(std::string_view eingabe);

// The creditor identifier: country code, two check digits, three characters of business code
// and the national identifier. The check digits are MOD 97-10 over the national identifier
// and the country code; the business code is left out of the check. German ids have 18
// characters.
std::optional<std::string> glaeubigerIdPruefen(std::string_view eingabe);

// Four characters of institution (letters or digits), two letters of country, two characters
// of location, optionally three of branch: 8 or 11 in all.
std::optional<std::string> bicPruefen(std::string_view eingabe);

// The refusals, in the engine's Windows form like every text a person reads.
std::string ungueltigeIbanText();
std::string ungueltigeGlaeubigerIdText();
std::string ungueltigeBicText();

} // namespace zalvor::sepa
