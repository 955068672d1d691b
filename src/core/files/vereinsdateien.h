// The file layer of a club: it reads the bytes of each file of the set from the disk and
// hands them to the file's reader, which gives the model with its notices as a value.
#pragma once

#include "core/common/gelesen.h"
#include "core/files/dateisatz.h"
#include "core/files/definitionen.h"
#include "core/lists/planwerte.h"
#include "core/members/beitragssaetze.h"

#include <string>

namespace zalvor {

// The whole content of a file: not there, there but not readable (a folder, a pipe, no
// permission, a failing read: with the error number), or its bytes.
Dateiinhalt dateiinhalt(const std::string& pfad);

Gelesen<Planwerte> planwerteLaden(const Dateisatz& dateien, Planwerte bisher);
Gelesen<Beitragssaetze> beitragssaetzeLaden(const Dateisatz& dateien, const TDefinitionen& d);

} // namespace zalvor
