// The nine index files beside a booking file: the check at opening and the lists that walk
// an index. Input: sort order, record count, the records, then per index a length byte
// (255: no file) and that many entries.
#include "fuzzhilfe.h"

#include "core/files/buchung.h"
#include "core/files/indexdatei.h"
#include "core/files/oeffnen.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/listenfolge.h"

#include <string>

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::Zerleger z(daten, n);
    const std::uint8_t wahl = z.byte();
    u.s.verein.sortierung = static_cast<Sortierung>(wahl % 5);
    const std::size_t saetze = z.byte() % 32;
    u.ablegen("Verein.26", z.stueck(saetze * TBuchung::kGroesse));
    for (int k = 1; k <= 9; ++k) {
        const std::uint8_t laenge = z.byte();
        if (laenge == 255) continue;
        u.ablegen("Verein.26" + std::to_string(k), z.stueck(std::size_t{laenge} * 2));
    }
    fuzz::alsBefehl([&] {
        (void)indizesPruefen(u.s.verein.datei);
        (void)indexCheckBeimOeffnen(u.s);
    });
    fuzz::alsBefehl([&] { (void)einfacheFolge(u.s.verein, u.s.person); });
    fuzz::alsBefehl([&] { (void)eaFolge(u.s.verein, u.s.person); });
    fuzz::alsBefehl([&] { (void)einfachListe(u.s.verein, u.s.person, u.s.uhr, u.s.euroText); });
    fuzz::alsBefehl([&] { (void)eaListe(u.s.verein, u.s.person, u.s.uhr, u.s.euroText); });
    fuzz::alsBefehl([&] {
        (void)kontenListe(u.s.verein, u.s.person, u.s.uhr, u.s.euroText, (wahl >> 4) % 10);
    });
    return 0;
}
