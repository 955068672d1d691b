// The booking lists: rows, sums, captions, the index they follow and the damaged-index
// fallback.
#include "../files/buchungsdaten.h"

#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/files/sortierung.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/listenzellen.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Kassenbuch;
using test::Satz;
using Zeile = std::vector<std::string>;

// Kasse (1), Bank (2), account 3 unused; an expense type and an income type.
class Listen : public ::testing::Test {
  protected:
    void SetUp() override {
        kb.s.verein.def.konten = {"",         "Kasse",    "Bank",     kUnbenannt, kUnbenannt,
                                  kUnbenannt, kUnbenannt, kUnbenannt, kUnbenannt, kUnbenannt};
        kb.s.verein.def.typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        kb.s.verein.def.typen.setzeTypName(Seite::Einnahme, 1, "Spenden");
    }
    void umbuchen(const std::string& nr, long double betrag, int von, int nach) {
        TBuchung b = test::buchung({.bunr = nr, .text = "Umbuchung", .betrag = betrag});
        b.typcode = 21;
        b.kontoVon = static_cast<std::uint8_t>(von);
        b.kontoNach = static_cast<std::uint8_t>(nach);
        buchungAnhaengen(kb.s.verein, kb.s.person, b, {false, false, true, true});
    }
    // AB income 100 on Kasse, expense 30 on Bank (planned), deleted record, transfer 50
    // Kasse > Bank, income 20 on Bank, expense 7 on Kasse.
    void typischesJahr() {
        kb.buchen({.bunr = "AB",
                   .text = "Anfangsbestand",
                   .betrag = 100,
                   .einnahme = true,
                   .typ = 0,
                   .konto = 1});
        kb.buchen({.bunr = "2",
                   .text = "Halle",
                   .betrag = 30,
                   .tag = 5,
                   .monat = 3,
                   .konto = 2,
                   .geplant = true});
        kb.buchen({.bunr = "3", .betrag = 0});
        umbuchen("4", 50, 1, 2);
        kb.buchen({.bunr = "5",
                   .text = "Spende",
                   .betrag = 20,
                   .einnahme = true,
                   .tag = 12,
                   .monat = 11,
                   .konto = 2});
        kb.buchen({.bunr = "6", .text = "Porto", .betrag = 7, .typ = 0, .konto = 1});
    }
    static Zeile bunrSpalte(const Raster& r) {
        Zeile z;
        for (const auto& zeile : r.zeilen)
            z.push_back(zeile[0]);
        return z;
    }
    Kassenbuch kb;
};

TEST_F(Listen, EinfachlisteMitGeldbestand) {
    typischesJahr();
    const Bericht b = einfachListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
    EXPECT_EQ(b.fenstertitel, A("Listenübersicht für Datei: ") + kb.s.verein.datei.basisname +
                                  " (Buchungsjahr: 26; Stand: 1.3.26)");
    ASSERT_EQ(b.reiter.size(), 1u);
    ASSERT_EQ(b.reiter[0].raster.size(), 1u);
    const Raster& r = b.reiter[0].raster[0];
    EXPECT_EQ(r.kopf, (Zeile{"BuNr", "Beleg", "Datum", "Typ", "Buchungstext", "An/Von",
                             "Betrag (DM)", "Von Kto", "Nach Kto"}));
    EXPECT_EQ(r.breiten, (std::vector<int>{34, 43, 51, 64, 116, 64, 84, 61, 68}));
    // Six records: five shown, dashes, total, one empty row for the deleted record.
    ASSERT_EQ(r.zeilen.size(), 8u);
    EXPECT_EQ(r.zeilen[0],
              (Zeile{"AB", "", " 1. 1.", "", "Anfangsbestand", "", "    100.00", "", "Kasse "}));
    EXPECT_EQ(r.zeilen[1],
              (Zeile{"2", "", " 5. 3.", "Miete", "Halle", "", "     30.00", "(Bank)", ""}));
    EXPECT_EQ(r.zeilen[2], (Zeile{"4", "", " 1. 1.", "Umbuchung", "Umbuchung", "", "     50.00",
                                  "Kasse ", "Bank "}));
    EXPECT_EQ(r.zeilen[4][3], "Sonstige");
    EXPECT_EQ(r.zeilen[5][6], "----------");
    // 100 - 30 + 20 - 7; the transfer does not count.
    EXPECT_EQ(r.zeilen[6][4], "G e l d b e s t a n d :");
    EXPECT_EQ(r.zeilen[6][6], "     83.00");
    EXPECT_EQ(r.zeilen[7], Zeile(9));
    EXPECT_TRUE(kb.person.meldungen().empty());
}

