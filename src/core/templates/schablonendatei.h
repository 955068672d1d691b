// The template file of a club (shared by all its years): reading, writing in place, the
// template made from a booking, and booking a template.
#pragma once

#include "core/common/lesergebnis.h"
#include "core/common/uhr.h"
#include "core/files/verein.h"
#include "core/templates/schablone.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zalvor {

class Person;

// The whole records of a template file's bytes, in file order.
Gelesen<std::vector<TSchablone>> schablonenAusBytes(std::span<const std::uint8_t> bytes);
// Whole records in file order.
std::vector<TSchablone> schablonenLesen(const std::string& dateiname);
TSchablone schabloneLesen(const std::string& dateiname, std::uint32_t satz);
// Rewrites one record in place.
void schabloneSchreiben(const std::string& dateiname, std::uint32_t satz, const TSchablone& t);

// A template made from a booking just stored: the file is created when missing, the record
// appended with the booking's currency note (typed in Euro: towards the national currency)
// and repetition code 0.
void schabloneAnlegen(const Verein& v, Person& person, const TBuchung& b, bool inEuroGetippt);

// Books template `satz` today with the next booking number (no currency conversion, filed
// into the nine indexes); a deleted template books a record of amount 0.
void schabloneBuchen(Verein& v, Person& person, const Uhr& uhr, std::uint32_t satz);

} // namespace zalvor
