// The 70-byte booking record (also the template record), packed little-endian by hand.
#pragma once

#include "core/common/real6.h"
#include "core/common/textfeld.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zalvor {

// The fields a closing sums, read in place from a record's bytes: nothing is copied, so the
// loops over a whole file decode only what they use.
class Summenfelder {
  public:
    explicit Summenfelder(const std::uint8_t* satz) : s_(satz) {}
    std::uint8_t typcode() const { return s_[0]; }
    bool einnahme() const { return s_[1] != 0; }
    bool geplant() const { return s_[2] != 0; }
    std::uint8_t monat() const { return s_[35]; }
    // Zero is also the amount of a deleted booking.
    bool betragNull() const { return s_[36] == 0; }
    long double betrag() const { return Real6::wertAus(s_ + 36); }
    const std::uint8_t* betragBytes() const { return s_ + 36; }
    bool anfangsbestand() const { return s_[47] == 2 && s_[48] == 'A' && s_[49] == 'B'; } // "AB"
    std::uint8_t kontoVon() const { return s_[68]; }
    std::uint8_t kontoNach() const { return s_[69]; }
    bool istUmbuchung() const { return typcode() == 21; }

  private:
    const std::uint8_t* s_;
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
    static Summenfelder summenfelder(const std::uint8_t* bytes) { return Summenfelder(bytes); }

    friend bool operator==(const TBuchung&, const TBuchung&) = default;
};

// The opening-balance booking of an account: "AB", income, "Anfangsbestand", 1 January.
TBuchung anfangsbestandsBuchung(int konto, long double betrag);

} // namespace zalvor
