// Template numbers on the command line and the output of one template row.
#pragma once

#include "cli/common/befehl.h"

#include <cstdint>
#include <string>

namespace zalvor::cli {

// Opens the file for a template command and runs the checks of the template window; false
// when the window would not open (its message was printed).
bool schablonenLaden(Kontext& k, const std::string& datei);

// "NR": a template's record number from 0; a usage error when there is no such record.
std::uint32_t schablonenNummer(const Sitzung& s, const std::string& text);

// The grid's header ("Satz" first) and the row of template `satz`.
void schablonenZeileAusgeben(Kontext& k, std::uint32_t satz);

} // namespace zalvor::cli
