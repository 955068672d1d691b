// Layout of the markup label: markup translation, line breaking and block placement.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zalvor::xa {

enum class Horz { Links, Rechts, Mitte };
enum class Vert { Oben, Unten, Mitte };

struct Stil {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    friend bool operator==(const Stil&, const Stil&) = default;
};

// Text after the markup translation: switches are single characters of the private use
// area, line breaks are '\n'.
std::u32string uebersetzen(const std::u32string& text);
bool istSchalter(char32_t c);

// Width of a piece of text without switches in the given style.
using Messen = std::function<int(const std::u32string&, const Stil&)>;

struct Stueck {
    std::u32string text;
    Stil stil;
    std::optional<std::uint32_t> farbe; // RGB; nullopt = the label's font colour
    int x = 0;                          // relative to the line
    int breite = 0;
};

struct Zeile {
    std::vector<Stueck> stuecke;
    int x = 0;
    int y = 0;
    int breite = 0;
};

struct Satz {
    std::vector<Zeile> zeilen;
    int breite = 0; // widest line
    int hoehe = 0;  // lines * line height
};

// Breaks translated text into lines of at most `breite` (a word wider than that is split,
// a switch never), each line placed by `horz` inside [0, breite].
Satz umbrechen(const std::u32string& uebersetzt, int breite, int zeilenhoehe, Horz horz,
               const Stil& grundstil, const Messen& messen);

// The whole label: the block is laid out once to learn its size, placed in the client area
// by both alignments, then laid out again in its own width. Positions are client positions.
Satz anordnen(const std::u32string& text, int clientBreite, int clientHoehe, Horz horz, Vert vert,
              int zeilenhoehe, const Stil& grundstil, const Messen& messen);

} // namespace zalvor::xa
