// The type a statement line is proposed: the first rule that matches, else what the booking
// file teaches (the type of the latest booking of the same side with the same An/Von), else
// 0 ("Sonstige"). Types are type codes as a booking stores them.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/bank/regeln.h"
#include "core/files/buchung.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zalvor::bank {

Seite seiteVon(const Auszugszeile& z);

// The type code of the first rule for the line's side whose pattern is found in its text.
std::optional<std::uint8_t> typNachRegel(const std::vector<Zuordnungsregel>& regeln,
                                         const Auszugszeile& z);

// What the booking file teaches, built in one pass over its records. Transfers,
// contributions, opening balances and deleted bookings teach nothing.
class Lerngedaechtnis {
  public:
    Lerngedaechtnis() = default;
    explicit Lerngedaechtnis(std::span<const TBuchung> buchungen);

    // Counts as later than everything learned before on the same date.
    void lernen(const TBuchung& b);

    // The type of the latest booking (by date, then by file order) of the side whose An/Von
    // equals the name as a booking would store it, without case and surrounding blanks.
    std::optional<std::uint8_t> typ(Seite s, std::string_view nameUtf8) const;

    // An/Von as the comparison sees it: Windows form, cut to 15, trimmed, small letters.
    static std::string schluessel(std::string_view anVonWindows);

  private:
    struct Eintrag {
        int datum = 0; // month * 100 + day
        std::uint8_t typcode = 0;
    };
    std::unordered_map<std::string, Eintrag> seiten_[2];
};

// Zuordner: one of the assigners tried before the rules (see kontoauszugimport.h).
enum class Typquelle { Regel, Gelernt, Keine, Zuordner };

struct Typvorschlag {
    std::uint8_t typcode = 0;
    Typquelle quelle = Typquelle::Keine;
};

Typvorschlag typVorschlagen(const std::vector<Zuordnungsregel>& regeln,
                            const Lerngedaechtnis& gedaechtnis, const Auszugszeile& z);

} // namespace zalvor::bank
