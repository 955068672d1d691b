// The booking a statement line becomes, and the reason a line is not booked.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/files/buchung.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zalvor::bank {

enum class Nichtgebucht { Nein, Vorgemerkt, AnderesJahr, AndereWaehrung };

// "vorgemerkt", "anderes Jahr", "andere Währung" in the engine's Windows form, as every text
// the engine shows; empty for a line that is booked.
std::string nichtgebuchtText(Nichtgebucht g);

struct Buchungsfelder {
    Nichtgebucht grund = Nichtgebucht::Nein;
    std::uint8_t tag = 0;
    std::uint8_t monat = 0;
    std::int64_t cent = 0;
    bool einnahme = false; // a credit; a debit is an expense
    std::string text;      // DOS form, at most 30 bytes
    std::string anVon;     // DOS form, at most 15 bytes
};

// `jahr` is the booking file's year (four digits), `waehrung` its currency as an ISO code.
// A pending or information line comes first, then the year, then the currency.
Buchungsfelder buchungsfelder(const Auszugszeile& z, int jahr, std::string_view waehrung);

// The record: the fields, the account an income goes to or an expense comes from, the type
// code; booked (not planned), without voucher and booking number.
TBuchung alsBuchung(const Buchungsfelder& f, int konto, std::uint8_t typcode);

// A UTF-8 text in DOS form, cut to `laenge` characters.
std::string dosText(std::string_view utf8, std::size_t laenge);

} // namespace zalvor::bank
