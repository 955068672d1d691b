// The member file: 174-byte records kept in name order.
#pragma once

#include "core/common/lesergebnis.h"
#include "core/members/mitglied.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zalvor {

// Every whole record of the member file's bytes in file order (a partial record at the end:
// damaged).
Gelesen<std::vector<TMitglied>> mitgliederAusBytes(std::span<const std::uint8_t> bytes);
// The same for the old member file of 173-byte records, each with the standard rate.
Gelesen<std::vector<TMitglied>> alteMitgliederAusBytes(std::span<const std::uint8_t> bytes);

// The member file read from the disk; a missing file holds no member. Read failures throw
// EAFehler.
std::vector<TMitglied> mitgliederLesen(const std::string& pfad);
// Number of whole records (0 for a missing file).
std::uint32_t mitgliederAnzahl(const std::string& pfad);
// Record n; throws EAFehler when it cannot be read.
TMitglied mitgliedLesen(const std::string& pfad, std::uint32_t n);

// Writes go through EAFehler on failure. A rewrite of the whole file is built beside the old
// one and renamed over it, so a failure leaves the old register whole.

// Files a new member in order (before members of the same name) and returns its record
// number. After the last record it is appended in place; otherwise the file is rebuilt.
// Creates the file when missing.
std::uint32_t mitgliedEinfuegen(const std::string& pfad, const TMitglied& m);
// Rewrites record n in place (same name, so the order holds).
void mitgliedUeberschreiben(const std::string& pfad, std::uint32_t n, const TMitglied& m);
// Record n taken out and `m` filed in order, in one rebuild; returns the new record number.
std::uint32_t mitgliedUmsortieren(const std::string& pfad, std::uint32_t n, const TMitglied& m);
// Removes record n; the records after it move one place forward.
void mitgliedEntfernen(const std::string& pfad, std::uint32_t n);
// Writes the whole register (used by the import and the paid-mark reset).
void mitgliederSchreiben(const std::string& pfad, const std::vector<TMitglied>& liste);
// Position at which a member is filed: before the first record that does not sort before it.
std::uint32_t einfuegeStelle(const std::vector<TMitglied>& liste, const TMitglied& m);

} // namespace zalvor
