// The member steps of the opening sequence: import of the old member file, member items.
#pragma once

#include <string>

namespace zalvor {

class Dateisatz;
class Person;

// Converts the old 173-byte member file into the member file (rate index 0) when only the
// old one exists. The new file appears whole or not at all, so a failed import is tried
// again at the next opening. The old file stays in place. Returns true when it imported.
bool altesMitgliederformatImportieren(const Dateisatz& d, Person& person);

// Whether the member file holds a member (the member items are enabled then).
bool mitgliederVorhanden(const Dateisatz& d);

} // namespace zalvor
