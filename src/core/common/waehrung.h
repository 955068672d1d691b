// Currency settings and the Euro changeover rules; two-digit years.
#pragma once

#include "core/common/uhr.h"

#include <string>
#include <string_view>

namespace zalvor {

// Below or at this rate the Euro is not used.
inline constexpr long double kKursSchwelle = 0.00001L;

struct WaehrungsEinstellungen {
    std::string Waehrung = "DM"; // national currency, up to 3 characters
    long double Kurs = 0.0L;     // 1 Euro in the national currency, held as Real6
    std::string Umstellungsjahr = "02";
    std::string UmstellungBis = "03";

    bool kursVorhanden() const { return Kurs > kKursSchwelle; }
};

// a is earlier than b; only the first two characters count, values below 91 are 20xx.
bool JahrVor(std::string_view a, std::string_view b);

bool DateiInEuro(const WaehrungsEinstellungen& w, std::string_view dateijahr);
bool BeideWaehrungen(const WaehrungsEinstellungen& w, std::string_view dateijahr);

// amount / Kurs and amount * Kurs, through Real6 and rounded to cents (halves to even).
long double InEuro(const WaehrungsEinstellungen& w, long double betrag);
long double InLandeswaehrung(const WaehrungsEinstellungen& w, long double betrag);

// Label of the file's currency and of the other one.
std::string dateiWaehrungstext(const WaehrungsEinstellungen& w, std::string_view dateijahr,
                               std::string_view euroText);
std::string andererWaehrungstext(const WaehrungsEinstellungen& w, std::string_view dateijahr,
                                 std::string_view euroText);

// Two-digit calendar year from the clock ("26" for 2026, "05" for 2005).
std::string Kalenderjahr(const Uhr& uhr);
// Two digits of a year number, with a leading "0" where needed.
std::string zweistellig(int jahr);
// Full year of a two-digit year text (91..99 -> 19xx, else 20xx); -1 when not a number.
int volljahr(std::string_view zweistellig);

inline const std::string kEuroZeichen = "\x80";

} // namespace zalvor