TEST_F(Listen, EAListeOhneUmbuchungUndAnfangsbestand) {
    typischesJahr();
    const Bericht b = eaListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
    EXPECT_EQ(b.fenstertitel.rfind("Ein/Aus - Liste f", 0), 0u);
    ASSERT_EQ(b.reiter[0].raster.size(), 2u);
    const Raster& oben = b.reiter[0].raster[0];
    const Raster& unten = b.reiter[0].raster[1];
    EXPECT_EQ(oben.ueberschrift, "Ausgaben:");
    EXPECT_EQ(unten.ueberschrift, "Einnahmen:");
    EXPECT_EQ(oben.kopf.back(), "Konto");
    EXPECT_EQ(oben.breiten, (std::vector<int>{34, 43, 51, 64, 183, 62, 83, 51}));
    EXPECT_EQ(bunrSpalte(oben), (Zeile{"2", "6", "", ""}));
    EXPECT_EQ(oben.zeilen[0].back(), "(2)");
    EXPECT_EQ(oben.zeilen[1].back(), " 1");
    EXPECT_EQ(oben.zeilen[3][4], "S u m m e :");
    EXPECT_EQ(oben.zeilen[3][6], "     37.00");
    EXPECT_EQ(bunrSpalte(unten), (Zeile{"5", "", ""}));
    EXPECT_EQ(unten.zeilen[0],
              (Zeile{"5", "", "12.11.", "Spenden", "Spende", "", "     20.00", " 2"}));
    EXPECT_EQ(unten.zeilen[2][6], "     20.00");
}

TEST_F(Listen, NurAusgabenLassenDieEinnahmenMitNullsumme) {
    kb.buchen({.bunr = "1", .betrag = 12.5L});
    const Raster unten =
        eaListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText).reiter[0].raster[1];
    ASSERT_EQ(unten.zeilen.size(), 2u);
    EXPECT_EQ(unten.zeilen[0][6], "----------");
    EXPECT_EQ(unten.zeilen[1][6], "      0.00");
}

TEST_F(Listen, LeereDateiOhneIndizesHatNurSummenzeilen) {
    kb.s.verein.sortierung = Sortierung::Datum;
    const Raster r =
        einfachListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText).reiter[0].raster[0];
    ASSERT_EQ(r.zeilen.size(), 2u);
    EXPECT_EQ(r.zeilen[1][6], "      0.00");
    const Bericht ea = eaListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
    EXPECT_EQ(ea.reiter[0].raster[1].zeilen.size(), 2u);
    EXPECT_TRUE(kb.person.meldungen().empty());
}

TEST_F(Listen, KontenlisteZeigtUmbuchungInBeidenKontenUndABAlsEingang) {
    typischesJahr();
    const Bericht kasse = kontenListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText, 1);
    EXPECT_EQ(kasse.fenstertitel.rfind("Kontenliste \"Kasse\" f", 0), 0u);
    const Raster& aus = kasse.reiter[0].raster[0];
    const Raster& ein = kasse.reiter[0].raster[1];
    EXPECT_EQ(aus.ueberschrift, "Auszahlungen:");
    EXPECT_EQ(ein.ueberschrift, "Einzahlungen:");
    EXPECT_EQ(aus.kopf.back(), "n. Kto");
    EXPECT_EQ(ein.kopf.back(), "v. Kto");
    EXPECT_EQ(bunrSpalte(aus), (Zeile{"4", "6", "", ""}));
    EXPECT_EQ(aus.zeilen[0].back(), "2");
    EXPECT_EQ(aus.zeilen[3][6], "     57.00");
    EXPECT_EQ(bunrSpalte(ein), (Zeile{"AB", "", ""}));

    const Raster bankAus =
        kontenListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText, 2).reiter[0].raster[0];
    EXPECT_EQ(bankAus.zeilen[0].back(), "*PL*");
    const Raster bankEin =
        kontenListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText, 2).reiter[0].raster[1];
    EXPECT_EQ(bunrSpalte(bankEin), (Zeile{"4", "5", "", ""}));
    EXPECT_EQ(bankEin.zeilen[0].back(), "1");
    EXPECT_EQ(bankEin.zeilen[3][6], "     70.00");
}

TEST_F(Listen, AlleKontenMitUnbenanntemKontoOhneRaster) {
    typischesJahr();
    const Bericht b = kontenListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText, 0);
    EXPECT_EQ(b.fenstertitel.rfind("Alle Kontenlisten f", 0), 0u);
    ASSERT_EQ(b.reiter.size(), 9u);
    EXPECT_EQ(b.reiter[0].titel, "1: Kasse");
    EXPECT_EQ(b.reiter[1].titel, "2: Bank");
    EXPECT_EQ(b.reiter[2].titel, "Konto3");
    for (const auto& r : b.reiter[2].raster) {
        EXPECT_FALSE(r.sichtbar);
        EXPECT_EQ(r.gefuellteZeilen(), 0u);
    }
    EXPECT_EQ(b.reiter[1].raster[1].zeilen,
              kontenListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText, 2)
                  .reiter[0]
                  .raster[1]
                  .zeilen);
}

