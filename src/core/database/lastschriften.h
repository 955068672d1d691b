// Submitted direct-debit files and their debits, so that a later credit or return on the
// bank statement is matched to its debit; counters for unique message ids.
#pragma once

#include "core/common/uhr.h"
#include "core/database/datenbank.h"
#include "core/database/mitgliedsschluessel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

enum class Sequenz { Erst, Folge }; // FRST, RCUR

// Texts in UTF-8, as written into the file.
struct Lastschrift {
    std::int64_t mandat = 0; // the mandate's id
    std::string name;        // the member's first and last name
    std::string referenz;    // the mandate reference used
    std::int64_t betrag = 0; // cents, above 0
    std::string endeZuEnde;  // unique among all debits ever submitted
    std::string zahlung;     // id of its payment information block
    Sequenz sequenz = Sequenz::Erst;
    Datum faellig; // requested collection date
    friend bool operator==(const Lastschrift&, const Lastschrift&) = default;
};

struct Lastschriftdatei {
    std::string datei;     // the file's name
    std::string nachricht; // message id, unique
    std::string erstellt;  // "JJJJ-MM-TTTHH:MM:SS"
    std::vector<Lastschrift> lastschriften;
    friend bool operator==(const Lastschriftdatei&, const Lastschriftdatei&) = default;
};

// Records the written file with its debits, and every mandate of the file now counts as
// collected before; returns the file's id. Refused: a message id or end-to-end id used
// before (or twice in the file), an unknown mandate, an amount not above 0.
Ergebnis<std::int64_t> lastschriftdateiEintragen(Transaktion& t, const Lastschriftdatei& d);

struct EingereichteLastschrift {
    Lastschrift lastschrift;
    std::int64_t datei = 0;
    std::string nachricht;
    std::optional<Mitgliedsschluessel> mitglied; // none: the member was removed since
};
std::optional<EingereichteLastschrift> lastschriftSuchen(const Datenbank& db,
                                                         std::string_view endeZuEnde);

// The same for many ids (every line of a statement): the statement is prepared once. The
// database must outlive it.
class Lastschriftsuche {
  public:
    explicit Lastschriftsuche(const Datenbank& db);
    std::optional<EingereichteLastschrift> operator()(std::string_view endeZuEnde);

  private:
    Anweisung a_;
};

// The counter's next value: 1, 2, 3, ... per name, never given twice.
std::int64_t zaehlerWeiter(Transaktion& t, std::string_view name);

} // namespace zalvor
