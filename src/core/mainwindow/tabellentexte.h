// Texts of the booking table: header row and the seven cells of one record.
#pragma once

#include "core/common/typverwaltung.h"
#include "core/files/buchung.h"

#include <array>
#include <string>

namespace zalvor {

inline constexpr int kTabellenSpalten = 7;
using TabellenZeile = std::array<std::string, kTabellenSpalten>;

// Header row with the currency label of the active file.
TabellenZeile tabellenKopf(const std::string& waehrungstext);
// "Betrag" + separator + "(" + label + ")": a blank before the parenthesis for labels
// shorter than 3 characters.
std::string betragsKopf(const std::string& waehrungstext);
// Cells of a live or deleted record, in the Windows form.
TabellenZeile tabellenZeile(const TBuchung& b, const Typverwaltung& typen);

} // namespace zalvor
