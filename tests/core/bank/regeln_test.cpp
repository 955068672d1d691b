// The rules file: the CSV description, the assignment rules, every refused line, and the
// check against the club's named types.
#include "auszugtext.h"

#include "core/bank/regeln.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

TEST(Regeln, CsvBeschreibungUndRegeln) {
    const RegelnGelesen r = regelnLesen(test::dateiInhalt("data/bank/csv_musterbank.regeln"));
    ASSERT_TRUE(r.fehler.empty()) << r.fehler.front().vollText();
    ASSERT_TRUE(r.regeln.csv);
    const CsvBeschreibung& c = *r.regeln.csv;
    EXPECT_EQ(c.trenner, ';');
    EXPECT_EQ(c.dezimal, ',');
    EXPECT_EQ(c.ueberspringen, 5);
    EXPECT_EQ(c.zeichensatz, Zeichensatz::Windows1252);
    EXPECT_EQ(c.iban, "DE89370400440532013000");
    EXPECT_EQ(c.spalten.at(CsvFeld::Datum), std::vector<int>{1});
    EXPECT_EQ(c.spalten.at(CsvFeld::Betrag), std::vector<int>{9});
    EXPECT_EQ(c.spalten.count(CsvFeld::Haben), 0U);
    ASSERT_EQ(r.regeln.regeln.size(), 3U);
    EXPECT_EQ(r.regeln.regeln[1].muster, "stadtwerke|strom");
    EXPECT_EQ(r.regeln.regeln[1].seite, Seite::Ausgabe);
    EXPECT_EQ(r.regeln.regeln[1].typ, 3);
    EXPECT_EQ(r.regeln.regeln[1].zeile, 12);
}

TEST(Regeln, NurZuordnungsregelnOhneCsv) {
    const RegelnGelesen r = regelnLesen("# für CAMT\nMiete|Pacht => 7\nSpende => E 12\n");
    EXPECT_TRUE(r.fehler.empty());
    EXPECT_FALSE(r.regeln.csv);
    ASSERT_EQ(r.regeln.regeln.size(), 2U);
    EXPECT_FALSE(r.regeln.regeln[0].seite);
    EXPECT_EQ(r.regeln.regeln[1].seite, Seite::Einnahme);
}

TEST(Regeln, SpaltenEinzelnUndMehrereTextspalten) {
    const RegelnGelesen r =
        regelnLesen("datum %2\nhaben %5\nsoll %6\ntext %7 %8\nWährung USD\nÜberspringen 2\n");
    ASSERT_TRUE(r.fehler.empty()) << r.fehler.front().vollText();
    EXPECT_EQ(r.regeln.csv->spalten.at(CsvFeld::Text), (std::vector<int>{7, 8}));
    EXPECT_EQ(r.regeln.csv->waehrung, "USD");
    EXPECT_EQ(r.regeln.csv->ueberspringen, 2);
}

TEST(Regeln, JedeFalscheZeileMitIhrerStelle) {
    const RegelnGelesen r = regelnLesen("trennzeichen ;;\n"
                                        "dezimalzeichen x\n"
                                        "datumsformat JJJJ\n"
                                        "ueberspringen viele\n"
                                        "zeichensatz ebcdic\n"
                                        "felder datum, nix, betrag\n"
                                        "text 5\n"
                                        "farbe blau\n"
                                        " => 3\n"
                                        "Miete => 51\n"
                                        "Miete => X 3\n"
                                        "(Miete => 3\n"
                                        "Miete => 4\n");
    std::vector<int> zeilen;
    for (const Meldung& m : r.fehler)
        zeilen.push_back(m.stelle.zeile);
    EXPECT_EQ(zeilen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(r.regeln.regeln.size(), 1U);
}

TEST(Regeln, CsvOhneDatumOderBetrag) {
    for (const char* text :
         {"felder name, betrag\n", "felder datum, name\n", "felder datum, haben, betrag, soll\n",
          "felder datum, haben\n", "felder datum, betrag\ntrennzeichen ,\ndezimalzeichen ,\n"}) {
        const RegelnGelesen r = regelnLesen(text);
        EXPECT_FALSE(r.fehler.empty()) << text;
    }
}

TEST(Regeln, PruefungGegenDieBenanntenTypen) {
    Typverwaltung typen;
    typen.setzeTypName(Seite::Einnahme, 1, "Beitraege");
    typen.setzeTypName(Seite::Ausgabe, 3, "Energie");
    typen.setzeTypName(Seite::Einnahme, 3, "Spenden");
    typen.setzeTypName(Seite::Ausgabe, 4, "Getraenke");
    const RegelnGelesen r = regelnLesen("beitrag => E 1\n" // named
                                        "strom => 3\n"     // named on both sides
                                        "getränke => 4\n"  // no income type 4
                                        "zins => E 4\n"    // no income type 4
                                        "kasse => A 4\n"   // named
                                        "sonst => 0\n"     // always there
                                        "miete => A 9\n"); // no expense type 9
    ASSERT_TRUE(r.fehler.empty());
    std::vector<int> zeilen;
    for (const Meldung& m : regelnPruefen(r.regeln, typen, "regeln.txt")) {
        zeilen.push_back(m.stelle.zeile);
        EXPECT_EQ(m.stelle.datei, "regeln.txt");
    }
    EXPECT_EQ(zeilen, (std::vector<int>{3, 4, 7}));
}

} // namespace
} // namespace zalvor::bank
