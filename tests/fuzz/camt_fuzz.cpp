// camt.053 documents: read, or refused with a place; what is read gives booking fields of
// the record's widths and one duplicate key per line.
#include "fuzzverlangen.h"

#include "core/bank/auszugbuchung.h"
#include "core/bank/camt.h"
#include "core/bank/dublette.h"

using namespace zalvor::bank;
using zalvor::fuzz::verlangen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    std::vector<Meldung> hinweise;
    try {
        const auto auszuege =
            camtLesen(std::string_view(reinterpret_cast<const char*>(daten), n), hinweise);
        for (const Kontoauszug& a : auszuege) {
            verlangen(dublettenSchluessel(a).size() == a.zeilen.size(), "ein Schlüssel je Zeile");
            for (const Auszugszeile& z : a.zeilen) {
                verlangen(z.cent >= 0, "Betrag nicht negativ");
                const Buchungsfelder f = buchungsfelder(z, 2026, "EUR");
                verlangen(f.text.size() <= 30 && f.anVon.size() <= 15, "Breiten des Satzes");
            }
        }
    } catch (const AuszugFehler& f) {
        verlangen(!f.meldung().text.empty(), "Fehler mit Text");
    }
    return 0;
}
