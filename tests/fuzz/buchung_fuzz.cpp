// One booking record of 70 bytes: unpacked, packed back byte for byte, and every text and key
// the program makes of it.
#include "fuzzhilfe.h"

#include "core/files/buchung.h"
#include "core/files/indexdatei.h"
#include "core/mainwindow/kontostaende.h"
#include "core/mainwindow/tabellentexte.h"
#include "core/templates/schablone.h"

#include <algorithm>
#include <array>

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    std::array<std::uint8_t, TBuchung::kGroesse> roh{};
    std::copy_n(daten, std::min(n, roh.size()), roh.begin());
    const TBuchung b = TBuchung::entpacken(roh.data());
    fuzz::verlangen(b.packen() == roh, "Satz packt sich byte-gleich zurueck");
    if (!b.betrag.istNull()) {
        fuzz::verlangen(Real6::aus(b.betrag.wert()) == b.betrag, "Real6 rund");
    }
    static const Typverwaltung typen;
    static const TDefinitionen def;
    (void)tabellenZeile(b, typen);
    for (int k = 1; k <= 9; ++k)
        (void)sortiertVorOderGleich(k, b, b);
    (void)kontostaendeAus({b, b}, def);
    const TSchablone t{b};
    (void)wiederholungVon(t.code());
    (void)t.buchung(b.tag, b.monat, b.bunr.text());
    return 0;
}
