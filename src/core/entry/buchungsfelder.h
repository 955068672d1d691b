// Fields and steps shared by the booking and the transfer dialog.
#pragma once

#include "core/common/betrag.h"
#include "core/files/buchung.h"
#include "core/files/sitzung.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

// Where a failed check is shown: the platform box (caption "Fehler!", warning icon) or the
// program's own box (caption "Fehler!").
enum class FehlerBox { Meldung, Nachricht };

// The entry whose check failed: the dialog shows itself again with the focus there.
enum class Eingabefeld { Keins, Betrag, Tag, Monat, Bunr, Typ, Konto, Quellkonto, Zielkonto };
void eingabeFehler(Person& person, FehlerBox box, const std::string& text);

struct BetragUndDatum {
    long double betrag = 0;
    std::uint8_t tag = 0;
    std::uint8_t monat = 0;
};

// The amount, day and month checks in their order; the empty amount is shown in `leerBox`,
// the others in the program's own box. nullopt after a message, `feld` naming the entry.
std::optional<BetragUndDatum> betragUndDatumPruefen(Person& person, const std::string& betrag,
                                                    const std::string& tag,
                                                    const std::string& monat, FehlerBox leerBox,
                                                    Eingabefeld* feld = nullptr);

// Currency list: the file's label first, then the other one; selectable only for a new
// booking while both currencies apply.
std::vector<std::string> buchungsWaehrungen(const Verein& v, std::string_view euroText);
bool waehrungWaehlbar(const Verein& v, bool neu);
// True when the amount was typed in Euro: the selected entry names the Euro. An entry that
// cannot be selected counts as the file's currency.
bool inEuroGetippt(const Verein& v, const std::vector<std::string>& waehrungen, bool waehlbar,
                   const std::string& gewaehlt);

// Adds a booking text (Windows form) to the drop-down list of this run.
void buchungstextMerken(std::vector<std::string>& liste, const std::string& text);

// Account number of a list entry (its first character), 0 when the entry is not in the list.
int kontoAusEintrag(const std::vector<std::string>& konten, const std::string& eintrag);

// New (satz nullopt): append with currency conversion, indexes filed. Change: rewrite in
// place and re-file in all nine indexes.
void buchungSpeichern(Verein& v, Person& person, std::optional<std::uint32_t> satz,
                      const TBuchung& b, bool euroGetippt);

// "." + two-digit year, shown beside the date fields.
std::string jahrText(const Verein& v);

// The part both dialogs show alike: year text, currency list, read-only state, and the date,
// number, voucher, amount and currency entries of record `b` (the default date, an empty
// amount for a new booking).
template <class Maske, class Eingaben>
void gemeinsameFelderFuellen(const Sitzung& s, const TBuchung& b, bool neu, Maske& m, Eingaben& e) {
    m.jahrText = jahrText(s.verein);
    m.waehrungen = buchungsWaehrungen(s.verein, s.euroText);
    m.waehrungWaehlbar = waehrungWaehlbar(s.verein, neu);
    m.nurLesen = s.verein.nurLesen;
    e.tag = s.vorgabeTag;
    e.monat = s.vorgabeMonat;
    e.bunr = b.bunr.text();
    e.beleg = b.beleg.text();
    e.betrag = neu ? std::string() : BetragText(b.betrag.wert(), 5);
    e.waehrung = m.waehrungen.front();
}

} // namespace zalvor
