// A bank's CSV export read by the description of its rules file.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/bank/regeln.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor::bank {

// One statement with a line per booking line of the export. Throws AuszugFehler naming the
// line of the export.
Kontoauszug csvLesen(std::string_view text, const CsvBeschreibung& beschreibung,
                     const std::string& datei = {});

// A date by a format of TT, MM, JJJJ or JJ and literal characters ("TT.MM.JJJJ").
std::optional<Datum> datumNachFormat(std::string_view text, std::string_view format);

} // namespace zalvor::bank
