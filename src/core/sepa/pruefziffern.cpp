// ISO 7064 MOD 97-10 over letters and digits, and the per-country lengths of the IBAN.
#include "core/sepa/pruefziffern.h"

#include "core/common/zeichensatz.h"

#include <array>
#include <utility>

namespace zalvor::sepa {

namespace {

// The countries and territories with their own IBAN code in the SEPA schemes, and the length
// of their IBAN.
constexpr std::array<std::pair<std::string_view, std::size_t>, 41> kIbanLaengen{{
    {"AD", 24}, {"AL", 28}, {"AT", 20}, {"BE", 16}, {"BG", 22}, {"CH", 21}, {"CY", 28},
    {"CZ", 24}, {"DE", 22}, {"DK", 18}, {"EE", 20}, {"ES", 24}, {"FI", 18}, {"FR", 27},
    {"GB", 22}, {"GI", 23}, {"GR", 27}, {"HR", 21}, {"HU", 28}, {"IE", 22}, {"IS", 26},
    {"IT", 27}, {"LI", 21}, {"LT", 20}, {"LU", 20}, {"LV", 21}, {"MC", 27}, {"MD", 24},
    {"ME", 22}, {"MK", 19}, {"MT", 31}, {"NL", 18}, {"NO", 15}, {"PL", 28}, {"PT", 25},
    {"RO", 24}, {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"VA", 22},
}};

std::optional<std::size_t> ibanLaenge(std::string_view land) {
    for (const auto& [code, laenge] : kIbanLaengen)
        if (code == land) return laenge;
    return std::nullopt;
}

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}
bool istBuchstabe(char c) {
    return c >= 'A' && c <= 'Z';
}
bool istAlnum(char c) {
    return istZiffer(c) || istBuchstabe(c);
}

// Blanks out, letters up; nothing for any other character than a letter or digit.
std::optional<std::string> normalisiert(std::string_view eingabe) {
    std::string s;
    for (char c : eingabe) {
        if (c == ' ') continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!istAlnum(c)) return std::nullopt;
        s += c;
    }
    return s;
}

// The remainder modulo 97 of the number the text stands for, each letter read as 10-35.
int rest97(std::string_view text) {
    int rest = 0;
    for (char c : text) {
        if (istZiffer(c)) {
            rest = (rest * 10 + (c - '0')) % 97;
        } else {
            rest = (rest * 100 + (c - 'A' + 10)) % 97;
        }
    }
    return rest;
}

// The two check digits at positions 3-4 over the rest of the id. 00, 01 and 99 leave the
// same remainder as 97, 98 and 02 but are never issued.
bool pruefzifferStimmt(std::string_view id, std::string_view geprueft) {
    if (!istZiffer(id[2]) || !istZiffer(id[3])) return false;
    const int ziffern = (id[2] - '0') * 10 + (id[3] - '0');
    if (ziffern < 2 || ziffern > 98) return false;
    return rest97(std::string(geprueft) + std::string(id.substr(0, 4))) == 1;
}

bool landcode(std::string_view s) {
    return istBuchstabe(s[0]) && istBuchstabe(s[1]);
}

} // namespace

std::optional<std::string> ibanPruefen(std::string_view eingabe) {
    auto iban = normalisiert(eingabe);
    if (!iban || iban->size() < 5 || !landcode(*iban)) return std::nullopt;
    const auto laenge = ibanLaenge(std::string_view(*iban).substr(0, 2));
    if (!laenge || iban->size() != *laenge) return std::nullopt;
    if (!pruefzifferStimmt(*iban, std::string_view(*iban).substr(4))) return std::nullopt;
    return iban;
}

std::optional<std::string> glaeubigerIdPruefen(std::string_view eingabe) {
    auto id = normalisiert(eingabe);
    if (!id || id->size() < 8 || id->size() > 35 || !landcode(*id)) return std::nullopt;
    const std::string_view land = std::string_view(*id).substr(0, 2);
    if (!ibanLaenge(land) || (land == "DE" && id->size() != 18)) return std::nullopt;
    if (!pruefzifferStimmt(*id, std::string_view(*id).substr(7))) return std::nullopt;
    return id;
}

std::optional<std::string> bicPruefen(std::string_view eingabe) {
    auto bic = normalisiert(eingabe);
    if (!bic || (bic->size() != 8 && bic->size() != 11)) return std::nullopt;
    if (!landcode(std::string_view(*bic).substr(4))) return std::nullopt;
    return bic;
}

std::string ungueltigeIbanText() {
    return A("Ungültige IBAN!");
}
std::string ungueltigeGlaeubigerIdText() {
    return A("Ungültige Gläubiger-ID!");
}
std::string ungueltigeBicText() {
    return A("Ungültige BIC!");
}

} // namespace zalvor::sepa
