// Transliteration into the SEPA set: a table of base letters for U+00C0-U+017F, and the
// letters that become two or lie outside the table.
#include "core/sepa/sepazeichen.h"

#include "core/common/zeichensatz.h"

#include <array>
#include <cstdint>
#include <utility>

namespace zalvor::sepa {

namespace {

// U+00C0-U+017F, one base letter each; a blank for the two signs × and ÷ among them.
constexpr std::string_view kBasisbuchstaben = "AAAAAAACEEEEIIIIDNOOOOO OUUUUYTs"
                                              "aaaaaaaceeeeiiiidnooooo ouuuuyty"
                                              "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGg"
                                              "GgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlL"
                                              "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSs"
                                              "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr char32_t kTabellenAnfang = 0xC0;
static_assert(kBasisbuchstaben.size() == 0x180 - kTabellenAnfang);

constexpr std::array<std::pair<char32_t, std::string_view>, 20> kSonderfaelle{{
    {0xC4, "Ae"},  {0xD6, "Oe"}, {0xDC, "Ue"},   {0xE4, "ae"},  {0xF6, "oe"},
    {0xFC, "ue"},  {0xDF, "ss"}, {0x1E9E, "SS"}, {0xC6, "AE"},  {0xE6, "ae"},
    {0xDE, "TH"},  {0xFE, "th"}, {0x132, "IJ"},  {0x133, "ij"}, {0x152, "OE"},
    {0x153, "oe"}, {0x218, "S"}, {0x219, "s"},   {0x21A, "T"},  {0x21B, "t"},
}};

constexpr char32_t kKeinZeichen = 0xFFFFFFFF;

bool imSepaSatz(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return c == '/' || c == '-' || c == '?' || c == ':' || c == '(' || c == ')' || c == '.' ||
           c == ',' || c == '\'' || c == '+' || c == ' ';
}

bool kombinierendesZeichen(char32_t c) {
    return c >= 0x300 && c <= 0x36F;
}

// The next code point from UTF-8; kKeinZeichen (one byte consumed) for a malformed sequence,
// an overlong form, a surrogate or a value beyond U+10FFFF.
char32_t naechstesZeichen(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t folge = 0;
    char32_t c = 0;
    char32_t kleinster = 0;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        folge = 1, c = b0 & 0x1F, kleinster = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        folge = 2, c = b0 & 0x0F, kleinster = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        folge = 3, c = b0 & 0x07, kleinster = 0x10000;
    } else {
        ++pos;
        return kKeinZeichen;
    }
    if (pos + folge >= s.size()) {
        ++pos;
        return kKeinZeichen;
    }
    for (std::size_t i = 1; i <= folge; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kKeinZeichen;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < kleinster || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kKeinZeichen;
    }
    pos += folge + 1;
    return c;
}

void anhaengen(std::string& aus, char32_t c) {
    if (imSepaSatz(c)) {
        aus += static_cast<char>(c);
        return;
    }
    for (const auto& [zeichen, ersatz] : kSonderfaelle) {
        if (zeichen == c) {
            aus += ersatz;
            return;
        }
    }
    if (c >= kTabellenAnfang && c < kTabellenAnfang + kBasisbuchstaben.size()) {
        aus += kBasisbuchstaben[c - kTabellenAnfang];
        return;
    }
    aus += ' ';
}

} // namespace

std::string sepaText(std::string_view utf8, std::size_t hoechstens) {
    std::string aus;
    aus.reserve(utf8.size());
    // Whether the last character out is a plain a, o or u that a combining diaeresis turns
    // into an umlaut.
    bool umlautBasis = false;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = naechstesZeichen(utf8, pos);
        if (kombinierendesZeichen(c)) {
            if (c == 0x308 && umlautBasis) aus += 'e';
            umlautBasis = false;
            continue;
        }
        const bool einfach = c < 0x80;
        anhaengen(aus, c);
        umlautBasis = einfach && std::string_view("aouAOU").find(static_cast<char>(c)) !=
                                     std::string_view::npos;
    }
    const auto anfang = aus.find_first_not_of(' ');
    if (anfang == std::string::npos) return {};
    aus = aus.substr(anfang, hoechstens);
    aus.erase(aus.find_last_not_of(' ') + 1);
    return aus;
}

bool sepaKennungGueltig(std::string_view text) {
    if (text.empty() || text.size() > kSepaKennungLaenge) return false;
    for (char c : text)
        if (c == ' ' || !imSepaSatz(static_cast<unsigned char>(c))) return false;
    return text.front() != '/' && text.back() != '/' && text.find("//") == std::string_view::npos;
}

std::string ungueltigeMandatsreferenzText() {
    return A("Ungültige Mandatsreferenz!");
}

} // namespace zalvor::sepa
