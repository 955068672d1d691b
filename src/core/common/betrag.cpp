// Amount texts and number texts, independent of the process locale.
#include "core/common/betrag.h"

#include "core/common/real6.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

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

namespace {

__extension__ using Gross = unsigned __int128;

// Every amount of a list or closing is shown through here, so the extended format's value
// m * 2^e is rounded to the places in integers: exactly, halves to even, as to_chars does
// it. Nullopt where it does not reach (other formats, huge or tiny values, over 6 places).
std::optional<std::string> festkommaGanzzahlig(long double wert, int nachkommastellen) {
    if constexpr (!real6intern::kErweitert) return std::nullopt;
    if (nachkommastellen < 0 || nachkommastellen > 6) return std::nullopt;
    std::uint64_t m = 0;
    std::uint16_t vorzeichenExponent = 0;
    std::memcpy(&m, &wert, 8);
    std::memcpy(&vorzeichenExponent, reinterpret_cast<const unsigned char*>(&wert) + 8, 2);
    const int e = static_cast<int>(vorzeichenExponent & 0x7FFF);
    if (e == 0 || e == 0x7FFF || (m >> 63) == 0) return std::nullopt;
    // The value is m * 2^-verschiebung.
    const int verschiebung = 16383 + 63 - e;
    if (verschiebung < 0 || verschiebung > 120) return std::nullopt;
    Gross skaliert = m;
    for (int i = 0; i < nachkommastellen; ++i)
        skaliert *= 10;
    Gross q = skaliert >> verschiebung;
    if (verschiebung > 0) {
        const Gross eins = 1;
        const Gross rest = skaliert & ((eins << verschiebung) - 1);
        const Gross haelfte = eins << (verschiebung - 1);
        if (rest > haelfte || (rest == haelfte && (q & 1) != 0)) ++q;
    }
    if ((q >> 64) != 0) return std::nullopt;
    auto ziffern = static_cast<std::uint64_t>(q);
    char puffer[32];
    char* ende = puffer + sizeof puffer;
    char* p = ende;
    for (int i = 0; i < nachkommastellen; ++i, ziffern /= 10)
        *--p = static_cast<char>('0' + ziffern % 10);
    if (nachkommastellen > 0) *--p = '.';
    do {
        *--p = static_cast<char>('0' + ziffern % 10);
        ziffern /= 10;
    } while (ziffern != 0);
    // A negative value that rounds to zero shows without its sign.
    if ((vorzeichenExponent & 0x8000) != 0 && q != 0) *--p = '-';
    return std::string(p, ende);
}

} // namespace

std::string festkomma(long double wert, int nachkommastellen) {
    if (wert == 0.0L) wert = 0.0L; // no "-0.00"
    if (auto schnell = festkommaGanzzahlig(wert, nachkommastellen)) return *std::move(schnell);
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
