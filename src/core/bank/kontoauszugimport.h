// Importing a bank statement into the open booking file: the plan (per line its status, the
// booking it becomes, the proposed type and account), the person's changes to it, the
// booking of the chosen lines as one batch, the reconciliation with the bank's balance, and
// the grid every front end shows.
#pragma once

#include "core/bank/auszugbuchung.h"
#include "core/bank/auszugeinlesen.h"
#include "core/bank/zuordnung.h"
#include "core/common/raster.h"
#include "core/database/datenbank.h"
#include "core/files/verein.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zalvor {
struct Sitzung;
}

namespace zalvor::bank {

enum class Zeilenstatus { Gebucht, Doppelt, Vorgemerkt, AnderesJahr, AndereWaehrung, Ausgelassen };

// "gebucht", "doppelt", "vorgemerkt", "anderes Jahr", "andere Währung", "ausgelassen".
std::string zeilenstatusText(Zeilenstatus s);

// What an assigner gives a line: the type, and optionally the booking text (DOS form) that
// replaces the statement's, what the preview shows instead of the type's name, and the
// assigner's own number for the line (to find it again after booking). Text and display
// hold while the person keeps the type.
struct Zuordnung {
    Zuordnung(std::uint8_t typ = 0) : typcode(typ) {} // an assigner may give the type alone
    std::uint8_t typcode;
    std::string text;
    std::string anzeige; // Windows form
    std::int64_t marke = -1;
};

// Assigns a line before the rules are tried (a contribution credit to its member, say), or
// nothing to leave the line to the next assigner. `konto` is the line's account.
using Zuordner = std::function<std::optional<Zuordnung>(const Auszugszeile& z, int konto)>;

struct Importwahl {
    std::optional<int> konto;            // overrides the account found by the IBAN
    std::vector<Zuordnungsregel> regeln; // the rules file's, then the club's
    std::vector<Zuordner> zuordner;      // tried in order before the rules
};

struct Vorschauzeile {
    Auszugszeile zeile;
    std::size_t auszug = 0; // its statement in the plan
    std::string schluessel; // the duplicate key
    Buchungsfelder felder;
    Zeilenstatus status = Zeilenstatus::Gebucht; // before booking: what booking would do
    bool buchbar = false;                        // the person may book it or leave it out
    Typvorschlag typ;
    std::optional<Zuordnung> zuordnung; // the assigner's, if one took the line
    int konto = 0;
    std::string bunr; // the booking number once booked

    bool zuBuchen() const { return buchbar && status == Zeilenstatus::Gebucht; }
    // The assigner's text and display while the person keeps its type.
    const Zuordnung* zugeordnet() const {
        return zuordnung && typ.typcode == zuordnung->typcode ? &*zuordnung : nullptr;
    }
};

struct Importplan {
    std::string datei; // the statement file's name as shown
    Auszugformat format = Auszugformat::Unbekannt;
    std::vector<Kontoauszug> auszuege; // headers; their lines are in `zeilen`
    std::vector<int> konten;           // the account of each statement
    std::vector<Vorschauzeile> zeilen;
    std::vector<Meldung> hinweise;
};

// The plan for a statement that was read without fault. `saetze` are the booking file's
// records (what the file teaches, and the open imports' bookings). Refused: a statement whose
// IBAN no account has (without `wahl.konto`).
Ergebnis<Importplan> importPlanen(const Verein& v, const Datenbank& db,
                                  std::span<const TBuchung> saetze, std::string datei,
                                  Einleseergebnis gelesen, const Importwahl& wahl);

// The person's changes: another type code or account for a line that can be booked, or the
// line left out (false) or taken back in.
void zeileAendern(Importplan& p, std::size_t zeile, std::uint8_t typcode, int konto);
void zeileWaehlen(Importplan& p, std::size_t zeile, bool buchen);

// The records the chosen lines become, numbered from the file's next booking number.
std::vector<TBuchung> importBuchungen(const Verein& v, const Importplan& p);

// Books the chosen lines as one batch and records the import with all its lines in the club
// database; the booked lines get their numbers. Lines booked in the meantime become
// duplicates. `zuletzt` runs after the bookings and before the database commits (the
// contributions' paid marks, what is read for the reconciliation), so that nothing of the
// import can fail once it is committed. Returns the number of bookings.
std::size_t importBuchen(Sitzung& s, Datenbank& db, Importplan& p,
                         const std::function<void()>& zuletzt = {});

struct Abgleich {
    int konto = 0;
    Saldo bank;                  // the statement's closing booked balance
    std::int64_t kassenbuch = 0; // cents, the cash book's balance on that date
    std::int64_t differenz() const { return bank.cent - kassenbuch; }
};

// The cash book's balance of the account in cents over the bookings (not planned, not
// deleted) dated up to `bis`, the opening balance included; `jahr` is the file's year.
std::int64_t kassenbuchStand(std::span<const TBuchung> saetze, int konto, const Datum& bis,
                             int jahr);

// Per account of the plan the latest closing balance against the cash book: `saetze` the
// file's records, with the plan's chosen lines added as they would be booked (before
// booking) or already in them (after).
std::vector<Abgleich> abgleichen(const Verein& v, const Importplan& p,
                                 std::span<const TBuchung> saetze, bool mitVorschau);
// "Abgleich Konto N: Bank B am TT.MM.JJJJ, Kassenbuch K, Differenz D".
std::string abgleichText(const Abgleich& a);

// "Kontoauszug | <file name>": Datum, Betrag, E/A, An/Von, Text, Typ, Status, BuNr.
Raster importRaster(const Importplan& p, const Typverwaltung& typen);

} // namespace zalvor::bank
