// Small readers shared by the statement formats.
#include "core/bank/bankwerte.h"

#include "core/common/zeichensatz.h"

namespace zalvor::bank {

namespace {

bool ziffer(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int64_t> centLesen(std::string_view text, char dezimal, char tausender) {
    bool negativ = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negativ = text.front() == '-';
        text.remove_prefix(1);
    } else if (!text.empty() && text.back() == '-') {
        negativ = true;
        text.remove_suffix(1);
    }
    std::int64_t ganz = 0;
    int stellen = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != dezimal; ++i) {
        const char c = text[i];
        if (tausender != 0 && c == tausender) {
            // Only between digits, and never twice in a row.
            if (stellen == 0 || i + 1 >= text.size() || !ziffer(text[i + 1])) return std::nullopt;
            continue;
        }
        if (!ziffer(c) || ++stellen > 15) return std::nullopt;
        ganz = ganz * 10 + (c - '0');
    }
    std::int64_t bruch = 0;
    int nachkomma = 0;
    if (i < text.size()) {
        for (++i; i < text.size(); ++i) {
            const char c = text[i];
            if (!ziffer(c)) return std::nullopt;
            if (nachkomma >= 2 && c != '0') return std::nullopt;
            if (nachkomma < 2) bruch = bruch * 10 + (c - '0');
            ++nachkomma;
        }
        if (nachkomma == 0 && stellen == 0) return std::nullopt;
    }
    if (stellen == 0 && nachkomma == 0) return std::nullopt;
    if (nachkomma == 1) bruch *= 10;
    const std::int64_t cent = ganz * 100 + bruch;
    return negativ ? -cent : cent;
}

bool gueltigesDatum(const Datum& d) {
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.jahr < 1900 || d.jahr > 2200 || d.monat < 1 || d.monat > 12 || d.tag < 1) return false;
    const bool schalt = (d.jahr % 4 == 0 && d.jahr % 100 != 0) || d.jahr % 400 == 0;
    return d.tag <= kTage[d.monat - 1] + (d.monat == 2 && schalt ? 1 : 0);
}

std::optional<Datum> isoDatum(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    if (text.size() > 10 && text[10] != 'T') return std::nullopt;
    auto zahl = [&](std::size_t von, std::size_t n) -> std::optional<int> {
        int wert = 0;
        for (std::size_t k = von; k < von + n; ++k) {
            if (!ziffer(text[k])) return std::nullopt;
            wert = wert * 10 + (text[k] - '0');
        }
        return wert;
    };
    const auto j = zahl(0, 4), m = zahl(5, 2), t = zahl(8, 2);
    if (!j || !m || !t) return std::nullopt;
    const Datum d{*j, *m, *t};
    if (!gueltigesDatum(d)) return std::nullopt;
    return d;
}

std::string leerraumBereinigen(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    bool luecke = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            luecke = true;
            continue;
        }
        if (luecke && !aus.empty()) aus += ' ';
        luecke = false;
        aus += c;
    }
    return aus;
}

bool gueltigesUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            n = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            n = 2;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 3;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + n >= text.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto f = static_cast<unsigned char>(text[i + k]);
            if ((f & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (f & 0x3F);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

std::string alsUtf8(std::string_view text) {
    return gueltigesUtf8(text) ? std::string(text) : ansiNachUtf8(text);
}

std::string fensterText(std::string_view text) {
    return gueltigesUtf8(text) ? utf8NachAnsi(text) : std::string(text);
}

std::string zitat(std::string_view text) {
    return "\"" + fensterText(text) + "\"";
}

std::string grossbuchstaben(std::string_view text) {
    std::string aus(text);
    for (char& c : aus)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return aus;
}

} // namespace zalvor::bank
