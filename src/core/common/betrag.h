// Typed amounts: reading (BetragLesen), showing (BetragText) and locale-free number texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zalvor {

// Reads a typed amount after the caller replaced "," by ".": a whole decimal number as a
// standard floating-point reader takes it, at most two characters after the first ".".
// The result is already stored through Real6 (throws UeberlaufFehler when too large).
std::optional<long double> BetragLesen(std::string_view text);

// Fixed-point, two decimals, "." as decimal point, blanks on the left up to the width.
std::string BetragText(long double wert, int breite);

// Fixed-point with the given number of decimals, "." as decimal point, no padding.
std::string festkomma(long double wert, int nachkommastellen);

// Whole text read as a number the way a standard floating-point reader does (leading blanks,
// sign, digits, point, exponent); anything left over fails.
std::optional<long double> zahlLesen(std::string_view text);

// Whole text read as a decimal integer (optional sign, digits, nothing else).
std::optional<long> ganzzahlLesen(std::string_view text);

// Replaces every "," by ".".
std::string kommaZuPunkt(std::string_view text);

} // namespace zalvor
