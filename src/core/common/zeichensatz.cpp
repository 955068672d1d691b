// Character set tables and conversions.
#include "core/common/zeichensatz.h"

#include <array>
#include <cstdint>
#include <utility>

namespace zalvor {

namespace {

constexpr std::array<std::pair<unsigned char, unsigned char>, 15> kDosWindows{{
    {0x81, 0xFC},
    {0x82, 0xE9},
    {0x83, 0xE2},
    {0x84, 0xE4},
    {0x85, 0xE0},
    {0x87, 0xE7},
    {0x88, 0xEA},
    {0x89, 0xEB},
    {0x8A, 0xE8},
    {0x8E, 0xC4},
    {0x94, 0xF6},
    {0x99, 0xD6},
    {0x9A, 0xDC},
    {0xA0, 0xE1},
    {0xE1, 0xDF},
}};

struct Tabellen {
    std::array<unsigned char, 256> nachAnsi{};
    std::array<unsigned char, 256> nachOem{};
    Tabellen() {
        for (int i = 0; i < 256; ++i) {
            nachAnsi[i] = static_cast<unsigned char>(i);
            nachOem[i] = static_cast<unsigned char>(i);
        }
        for (auto [dos, win] : kDosWindows) {
            nachAnsi[dos] = win;
            nachOem[win] = dos;
        }
    }
};

const Tabellen& tabellen() {
    static const Tabellen t;
    return t;
}

std::string abbilden(std::string_view text, const std::array<unsigned char, 256>& tab) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(tab[static_cast<unsigned char>(c)]);
    return out;
}

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five unused bytes.
constexpr std::array<char16_t, 32> kCp1252Hoch{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void utf8Anhaengen(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ansiAusCodepunkt(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kCp1252Hoch.size(); ++i)
        if (kCp1252Hoch[i] != 0 && kCp1252Hoch[i] == cp) return static_cast<char>(0x80 + i);
    // The unused bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D round-trip through their C1 code points.
    if (cp >= 0x80 && cp <= 0x9F && kCp1252Hoch[cp - 0x80] == 0) return static_cast<char>(cp);
    return '?';
}

} // namespace

std::string OemNachAnsi(std::string_view dos) {
    return abbilden(dos, tabellen().nachAnsi);
}
std::string AnsiNachOem(std::string_view windows) {
    return abbilden(windows, tabellen().nachOem);
}

std::string ansiNachUtf8(std::string_view windows) {
    std::string out;
    out.reserve(windows.size() + windows.size() / 4);
    for (char c : windows) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kCp1252Hoch[b - 0x80] != 0)
            utf8Anhaengen(out, kCp1252Hoch[b - 0x80]);
        else
            utf8Anhaengen(out, b);
    }
    return out;
}

std::string utf8NachAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t laenge = 1;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            laenge = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            laenge = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            laenge = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        if (i + laenge > utf8.size()) {
            out += '?';
            break;
        }
        bool gueltig = true;
        for (std::size_t k = 1; k < laenge; ++k) {
            auto f = static_cast<unsigned char>(utf8[i + k]);
            if ((f & 0xC0) != 0x80) {
                gueltig = false;
                break;
            }
            cp = (cp << 6) | (f & 0x3F);
        }
        if (!gueltig) {
            out += '?';
            ++i;
            continue;
        }
        out += ansiAusCodepunkt(cp);
        i += laenge;
    }
    return out;
}

} // namespace zalvor
