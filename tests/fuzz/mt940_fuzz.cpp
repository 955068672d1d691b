// MT940 files: read, or refused with the line; a line's amount is never negative and its
// dates are real dates.
#include "fuzzverlangen.h"

#include "core/bank/bankwerte.h"
#include "core/bank/dublette.h"
#include "core/bank/mt940.h"

using namespace zalvor::bank;
using zalvor::fuzz::verlangen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const std::string_view text(reinterpret_cast<const char*>(daten), n);
    std::vector<Meldung> hinweise;
    (void)siehtNachMt940Aus(text);
    try {
        for (const Kontoauszug& a : mt940Lesen(text, hinweise)) {
            verlangen(dublettenSchluessel(a).size() == a.zeilen.size(), "ein Schlüssel je Zeile");
            for (const Auszugszeile& z : a.zeilen) {
                verlangen(z.cent >= 0, "Betrag nicht negativ");
                verlangen(gueltigesDatum(z.buchungsdatum) && gueltigesDatum(z.valuta), "Daten");
                verlangen(z.stelle.zeile > 0, "Zeile bekannt");
            }
        }
    } catch (const AuszugFehler& f) {
        verlangen(f.meldung().stelle.zeile > 0, "Fehler nennt die Zeile");
    }
    return 0;
}
