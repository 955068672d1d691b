// The booking file: next number, balances, the table and the lists in file order.
#include "fuzzhilfe.h"

#include "core/files/buchungsdatei.h"
#include "core/files/satzdatei.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/sollist.h"
#include "core/mainwindow/kontostaende.h"
#include "core/mainwindow/tabellentexte.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        const auto saetze = buchungenAusBytes({daten, n}).wert;
        fuzz::verlangen(saetze.size() == n / TBuchung::kGroesse, "ganze Saetze");
        for (const TBuchung& b : saetze)
            (void)tabellenZeile(b, u.s.verein.def.typen);
    });
    // The next number, the balances and the lists are commands over the club's folder.
    u.ablegen("Verein.26", daten, n);
    fuzz::alsBefehl([&] {
        naechsteNummerFinden(u.s.verein.datei);
        (void)kontostaendeRaster(kontostaende(u.s.verein), u.s.verein, u.s.euroText);
    });
    fuzz::alsBefehl([&] { (void)einfachListe(u.s.verein, u.s.person, u.s.uhr, u.s.euroText); });
    fuzz::alsBefehl([&] { (void)kontenListe(u.s.verein, u.s.person, u.s.uhr, u.s.euroText, 0); });
    u.s.verein.planvorgaben = true;
    fuzz::alsBefehl([&] { (void)sollIstVergleich(u.s.verein, u.s.person, u.s.uhr, u.s.euroText); });
    return 0;
}
