// Imported bank statements: one row per import with its statement's closing balance, one row
// per statement line with every field the readers deliver, and for a booked line the link to
// the booking made from it. A line's duplicate key is unique among the booked lines of one
// booking file year, so no line is booked twice into a year.
#pragma once

#include "core/common/uhr.h"
#include "core/database/buchungsverweis.h"
#include "core/database/datenbank.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zalvor {

enum class Auszugsformat { Camt053, Mt940, Csv };
enum class Richtung { Gutschrift, Belastung }; // credit, debit
enum class Zeilenstatus { Gebucht, Vorgemerkt, Information };

// Texts in UTF-8, as the readers deliver them.
struct Auszugszeile {
    Datum buchungsdatum;
    std::optional<Datum> valutadatum;
    std::int64_t betrag = 0; // cents, not negative; `richtung` gives the sign
    Richtung richtung = Richtung::Gutschrift;
    std::string waehrung;
    Zeilenstatus status = Zeilenstatus::Gebucht;
    std::string name; // the other party
    std::string iban;
    std::string bic;
    std::string text;             // the whole remittance text
    std::string zusatz;           // additional entry information
    std::string bankreferenz;     // account servicer's reference
    std::string eintragsreferenz; // the entry's reference
    std::string endeZuEnde;
    std::string mandatsreferenz;
    std::string glaeubiger; // creditor id
    std::string rueckgabegrund;
    std::string stelle; // where in the file (line, element or record)
    std::string doppelschluessel;
    // The booking made from the line (only a booked line is booked).
    std::optional<std::array<std::uint8_t, TBuchung::kGroesse>> buchung;
    friend bool operator==(const Auszugszeile&, const Auszugszeile&) = default;
};

struct Kontoauszugsimport {
    std::string jahr;  // two-digit year of the booking file imported into
    std::string datei; // the statement file's name
    Auszugsformat format = Auszugsformat::Camt053;
    std::string zeitpunkt;                    // "JJJJ-MM-TTTHH:MM:SS"
    int konto = 0;                            // 1..9
    std::string auszug;                       // the statement's id
    std::optional<std::int64_t> schlusssaldo; // closing booked balance, signed cents
    std::optional<Datum> schlussdatum;
    std::vector<Auszugszeile> zeilen; // in statement order
    friend bool operator==(const Kontoauszugsimport&, const Kontoauszugsimport&) = default;
};

// Records the import with all its lines; returns its id. Refused: a booked line whose
// duplicate key is already booked in the year (or twice in the import), a line booked
// without the bank's "booked" status, an account outside 1..9, a year not of two characters.
Ergebnis<std::int64_t> importEintragen(Transaktion& t, const Kontoauszugsimport& import);
std::optional<Kontoauszugsimport> importLesen(const Datenbank& db, std::int64_t id);

// The duplicate keys of every line booked into the year, for the import's check.
std::unordered_set<std::string> gebuchteSchluessel(const Datenbank& db, std::string_view jahr);

struct Verknuepfung {
    std::int64_t zeile = 0; // the line's id
    Buchungsverweis verweis;
};
// The links of every line booked into the year, in import order.
std::vector<Verknuepfung> verknuepfungen(const Datenbank& db, std::string_view jahr);
// After the booking of a line was changed in place: the link holds its new bytes.
void verweisErneuern(Transaktion& t, std::int64_t zeile, const TBuchung& neu);

} // namespace zalvor
