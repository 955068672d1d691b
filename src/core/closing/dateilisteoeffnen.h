// Creating and opening file lists, with the correction of a list of another year.
#pragma once

#include "core/closing/dateiliste.h"

#include <optional>
#include <string>

namespace zalvor {

// "&Neu...": asks for the name through `nameFragen` (the input box "Neue Datei-Liste" /
// "Listen-Dateiname:"), asks before overwriting (No asks for the name again) and creates
// the empty list. nullopt when cancelled or when the file could not be created (reported).
std::optional<Dateiliste> neueDateiliste(const Dateiwaehler& nameFragen, Person& person);

// The input box of a new list's name.
Dateiwaehler listennameFragen(Person& person);

// The chosen list file after the checks of "Ö&ffnen..." (a missing file asks again, a
// name that is no list's name is refused), without the year question. nullopt after a
// message.
std::optional<Dateiliste> dateilisteLaden(const Dateiwaehler& waehlen, Person& person);

// "Ö&ffnen...": the chosen list file (a missing one asks again), the extension check, and
// for a list of another year than today's the question whether to enter this year, with the
// correction. nullopt when the command ended.
std::optional<Dateiliste> dateilisteOeffnen(const Dateiwaehler& waehlen, const Uhr& uhr,
                                            Person& person);

} // namespace zalvor
