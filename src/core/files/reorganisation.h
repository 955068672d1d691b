// Reorganisation: drops deleted bookings and rebuilds the nine indexes, keeping a backup.
#pragma once

#include "files/dateisatz.h"
#include "files/sitzung.h"

#include <string>

namespace zalvor {

// Returns false when the person declined to overwrite an existing backup (nothing changed).
bool reorganisieren(Sitzung& s, bool schablonenUmrechnen);

} // namespace zalvor
