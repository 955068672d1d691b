// The template file of a club (shared by all its years): reading, writing in place, the
// template made from a booking, and booking a template.
#pragma once

#include "core/files/sitzung.h"
#include "core/templates/schablone.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

// Whole records in file order.
std::vector<TSchablone> schablonenLesen(const std::string& dateiname);
TSchablone schabloneLesen(const std::string& dateiname, std::uint32_t satz);
// Rewrites one record in place.
void schabloneSchreiben(const std::string& dateiname, std::uint32_t satz, const TSchablone& t);

// A template made from a booking just stored: the file is created when missing, the record
// appended with the booking's currency note (typed in Euro: towards the national currency)
// and repetition code 0.
void schabloneAnlegen(Sitzung& s, const TBuchung& b, bool inEuroGetippt);

// Books template `satz` today with the next booking number (no currency conversion, filed
// into the nine indexes); a deleted template books a record of amount 0.
void schabloneBuchen(Sitzung& s, std::uint32_t satz);

} // namespace zalvor
