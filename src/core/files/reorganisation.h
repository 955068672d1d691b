// Reorganisation: drops deleted bookings and rebuilds the nine indexes, keeping a backup.
#pragma once

#include "files/sitzung.h"

#include <string>

namespace zalvor {

// Backup base name: the first character of the file-name part replaced by "~".
std::string sicherungsname(const std::string& basisname);

// Returns false when the person declined to overwrite an existing backup (nothing changed).
bool reorganisieren(Sitzung& s, bool schablonenUmrechnen);

} // namespace zalvor
