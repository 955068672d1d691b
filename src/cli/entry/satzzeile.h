// Output of one record of the booking table after a command changed it.
#pragma once

#include "cli/common/befehl.h"

#include <cstdint>
#include <string>

namespace zalvor::cli {

// Prints the table header ("Satz" first) and the row of record `satz`.
void satzAusgeben(Kontext& k, std::uint32_t satz);

// A typed text (UTF-8) in the Windows form; a usage error when it is longer than the field.
std::string feldText(const std::string& option, const std::string& utf8, std::size_t max);

// "--aendern N" / "SATZNR": a record number from 0 up to the record count (the empty last
// row); a usage error otherwise.
std::uint32_t satzNummer(const Sitzung& s, const std::string& option, const std::string& text);

} // namespace zalvor::cli
