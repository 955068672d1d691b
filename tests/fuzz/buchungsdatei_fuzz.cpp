// The booking file: next number, balances, the table and the lists in file order.
#include "fuzzhilfe.h"

#include "core/files/buchungsdatei.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/sollist.h"
#include "core/mainwindow/kontostaende.h"
#include "core/mainwindow/tabellentexte.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    u.ablegen("Verein.26", daten, n);
    fuzz::alsBefehl([&] {
        naechsteNummerFinden(u.s);
        const auto saetze = alleBuchungenLesen(u.s.datei.dateiname());
        fuzz::verlangen(saetze.size() == n / TBuchung::kGroesse, "ganze Saetze");
        for (const TBuchung& b : saetze)
            (void)tabellenZeile(b, u.s.def.typen);
        (void)kontostaendeRaster(kontostaende(u.s), u.s);
    });
    fuzz::alsBefehl([&] { (void)einfachListe(u.s); });
    fuzz::alsBefehl([&] { (void)kontenListe(u.s, 0); });
    u.s.planvorgaben = true;
    fuzz::alsBefehl([&] { (void)sollIstVergleich(u.s); });
    return 0;
}
