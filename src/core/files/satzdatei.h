// Files of 70-byte booking records (the booking file and the template file): counting and
// reading records, and the reader of their bytes.
#pragma once

#include "core/common/lesergebnis.h"
#include "core/files/buchung.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zalvor {

// The whole records of the bytes in order; a partial record at the end is left out and makes
// the reading damaged.
Gelesen<std::vector<TBuchung>> buchungenAusBytes(std::span<const std::uint8_t> bytes);

// Whole records of a file (a partial tail is not counted).
std::uint32_t satzAnzahl(const std::string& dateiname);
// Bytes after the last whole record (0 for a sound file).
std::uint32_t unvollstaendigeBytes(const std::string& dateiname);

TBuchung buchungLesen(const std::string& dateiname, std::uint32_t satz);
// All whole records in file order, read in one pass.
std::vector<TBuchung> alleBuchungenLesen(const std::string& dateiname);
// The bytes of all whole records in one read, into a buffer the caller keeps for the next
// file; returns the record count.
std::uint32_t satzbytesLesen(const std::string& dateiname, std::vector<std::uint8_t>& puffer);

} // namespace zalvor
