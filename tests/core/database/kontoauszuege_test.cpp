// Imports: every field kept, a booked line never booked twice into a year, the links of a
// year and their renewal.
#include "datenbankhilfe.h"

#include "core/database/kontoauszuege.h"

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
