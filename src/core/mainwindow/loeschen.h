// Deleting the selected booking of the booking table.
#pragma once

#include "core/files/sitzung.h"

#include <cstdint>

namespace zalvor {

// Deletes record `satz` (current row - 1) after "Satz wirklich löschen?": its amount becomes
// 0 in place, indexes unchanged, the row is refreshed. The empty last row (satz == record
// count) does nothing. true when deleted.
bool satzLoeschen(Sitzung& s, std::uint32_t satz);

} // namespace zalvor
