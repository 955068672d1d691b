// The closing of a file list: expenses and income per booking file and over all of them.
#pragma once

#include "core/closing/abschlussrechnung.h"
#include "core/common/raster.h"

#include <optional>
#include <string>
#include <vector>

namespace zalvor {

class Person;

// One listed file's figures, converted when the closing converts.
struct Dateiergebnis {
    std::string datei;
    bool gefunden = true;
    Tripel ausgaben;
    Tripel einnahmen;
};

struct Mehrdateiabschluss {
    AbschlussParameter parameter;
    std::string waehrung;       // label of the closing's currency
    std::string andereWaehrung; // label of the other-currency button; empty when hidden
    std::vector<Dateiergebnis> dateien;
    Tripel ausgabenGesamt;
    Tripel einnahmenGesamt;
};

// Expense and income triple of one file's bookings for month M (0: the whole year), all
// types together, before conversion: transfers in neither, "AB" in no income, contributions
// at their booked amount as income.
struct Dateisummen {
    Tripel ausgaben;
    Tripel einnahmen;
};
// `satzbytes` holds whole 70-byte records.
Dateisummen dateisummenBilden(const std::vector<std::uint8_t>& satzbytes, int monat);

// What the first listed file gives the whole closing: its year and its definitions, read
// into a value of their own, so that the open booking file's state is never touched.
struct Listenvorgaben {
    std::string jahr;
    TDefinitionen def;
};
Listenvorgaben listenvorgabenLesen(const std::string& ersteDatei, Person& person);

// The closing of the listed files (each read once), in the currency of the first file's
// settings. A missing file is reported once for the expense side and once for the income
// side and counts as zero.
Mehrdateiabschluss mehrdateiabschlussRechnen(const Listenvorgaben& v,
                                             const std::vector<std::string>& dateien,
                                             const AbschlussParameter& p,
                                             const std::string& euroText, Person& person);

// Both steps; nullopt for an empty list, which makes no closing.
std::optional<Mehrdateiabschluss>
mehrdateiabschlussErstellen(const std::vector<std::string>& dateien, const AbschlussParameter& p,
                            const std::string& euroText, Person& person);

// The reduced closing window: "Kontenbestände" and both group grids hidden, the balances
// with the columns "Datei", "real", "Planungen", "Summe".
Bericht mehrdateiBericht(const Mehrdateiabschluss& a);

} // namespace zalvor
