// Amount texts and number texts, independent of the process locale.
#include "core/common/betrag.h"

#include "core/common/real6.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zalvor {

std::optional<long double> zahlLesen(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string_view rest = text.substr(i);
    if (rest.empty()) return std::nullopt;
    bool negativ = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negativ = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty() || rest.front() == '+' || rest.front() == '-') return std::nullopt;
    // from_chars accepts neither a leading sign "+" nor blanks, and reads "inf"/"nan", which a
    // typed amount must not be.
    if (!std::isdigit(static_cast<unsigned char>(rest.front())) && rest.front() != '.')
        return std::nullopt;
    long double wert = 0;
    auto [ende, fehler] =
        std::from_chars(rest.data(), rest.data() + rest.size(), wert, std::chars_format::general);
    if (fehler == std::errc::result_out_of_range) {
        // Too large or too small for the working precision: let the store decide.
        wert = std::strtold(std::string(rest).c_str(), nullptr);
    } else if (fehler != std::errc()) {
        return std::nullopt;
    }
    if (ende != rest.data() + rest.size()) return std::nullopt;
    return negativ ? -wert : wert;
}

std::optional<long double> BetragLesen(std::string_view text) {
    auto wert = zahlLesen(text);
    if (!wert) return std::nullopt;
    auto punkt = text.find('.');
    if (punkt != std::string_view::npos && text.size() - punkt - 1 > 2) return std::nullopt;
    return durchReal6(*wert);
}

std::string festkomma(long double wert, int nachkommastellen) {
    if (wert == 0.0L) wert = 0.0L; // no "-0.00"
    std::array<char, 128> puffer{};
    auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                        std::chars_format::fixed, nachkommastellen);
    if (fehler != std::errc()) return "?";
    std::string s(puffer.data(), ende);
    // A negative value that rounds to zero shows without its sign.
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string BetragText(long double wert, int breite) {
    std::string s = festkomma(wert, 2);
    if (static_cast<int>(s.size()) < breite)
        s.insert(0, static_cast<std::size_t>(breite) - s.size(), ' ');
    return s;
}

std::optional<long> ganzzahlLesen(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t i = 0;
    bool negativ = false;
    if (text[0] == '+' || text[0] == '-') {
        negativ = text[0] == '-';
        i = 1;
    }
    // from_chars takes a sign of its own: after ours only digits may follow.
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long wert = 0;
    auto [ende, fehler] = std::from_chars(text.data() + i, text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size()) return std::nullopt;
    return negativ ? -wert : wert;
}

std::string kommaZuPunkt(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

} // namespace zalvor
