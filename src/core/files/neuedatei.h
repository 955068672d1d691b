// New file: name, questions, currency and settings forms, files, opening balances.
#pragma once

#include "core/files/sitzung.h"

namespace zalvor {

// The command "&Neu...". Returns true when a name was entered (also when creating the
// files failed afterwards; the base name is then empty).
bool neueDatei(Sitzung& s);

// The opening balances step (dialog "Anfangsbestände" through s.masken), then the
// reorganisation that builds the indexes.
void anfangsbestaendeErfassen(Sitzung& s);

} // namespace zalvor
