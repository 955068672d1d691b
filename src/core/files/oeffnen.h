// Opening a booking file: the fixed order of steps, and the open command's name handling.
#pragma once

#include "files/sitzung.h"

#include <string>

namespace zalvor {

// Makes base name + "." + year (already set in s.datei) the active file and loads all that
// belongs to it: next booking number and index check, definitions, sort order reset, table.
void buchungsdateiOeffnen(Sitzung& s);

enum class OeffnenErgebnis { Geoeffnet, NameAbgelehnt, NichtVorhanden };

// The open command after the file dialog: name checks with their messages, the existence
// check (NichtVorhanden: the caller shows the dialog again), then open. Releasing list
// windows is the front end's business.
OeffnenErgebnis dateiOeffnenBefehl(Sitzung& s, const std::string& gewaehlterName);

} // namespace zalvor
