// Booking file names: base name and two-digit year from a typed or chosen name.
#pragma once

#include "core/files/dateisatz.h"

#include <optional>
#include <string>

namespace zalvor {

class Person;

struct Dateiwahl {
    std::string basisname;
    std::string jahr;
};

// The name checks of the open command: a name without "." at the third position from its
// end gets "." + the active year; a "~" among the last 13 characters and a non-numeric year
// are refused with their messages. nullopt after a message.
std::optional<Dateiwahl> dateinamePruefen(std::string name, const std::string& aktivesJahr,
                                          Person& person);

// The name rule of a new file: "name.JJ" gives that year, anything else the calendar year.
Dateiwahl neuerDateiname(const std::string& eingabe, const std::string& kalenderjahr);

// Before a club's files are made or written: false, after a message, when a name of its file
// set would pass the file-name limit.
bool namenPassen(const Dateisatz& dateien, Person& person);

} // namespace zalvor
