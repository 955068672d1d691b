// The 70-byte booking record (also the template record), packed little-endian by hand.
#pragma once

#include "core/common/real6.h"
#include "core/common/textfeld.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zalvor {

// The fields a closing sums, read straight from a record's bytes (no text is copied).
struct Summenfelder {
    std::uint8_t typcode = 0;
    bool einnahme = false;
    bool geplant = false;
    std::uint8_t monat = 0;
    bool anfangsbestand = false; // booking number "AB"
    Real6 betrag;
    std::uint8_t kontoVon = 0;
    std::uint8_t kontoNach = 0;

    bool istUmbuchung() const { return typcode == 21; }
};

struct TBuchung {
    static constexpr std::size_t kGroesse = 70;

    std::uint8_t typcode = 0;
    std::uint8_t einnahme = 0; // 0 = expense, other = income
    std::uint8_t geplant = 0;  // 0 = booked, other = planned
    TextFeld<30> text;         // DOS form
    std::uint8_t tag = 0;
    std::uint8_t monat = 0;
    Real6 betrag; // 0 = deleted
    TextFeld<4> beleg;
    TextFeld<4> bunr;
    TextFeld<15> anVon;         // DOS form
    std::uint8_t kontoVon = 0;  // from-account (expense, transfer source)
    std::uint8_t kontoNach = 0; // to-account (income, transfer target)

    bool geloescht() const { return betrag.istNull(); }
    bool istEinnahme() const { return einnahme != 0; }
    bool istGeplant() const { return geplant != 0; }
    bool istUmbuchung() const { return typcode == 21; }
    bool istAnfangsbestand() const { return bunr.text() == "AB"; }

    std::array<std::uint8_t, kGroesse> packen() const;
    static TBuchung entpacken(const std::uint8_t* bytes);
    // Inline: a closing decodes every record of a file through it.
    static Summenfelder summenfelder(const std::uint8_t* bytes) {
        Summenfelder f;
        f.typcode = bytes[0];
        f.einnahme = bytes[1] != 0;
        f.geplant = bytes[2] != 0;
        f.monat = bytes[35];
        std::copy_n(bytes + 36, 6, f.betrag.bytes.begin());
        f.anfangsbestand = bytes[47] == 2 && bytes[48] == 'A' && bytes[49] == 'B';
        f.kontoVon = bytes[68];
        f.kontoNach = bytes[69];
        return f;
    }

    friend bool operator==(const TBuchung&, const TBuchung&) = default;
};

// The opening-balance booking of an account: "AB", income, "Anfangsbestand", 1 January.
TBuchung anfangsbestandsBuchung(int konto, long double betrag);

} // namespace zalvor
