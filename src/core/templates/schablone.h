// The template record: the 70 bytes of a booking, with the repetition code in the account
// byte that the template's kind does not use.
#pragma once

#include "core/common/uhr.h"
#include "core/files/buchung.h"

#include <cstdint>
#include <string>

namespace zalvor {

// Repetition codes: 0 never, 1 monthly from January of an odd year, 2-12 monthly from that
// month, 13 yearly in an even year, 14 yearly in an odd year, 15 monthly from January of an
// even year; anything above 15 counts as never.
inline constexpr std::uint8_t kCodeNie = 0;
inline constexpr std::uint8_t kCodeJaehrlichGerade = 13;
inline constexpr std::uint8_t kCodeJaehrlichUngerade = 14;
inline constexpr std::uint8_t kCodeJanuarGerade = 15;

enum class Wiederholung { Nie, Monatlich, Jaehrlich };

Wiederholung wiederholungVon(std::uint8_t code);

struct TSchablone {
    static constexpr std::size_t kGroesse = TBuchung::kGroesse;

    // Day and month are those of the booking the template was made from; the amount is in
    // the currency of the year it was made in, 0 for a deleted template.
    TBuchung satz;

    bool geloescht() const { return satz.geloescht(); }
    // Expense template: to-account byte; income template: from-account byte.
    std::uint8_t code() const { return satz.istEinnahme() ? satz.kontoVon : satz.kontoNach; }
    void setzeCode(std::uint8_t code);

    // A booking made from the template: its repetition byte 0, the given date and number.
    TBuchung buchung(int tag, int monat, const std::string& bunr) const;

    std::array<std::uint8_t, kGroesse> packen() const { return satz.packen(); }
    static TSchablone entpacken(const std::uint8_t* bytes) {
        return TSchablone{TBuchung::entpacken(bytes)};
    }
};

// Parity of the two-digit calendar year, which codes 1/15 and 13/14 refer to.
bool geradesJahr(const Datum& heute);

} // namespace zalvor
