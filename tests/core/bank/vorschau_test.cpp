// The samples as the import will see them: per line the reason it is not booked, the booking
// fields (DOS texts cut to the record), the proposed type and the duplicate key, for a booking
// file of 2026 in EUR that already knows two parties.
#include "auszugtext.h"

#include "core/bank/auszugbuchung.h"
#include "core/bank/dublette.h"
#include "core/bank/zuordnung.h"
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zalvor::bank {
namespace {

TBuchung bekannt(bool einnahme, const std::string& anVon, std::uint8_t typcode) {
    TBuchung b;
    b.einnahme = einnahme ? 1 : 0;
    b.anVon.setze(dosText(anVon, 15));
    b.typcode = typcode;
    b.monat = 1;
    b.tag = 2;
    b.betrag = Real6::aus(1);
    return b;
}

TEST(AuszugVorschau, ProbenAlsBuchungen) {
    const RegelnGelesen regeln = regelnLesen("stadtwerke|strom => A 3\n"
                                             "spende => E 2\n"
                                             "kontoführung => A 9\n");
    ASSERT_TRUE(regeln.fehler.empty());
    const Lerngedaechtnis gedaechtnis(std::vector<TBuchung>{
        bekannt(true, "Anna Schäfer", 1), bekannt(false, "Hallenwart Schulz", 25)});
    static const char* const kQuellen[] = {"Regel", "gelernt", "keine"};
    std::ostringstream o;
    for (const char* datei : {"camt053_02.xml", "camt053_08.xml", "mt940_musterbank.sta"}) {
        const Einleseergebnis e =
            auszugEinlesen(test::dateiInhalt(std::string("data/bank/") + datei));
        ASSERT_TRUE(e.ok()) << datei;
        o << datei << "\n";
        for (const Kontoauszug& a : e.auszuege) {
            const auto schluessel = dublettenSchluessel(a);
            for (std::size_t i = 0; i < a.zeilen.size(); ++i) {
                const Auszugszeile& z = a.zeilen[i];
                const Buchungsfelder f = buchungsfelder(z, 2026, "EUR");
                const Typvorschlag t = typVorschlagen(regeln.regeln.regeln, gedaechtnis, z);
                o << int(f.tag) << "." << int(f.monat) << ". " << f.cent
                  << (f.einnahme ? " E " : " A ") << "[" << ansiNachUtf8(OemNachAnsi(f.anVon))
                  << "] [" << ansiNachUtf8(OemNachAnsi(f.text)) << "] Typ " << int(t.typcode)
                  << " (" << kQuellen[static_cast<int>(t.quelle)] << ") "
                  << ansiNachUtf8(nichtgebuchtText(f.grund)) << " " << schluessel[i] << "\n";
            }
        }
    }
    test::mitErwartetVergleichen(o.str(), "data/bank/erwartet/vorschau.txt");
}

} // namespace
} // namespace zalvor::bank
