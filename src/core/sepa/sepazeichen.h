// The character set of SEPA payments: texts transliterated into it, identifiers checked
// against it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zalvor::sepa {

inline constexpr std::size_t kSepaNamenLaenge = 70;
inline constexpr std::size_t kSepaVerwendungszweckLaenge = 140;
inline constexpr std::size_t kSepaKennungLaenge = 35;

// A UTF-8 text in the SEPA set a-z A-Z 0-9 / - ? : ( ) . , ' + and blank: umlauts and ß
// transliterated (ä -> ae, Ä -> Ae, ß -> ss), other Latin letters with accents to their base
// letter (also when the accent follows as a combining mark), every other character (and every
// byte that is no UTF-8) a blank. Blanks around the text are dropped; then the text is cut to
// at most `hoechstens` characters.
std::string sepaText(std::string_view utf8, std::size_t hoechstens);

// An identifier the bank takes (mandate reference, message, payment and end-to-end ids): 1 to
// 35 characters of A-Z a-z 0-9 + ? / - : ( ) . , ' (the set the bank schema gives the creditor
// identifier, without blank), neither beginning nor ending with "/" and without "//".
bool sepaKennungGueltig(std::string_view text);

// The refusal of a mandate reference, in the engine's Windows form.
std::string ungueltigeMandatsreferenzText();

} // namespace zalvor::sepa
