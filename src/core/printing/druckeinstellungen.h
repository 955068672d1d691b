// The print settings every printout uses: margins, gaps, page numbers, the extra column
// switch, the heading style and the two print fonts.
#pragma once

#include "core/common/person.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zalvor {

// Style bits of a print font, as stored.
inline constexpr std::uint8_t kFett = 1;
inline constexpr std::uint8_t kKursiv = 2;
inline constexpr std::uint8_t kUnterstrichen = 4;
inline constexpr std::uint8_t kDurchgestrichen = 8;

// Font names are kept in 30 bytes including the terminator.
inline constexpr std::size_t kSchriftnameMax = 29;

struct Schrift {
    std::string name; // Windows form, at most kSchriftnameMax bytes
    std::uint8_t groesse = 10;
    std::uint8_t stil = 0;
};

// Heading styles of the radio group "Überschriften".
enum class Ueberschrift : std::uint8_t { Fett = 0, NieKursiv = 1, ImmerKursiv = 2 };

// Every distance is in printer units and held in one byte, as the store keeps it.
struct Druckeinstellungen {
    std::uint8_t oben = 20;
    std::uint8_t links = 50;
    std::uint8_t unten = 20;
    std::uint8_t zeilenabstand = 5;
    std::uint8_t spaltenabstand = 10;
    bool seitennummern = false;
    bool anVon = true;
    std::uint8_t italic = 2;
    Schrift schrift1;
    Schrift schrift2;

    // Font 1's own style, and the heading style: bold added, italic as the heading setting
    // says (1 never, 2 always, 0 as font 1).
    std::uint8_t normalstil() const { return schrift1.stil; }
    std::uint8_t ueberschriftstil() const;
};

// The defaults of a first run; the fonts are the platform's default font.
Druckeinstellungen standardDruckeinstellungen(const Schrift& standardschrift);
void randStandard(Druckeinstellungen& e);
void erweiterteStandard(Druckeinstellungen& e);

// A number as a one-byte value: 300 becomes 44, -1 becomes 255.
std::uint8_t alsByte(long long wert);
// A font name cut to what the store holds.
std::string schriftname(std::string name);

// What the dialog holds: the five numbers as typed, the switches, the fonts chosen.
struct Druckeingaben {
    std::string oben, links, unten, zeilenabstand, spaltenabstand;
    bool seitennummern = false;
    bool anVon = true;
    int italic = 2;
    Schrift schrift1;
    Schrift schrift2;
};

Druckeingaben druckeingaben(const Druckeinstellungen& e);
// Reads the numbers in the order top, left, bottom, line gap, column gap; the first that is
// not a whole decimal number is reported and nothing is returned (the dialog stays open).
std::optional<Druckeinstellungen> druckeingabenPruefen(const Druckeingaben& d, Person& p);

} // namespace zalvor
