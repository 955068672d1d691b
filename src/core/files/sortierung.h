// The sort dialog TWListSort on the engine side: the five orders, choosing one, the file check.
#pragma once

#include "core/files/sitzung.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zalvor {

inline constexpr std::array<Sortierung, 5> kSortierungen{
    Sortierung::Nummer, Sortierung::Typ, Sortierung::Text, Sortierung::Betrag, Sortierung::Datum};

// Item text of the radio group "Sortier&kriterium" ("Buchungs&Nummer", ...).
std::string sortierungText(Sortierung s);
// Name on the command line: nummer, typ, text, betrag, datum (any letter case).
std::optional<Sortierung> sortierungAusName(std::string_view name);
std::string sortierungName(Sortierung s);

enum class SortierErgebnis { Gesetzt, Reorganisiert, OhneReorganisation };

// OK of the dialog: the order becomes current; when a file the order needs is missing the
// person is offered a reorganisation, after which table and status bar are refreshed.
SortierErgebnis sortierungWaehlen(Sitzung& s, Sortierung neu);

} // namespace zalvor
