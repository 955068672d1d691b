// The booking file: next number, balances, the table and the lists in file order.
#include "fuzzhilfe.h"

#include "files/buchungsdatei.h"
#include "lists/buchungslisten.h"
#include "lists/sollist.h"
#include "mainwindow/kontostaende.h"
#include "mainwindow/tabellentexte.h"

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