TEST_F(Listen, ListenFolgenDemIndexDerSortierung) {
    kb.buchen({.bunr = "1", .text = "Zeitung", .betrag = 5, .einnahme = true, .tag = 9});
    kb.buchen({.bunr = "2", .text = "Bahn", .betrag = 9, .tag = 3});
    kb.buchen({.bunr = "3", .text = "Miete", .betrag = 1, .tag = 1});
    struct Fall {
        Sortierung sortierung;
        Zeile einfach; // simple list (plain index)
        Zeile ausgaben;
    };
    const Fall faelle[] = {
        {Sortierung::Nummer, {"1", "2", "3"}, {"2", "3"}},
        {Sortierung::Text, {"2", "3", "1"}, {"2", "3"}},
        {Sortierung::Betrag, {"3", "1", "2"}, {"3", "2"}},
        {Sortierung::Datum, {"3", "2", "1"}, {"3", "2"}},
    };
    for (const auto& f : faelle) {
        kb.s.verein.sortierung = f.sortierung;
        Zeile einfach = bunrSpalte(
            einfachListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText).reiter[0].raster[0]);
        einfach.resize(3);
        EXPECT_EQ(einfach, f.einfach) << sortierungName(f.sortierung);
        Zeile aus = bunrSpalte(
            eaListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText).reiter[0].raster[0]);
        aus.resize(2);
        EXPECT_EQ(aus, f.ausgaben) << sortierungName(f.sortierung);
    }
    EXPECT_TRUE(kb.person.meldungen().empty());
}

TEST_F(Listen, NummernfolgeBrauchtKeineIndexdatei) {
    typischesJahr();
    for (int k = 1; k <= 9; ++k)
        if (k != 4) dateiLoeschen(kb.index(k));
    EXPECT_EQ(
        bunrSpalte(
            einfachListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText).reiter[0].raster[0])[0],
        "AB");
}

const char* const kBeschaedigt =
    "Indexdatei ist besch„digt (Reorganisieren!). Sortiere in Buchungsrehenfolge...";

TEST_F(Listen, BeschaedigterIndexGibtDateifolgeUndSetztSortierungZurueck) {
    kb.buchen({.bunr = "1", .text = "Zeitung", .betrag = 5, .einnahme = true});
    kb.buchen({.bunr = "2", .text = "Bahn", .betrag = 9});
    kb.buchen({.bunr = "3", .text = "Miete", .betrag = 1});
    // Count right, one entry past the end of the file.
    indexSchreiben(kb.s.verein.datei, 1, {1, 7, 0});
    kb.s.verein.sortierung = Sortierung::Text;
    const Raster r =
        einfachListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText).reiter[0].raster[0];
    EXPECT_EQ(bunrSpalte(r), (Zeile{"1", "2", "3", "", ""}));
    auto m = kb.person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Fehler!!!");
    EXPECT_EQ(m[0].text, kBeschaedigt);
    EXPECT_EQ(m[0].symbol, Symbol::Fehler);
    // The order stays reset: the next list asks nothing.
    EXPECT_EQ(kb.s.verein.sortierung, Sortierung::Nummer);
    einfachListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
    EXPECT_EQ(kb.person.meldungen().size(), 1u);
}

TEST_F(Listen, BeschaedigterEAIndexTeiltDieDateifolge) {
    kb.buchen({.bunr = "1", .betrag = 5, .einnahme = true});
    kb.buchen({.bunr = "2", .betrag = 9});
    kb.buchen({.bunr = "3", .betrag = 4, .einnahme = true});
    kb.buchen({.bunr = "4", .betrag = 1});
    struct Fall {
        const char* name;
        std::vector<std::uint16_t> index;
    };
    const Fall faelle[] = {
        {"ein Eintrag zu wenig", {1, 3, 0}},
        {"Eintrag hinter dem Ende", {1, 3, 0, 9}},
        {"Satz doppelt", {1, 3, 0, 0}},
        {"Ausgabe nach Einnahme", {1, 0, 3, 2}},
    };
    for (const auto& f : faelle) {
        kb.person.leeren();
        indexSchreiben(kb.s.verein.datei, 4, f.index);
        const Bericht b = eaListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
        EXPECT_EQ(bunrSpalte(b.reiter[0].raster[0]), (Zeile{"2", "4", "", ""})) << f.name;
        EXPECT_EQ(bunrSpalte(b.reiter[0].raster[1]), (Zeile{"1", "3", "", ""})) << f.name;
        EXPECT_EQ(kontenListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText, 1)
                      .reiter[0]
                      .raster[0]
                      .zeilen[0][0],
                  "2")
            << f.name;
        ASSERT_EQ(kb.person.meldungen().size(), 2u) << f.name;
        EXPECT_EQ(kb.person.meldungen()[0].text, kBeschaedigt);
    }
}

TEST(ListenBetrag, GleichtDemAllgemeinenBetragstext) {
    for (long double wert :
         {0.0L, 0.01L, -0.01L, 12.5L, -1234.56L, 0.125L, 2.675L, -0.001L, 99999999.99L, 1e14L,
          -3e15L, 1e30L, durchReal6(0.285L), durchReal6(1.955L)})
        EXPECT_EQ(listenBetrag(wert), BetragText(wert, 10)) << static_cast<double>(wert);
}

TEST_F(Listen, StandMitZweistelligemJahr) {
    kb.uhr.setze(Datum{2005, 12, 24});
    EXPECT_NE(eaListe(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText)
                  .fenstertitel.find("; Stand: 24.12.05)"),
              std::string::npos);
}

} // namespace
} // namespace zalvor
