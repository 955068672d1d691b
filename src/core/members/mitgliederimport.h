// The member steps of the opening sequence: import of the old member file, member items.
#pragma once

#include <string>

namespace zalvor {

struct Sitzung;

// Converts the old 173-byte member file into the member file (rate index 0) when only the
// old one exists. The new file appears whole or not at all, so a failed import is tried
// again at the next opening. The old file stays in place. Returns true when it imported.
bool altesMitgliederformatImportieren(Sitzung& s);

// At opening: the import, then whether the member items are enabled (a member file holding
// at least one member).
void mitgliederBeimOeffnen(Sitzung& s);

} // namespace zalvor
