// The booking dialog (income or expense) on the engine side: start, contents, checks, storing.
#pragma once

#include "core/entry/buchungsfelder.h"
#include "core/files/buchung.h"
#include "core/files/sitzung.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

// Which dialog a booking command opens.
enum class BuchungsDialog { Keiner, Buchung, Umbuchung };

// Result of the start logic of "&Buchen..." and "&Anzeigen/Ändern...".
struct BuchungsStart {
    BuchungsDialog dialog = BuchungsDialog::Keiner;
    std::optional<std::uint32_t> satz; // record number of a change; nullopt = new booking
    TBuchung buchung;                  // the record as read for a change
    bool einnahme = false;             // booking dialog: income (true) or expense
};

// Start logic. `satz` is the record of the current table row (row - 1) for a change, nullopt
// for a new booking; the empty last row (satz == record count) counts as new. A new booking
// is refused at once in read-only mode; otherwise the income/expense question is asked unless
// `einnahme` already gives the answer. A change reads the record, sets the default date to
// its date and sends a transfer (type code 21) to the transfer dialog.
BuchungsStart buchungStarten(Sitzung& s, std::optional<std::uint32_t> satz,
                             std::optional<bool> einnahme = std::nullopt);

// What the booking dialog shows besides the entries (texts in the Windows form).
struct BuchungsMaske {
    std::string titel; // "Einnahme buchen", "Ausgabe ändern", ...
    bool aendern = false;
    bool einnahme = false;
    std::string jahrText;                // "." + two-digit year, beside the date fields
    std::vector<std::string> typen;      // "NN: Name" for 0..50, or only "90: Beitrag"
    std::vector<std::string> konten;     // "N: Name", accounts named "unbenannt" left out
    std::vector<std::string> waehrungen; // label of the file's currency first, then the other
    bool waehrungWaehlbar = false;       // only for a new booking when both currencies apply
    std::vector<std::string> textListe;  // drop-down list of booking texts of this run
    bool nurLesen = false;               // "Bu&chen" and "&Planen" disabled

    // The record being changed and its number (nullopt = new); kept for storing.
    std::optional<std::uint32_t> satz;
    TBuchung buchung;
};

// The entries as the person typed or chose them (Windows form). A list entry is its text;
// an empty text means nothing is selected.
struct BuchungsEingaben {
    std::string tag;
    std::string monat;
    std::string bunr;
    std::string beleg;
    std::string betrag;
    std::string typ;
    std::string konto;
    std::string waehrung;
    std::string anVon;
    std::string text;
    bool schablone = false;                      // "&Schablone erstellen"
    Eingabefeld fehlerfeld = Eingabefeld::Keins; // where the last check failed
};

struct BuchungsDlgInhalt {
    BuchungsMaske maske;
    BuchungsEingaben eingaben; // initial entries
};

// Fills the dialog for a start with dialog == Buchung; adds the booking text to
// s.buchungstexte.
BuchungsDlgInhalt buchungsDlgFuellen(Sitzung& s, const BuchungsStart& start);

// "Bu&chen" (planen = false) or "&Planen": runs the checks in their order and shows the first
// failing one's message (then false: the dialog shows itself again with the entries kept).
// Otherwise stores the booking (append with currency conversion, or rewrite and re-file in
// all nine indexes), makes a template when asked, adds the text to s.buchungstexte and
// refreshes the table; true. After a failed check `fehlerfeld` names the entry.
bool buchungsDlgBuchen(Sitzung& s, const BuchungsMaske& maske, const BuchungsEingaben& e,
                       bool planen, Eingabefeld* fehlerfeld = nullptr);

// After the dialog closed (stored or cancelled): default date back to today, status bar.
void buchungsDlgGeschlossen(Sitzung& s);

// Type code stored for a shown type number (0..20 -> 0..20, 21..50 -> 23..52, 80 -> 21,
// 90 -> 22) and back; nullopt / -1 for numbers and codes outside these.
std::optional<std::uint8_t> typcodeAusNummer(int nummer);
int nummerAusTypcode(std::uint8_t code);

// List entries: "NN: Name" (number right-aligned in two characters) and "N: Name".
std::vector<std::string> typListe(const TDefinitionen& def, bool einnahme);
std::vector<std::string> kontenListe(const TDefinitionen& def);
// Entry of account n in kontenListe, or empty when that account is not listed.
std::string kontoEintrag(const TDefinitionen& def, int n);

} // namespace zalvor
