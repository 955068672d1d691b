// The club database under a failure at every file step: made, migrated and changed all or
// nothing.
#include "fehlerlauf.h"
#include "tempverzeichnis.h"

#include "core/database/bankkonten.h"
#include "core/database/datenbank.h"
#include "core/database/inhalt.h"
#include "core/database/kontoauszuege.h"
#include "core/database/lastschriften.h"
#include "core/database/mandate.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

void ohneProbleme(const Fehlerbericht& bericht) {
    EXPECT_GT(bericht.schritte, 5u);
    for (const auto& p : bericht.probleme)
        ADD_FAILURE() << p;
}

TEST(DatenbankFehlerlauf, MakingTheDatabase) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Verein.zdb");
    ohneProbleme(fehlerlaeufe(
        dir.pfad(), [&] { return Datenbank::schreiben(pfad).ok(); },
        [](const Laufbefund& b) { return dateienGanz(b); }));
    EXPECT_FALSE(datenbankInhalt(pfad).empty());
}

// SQLite's empty database (a file of 0 bytes, as an interrupted first use leaves it).
TEST(DatenbankFehlerlauf, MigratingFromAnEmptyDatabase) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Verein.zdb");
    bytesSchreiben(pfad, {});
    ohneProbleme(fehlerlaeufe(
        dir.pfad(), [&] { return Datenbank::schreiben(pfad).ok(); },
        [](const Laufbefund& b) { return dateienGanz(b); }));
    EXPECT_FALSE(datenbankInhalt(pfad).empty());
}

Kontoauszugsimport auszug(const std::string& referenz, int zeilen) {
    Kontoauszugsimport im{"26",
                          "auszug.xml",
                          bank::Auszugformat::Camt053,
                          "2026-03-05T10:00:00",
                          1,
                          referenz,
                          120000,
                          Datum{2026, 3, 4},
                          false,
                          {}};
    for (int i = 0; i < zeilen; ++i) {
        Importzeile z;
        z.zeile.buchungsdatum = {2026, 3, 1 + i};
        z.zeile.cent = 2500 + i;
        z.zeile.waehrung = "EUR";
        z.zeile.text = std::string(300, static_cast<char>('a' + i));
        z.doppelschluessel = referenz + "/" + std::to_string(i);
        TBuchung b;
        b.betrag = Real6::aus(25);
        b.bunr.setze(std::to_string(i + 1));
        if (i != 1) z.buchung = b.packen();
        im.zeilen.push_back(z);
    }
    return im;
}

// What importing a statement with direct-debit credits writes in one transaction: the
// import with its lines and links, a renamed member's mandate, a counter, the journal mark.
TEST(DatenbankFehlerlauf, AWriteTransaction) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Verein.zdb");
    {
        auto db = Datenbank::schreiben(pfad).wert();
        Transaktion t(db);
        ASSERT_TRUE(bankkontoSetzen(t, 1, "DE89370400440532013000", "Sparkasse"));
        ASSERT_TRUE(importEintragen(t, auszug("A1", 2)));
        Mandat m{0, {}, "DE02120300000000202051", "", "Anna Abel", "M1", {2025, 1, 1}, true};
        ASSERT_TRUE(mandatSetzen(t, {"Abel", "Anna", 0}, m));
        t.festschreiben();
    }
    ohneProbleme(fehlerlaeufe(
        dir.pfad(),
        [&] {
            auto db = Datenbank::schreiben(pfad);
            if (!db) return false;
            Transaktion t(*db);
            if (!importEintragen(t, auszug("A2", 4))) return false;
            mitgliedUmbenannt(t, {"Abel", "Anna", 0}, {"Zorn", "Anna", 0});
            zaehlerWeiter(t, "Nachricht");
            t.festschreiben("Lauf 7");
            return true;
        },
        [](const Laufbefund& b) { return dateienGanz(b); }));
    EXPECT_TRUE(journalFestgeschrieben(pfad, "Lauf 7"));
    EXPECT_EQ(verknuepfungen(Datenbank::lesen(pfad).wert(), "26").size(), 4u);
}

} // namespace
} // namespace zalvor::test
