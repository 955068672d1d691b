// The stored print settings as lines "Name<TAB>Wert" for the command line.
#pragma once

#include "core/printing/druckeinstellungen.h"

#include <ostream>

namespace zalvor::cli {

void einstellungenAusgeben(std::ostream& out, const Druckeinstellungen& e);

} // namespace zalvor::cli
