// The bookings of a file as a plain-text accounting journal and as a grid for spreadsheets.
#pragma once

#include "core/common/raster.h"
#include "core/files/buchung.h"
#include "core/files/definitionen.h"

#include <string>
#include <vector>

namespace zalvor {

// What the export needs of a booking file.
struct JournalQuelle {
    std::string dateiname;
    std::string jahr; // two digits
    const TDefinitionen* def = nullptr;
    std::string waehrung; // the file's currency label
};

// Lines of the journal in the Windows form (without line ends): live bookings in file order,
// each as one transaction with two postings that read back under ledger and hledger.
std::vector<std::string> journalZeilen(const JournalQuelle& q, const std::vector<TBuchung>& b);

// The same bookings as a grid with ISO dates.
Raster exportRaster(const JournalQuelle& q, const std::vector<TBuchung>& b);

// An account name part that those tools read as one name: no ":" or ";", no tab, no two
// blanks in a row, no blank at either end; `ersatz` when nothing is left.
std::string kontoteil(const std::string& name, const std::string& ersatz);

} // namespace zalvor
