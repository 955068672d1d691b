// Imports: every field kept, a booked line never booked twice into a year, the links of a
// year and their renewal.
#include "datenbankhilfe.h"

#include "core/database/kontoauszuege.h"
#include "core/database/zuordnungsregeln.h"

namespace zalvor::test {
namespace {

TBuchung buchung(const char* bunr) {
    TBuchung b;
    b.bunr.setze(bunr);
    b.betrag = Real6::aus(25);
    b.einnahme = 1;
    b.kontoNach = 1;
    return b;
}

Importzeile zeile(const std::string& schluessel, const char* bunr = nullptr) {
    Importzeile z;
    z.zeile.buchungsdatum = {2026, 3, 2};
    z.zeile.cent = 2500;
    z.zeile.waehrung = "EUR";
    z.doppelschluessel = schluessel;
    if (bunr) z.buchung = buchung(bunr).packen();
    return z;
}

Kontoauszugsimport import(std::vector<Importzeile> zeilen, const std::string& jahr = "26") {
    return {jahr,
            "auszug.xml",
            bank::Auszugformat::Camt053,
            "2026-03-05T10:00:00",
            1,
            "A-7",
            std::nullopt,
            std::nullopt,
            false,
            std::move(zeilen)};
}

TEST(Kontoauszuege, KeepEveryFieldOfAnImport) {
    Vereinsdatenbank v;
    bank::Auszugszeile z{{2026, 3, 2},
                         Datum{2026, 3, 3},
                         1990,
                         bank::Richtung::Soll,
                         "EUR",
                         bank::Status::Gebucht,
                         true,
                         "Müller",
                         "DE02120300000000202051",
                         "BYLADEM1001",
                         "Beitrag März",
                         "Lastschrift",
                         "105",
                         "REF1",
                         "E-1",
                         "E2E-9",
                         "M-4",
                         "DE98ZZZ09999999999",
                         "AC04",
                         2,
                         {"a.xml", 40, "Ntry"}};
    Importzeile voll{z, "REF1", buchung("4").packen()};
    Kontoauszugsimport im = import({voll, zeile("Vorgemerkt")});
    im.zeilen[1].zeile.status = bank::Status::Vorgemerkt;
    im.format = bank::Auszugformat::Mt940;
    im.offen = true;
    im.schlusssaldo = -1234;
    im.schlussdatum = Datum{2026, 3, 31};
    const auto id = v.aendern([&](Transaktion& t) { return importEintragen(t, im); });
    ASSERT_TRUE(id) << id.meldung();
    EXPECT_EQ(importLesen(v.db, *id), im);
}

TEST(Kontoauszuege, ABookedLineIsBookedOncePerYear) {
    Vereinsdatenbank v;
    ASSERT_TRUE(v.aendern([](Transaktion& t) {
        return importEintragen(t, import({zeile("R1", "1"), zeile("R2")}));
    }));
    EXPECT_EQ(gebuchteSchluessel(v.db, "26"), (std::unordered_set<std::string>{"R1"}));
    struct Fall {
        Kontoauszugsimport im;
        bool angenommen;
    };
    const std::vector<Fall> faelle{
        {import({zeile("R1", "2")}), false},                   // booked before
        {import({zeile("R3", "2"), zeile("R3", "3")}), false}, // twice in one import
        {import({zeile("R1")}), true},                         // listed, not booked again
        {import({zeile("R2", "2")}), true},                    // only listed before
        {import({zeile("R1", "2")}, "27"), true},              // another year
    };
    for (const auto& f : faelle) {
        const auto e = v.aendern([&](Transaktion& t) { return importEintragen(t, f.im); });
        EXPECT_EQ(e.ok(), f.angenommen) << f.im.zeilen[0].doppelschluessel << " " << f.im.jahr;
    }
    Kontoauszugsimport vorgemerkt = import({zeile("R9", "5")});
    vorgemerkt.zeilen[0].zeile.status = bank::Status::Vorgemerkt;
    EXPECT_FALSE(v.aendern([&](Transaktion& t) { return importEintragen(t, vorgemerkt); }));
}

TEST(Kontoauszuege, AConfirmedOpenImportKeepsTheLinksOfTheBookingsFound) {
    Vereinsdatenbank v;
    Kontoauszugsimport im = import({zeile("A", "1"), zeile("B"), zeile("C", "2"), zeile("D", "3")});
    im.offen = true;
    const auto id = v.aendern([&](Transaktion& t) { return importEintragen(t, im); }).wert();
    v.aendern([](Transaktion& t) { ASSERT_TRUE(importEintragen(t, import({zeile("E", "4")}))); });
    EXPECT_EQ(offeneImporte(v.db, "26"), std::vector<std::int64_t>{id});
    v.aendern([&](Transaktion& t) { importBestaetigen(t, id, {true, false, true}); });
    EXPECT_TRUE(offeneImporte(v.db, "26").empty());
    EXPECT_EQ(gebuchteSchluessel(v.db, "26"), (std::unordered_set<std::string>{"A", "D", "E"}));
}

// A database of the first version keeps its imports, lines and rules when brought up to date.
TEST(Kontoauszuege, AFirstVersionDatabaseKeepsItsRowsWhenMigrated) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Alt.zdb");
    {
        auto alt = Datenbank::schreiben(pfad, vereinsschema().first(1)).wert();
        Transaktion t(alt);
        t.zumSchreiben().ausfuehren(
            "INSERT INTO import VALUES (1, '26', 'a.xml', 'camt.053', '2026-03-05T10:00:00', 2, "
            "'A-1', 500, '2026-03-31');"
            "INSERT INTO auszugszeile (import, jahr, nr, buchungsdatum, valutadatum, betrag, "
            "richtung, waehrung, status, name, iban, bic, text, zusatz, bankreferenz, "
            "eintragsreferenz, ende_zu_ende, mandatsreferenz, glaeubiger, rueckgabegrund, "
            "stelle, doppelschluessel) VALUES (1, '26', 0, '2026-03-02', NULL, 2500, 'CRDT', "
            "'EUR', 'BOOK', 'Anna', '', '', 'Spende', '', 'R1', '', '', '', '', '', 'Zeile 9', "
            "'R|R1');"
            "INSERT INTO zuordnungsregel VALUES (1, 'miete', 'A', 3);");
        t.festschreiben();
    }
    const auto db = Datenbank::lesen(pfad).wert();
    const auto im = importLesen(db, 1);
    ASSERT_TRUE(im);
    EXPECT_FALSE(im->offen);
    ASSERT_EQ(im->zeilen.size(), 1u);
    EXPECT_EQ(im->zeilen[0].zeile.name, "Anna");
    EXPECT_EQ(im->zeilen[0].zeile.stelle.element, "Zeile 9");
    EXPECT_EQ(im->zeilen[0].zeile.teil, 0);
    const auto regeln = gespeicherteRegeln(db);
    ASSERT_EQ(regeln.size(), 1u);
    EXPECT_EQ(regeln[0].seite, Seite::Ausgabe);
    EXPECT_EQ(regeln[0].typ, 3);
}

TEST(Kontoauszuege, ListTheLinksOfAYearAndRenewThem) {
    Vereinsdatenbank v;
    v.aendern([](Transaktion& t) {
        ASSERT_TRUE(importEintragen(t, import({zeile("A", "1"), zeile("B"), zeile("C", "2")})));
        ASSERT_TRUE(importEintragen(t, import({zeile("A", "9")}, "25")));
    });
    auto links = verknuepfungen(v.db, "26");
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].verweis, buchungsverweis("26", buchung("1")));
    EXPECT_EQ(links[1].verweis, buchungsverweis("26", buchung("2")));

    TBuchung neu = buchung("2");
    neu.beleg.setze("B7");
    v.aendern([&](Transaktion& t) { verweisErneuern(t, links[1].zeile, neu); });
    EXPECT_EQ(verknuepfungen(v.db, "26")[1].verweis, buchungsverweis("26", neu));
}

} // namespace
} // namespace zalvor::test
