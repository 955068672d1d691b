// The rules file: the assignment rules "MUSTER => TYP" and, for CSV exports, the
// description of the columns, in the manner of hledger's CSV rules.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/common/typverwaltung.h"

#include <map>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor::bank {

enum class CsvFeld {
    Datum,
    Valuta,
    Betrag,
    Haben,
    Soll,
    Richtung,
    Name,
    Iban,
    Bic,
    Text,
    Info,
    Referenz,
    Waehrung
};

enum class Zeichensatz { Utf8, Windows1252 };

struct CsvBeschreibung {
    char trenner = ';';
    char dezimal = ',';
    std::string datumsformat = "TT.MM.JJJJ";
    int ueberspringen = 0; // lines before the first booking line
    Zeichensatz zeichensatz = Zeichensatz::Utf8;
    std::string waehrung = "EUR";                // of every line unless a column names it
    std::string iban;                            // the own account, when the export does not say
    std::map<CsvFeld, std::vector<int>> spalten; // columns from 1; text may name several
};

// One rule: the pattern is searched, without regard to case, in the other party's name, a
// blank and the remittance text. Without a side the rule holds for both.
struct Zuordnungsregel {
    std::string muster;
    std::regex ausdruck;
    std::optional<Seite> seite;
    int typ = 0; // the shown type number 0..50
    int zeile = 0;
};

struct Regeldatei {
    std::optional<CsvBeschreibung> csv; // present when the file describes a CSV export
    std::vector<Zuordnungsregel> regeln;
};

struct RegelnGelesen {
    Regeldatei regeln;
    std::vector<Meldung> fehler; // every refused line with its place
};

RegelnGelesen regelnLesen(std::string_view text, const std::string& datei = {});

// The rules whose type is not named on a side they hold for, as refusals with their line.
std::vector<Meldung> regelnPruefen(const Regeldatei& regeln, const Typverwaltung& typen,
                                   const std::string& datei = {});

// The text a pattern is searched in (small letters, umlauts included), and the folding of
// the Latin letters with umlauts that pattern and text share.
std::string suchtext(const Auszugszeile& z);
std::string kleinUmlaute(std::string_view utf8);

} // namespace zalvor::bank
