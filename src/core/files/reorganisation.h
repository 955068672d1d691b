// Reorganisation: drops deleted bookings and rebuilds the nine indexes, keeping a backup.
#pragma once

#include "core/files/verein.h"

#include <string>

namespace zalvor {

class Person;

// Returns false when the person declined to overwrite an existing backup (nothing changed).
bool reorganisieren(Verein& v, Person& person, bool schablonenUmrechnen);

} // namespace zalvor
