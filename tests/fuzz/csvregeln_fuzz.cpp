// A rules file and a CSV export, split at the first zero byte: the rules read with every
// refusal placed; an accepted CSV description reads the export or refuses it with its line.
#include "fuzzverlangen.h"

#include "core/bank/csvauszug.h"
#include "core/bank/regeln.h"

using namespace zalvor::bank;
using zalvor::fuzz::verlangen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const std::string_view alles(reinterpret_cast<const char*>(daten), n);
    const std::size_t null = alles.find('\0');
    const std::string_view regeln = alles.substr(0, null);
    const std::string_view csv = null == std::string_view::npos ? "" : alles.substr(null + 1);
    const RegelnGelesen r = regelnLesen(regeln);
    for (const Meldung& m : r.fehler)
        verlangen(m.stelle.zeile > 0, "Regelfehler nennt die Zeile");
    for (const Zuordnungsregel& regel : r.regeln.regeln)
        verlangen(regel.typ >= 0 && regel.typ <= 50 && !regel.muster.empty(), "Regel gültig");
    if (!r.fehler.empty() || !r.regeln.csv) return 0;
    try {
        const Kontoauszug a = csvLesen(csv, *r.regeln.csv);
        for (const Auszugszeile& z : a.zeilen)
            verlangen(z.cent >= 0 && z.stelle.zeile > 0, "Zeile mit Betrag und Stelle");
    } catch (const AuszugFehler& f) {
        verlangen(f.meldung().stelle.zeile > 0, "Fehler nennt die Zeile");
    }
    return 0;
}
