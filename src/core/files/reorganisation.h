// Reorganisation: drops deleted bookings and rebuilds the nine indexes, keeping a backup.
#pragma once

#include "core/files/dateisatz.h"
#include "core/files/sitzung.h"

#include <string>

namespace zalvor {

// Returns false when the person declined to overwrite an existing backup (nothing changed).
bool reorganisieren(Sitzung& s, bool schablonenUmrechnen);

} // namespace zalvor
