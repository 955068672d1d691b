// List printing laid out with the fixed-width measure: columns, frames per page, the
// counterpart column left out, the comparison without frames, account tabs, page numbers.
#include "aufzeichnendeperson.h"
#include "core/printing/listendruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::eaListe;
using test::eaRaster;
using test::textMit;

TEST(Listendruck, SpaltenFolgenDenKopfzeilen) {
    test::FesteMessung m;
    const Druckeinstellungen e;
    const Druckdokument d = listeSetzen(eaListe(1), e, m, {2400, 3400});
    EXPECT_EQ(d.titel, "Movel95 - Liste");
    ASSERT_EQ(d.seiten.size(), 1u);
    const Druckseite& s = d.seiten[0];
    const Drucktext* titel = textMit(s, "Ein/Aus - Liste");
    ASSERT_TRUE(titel);
    EXPECT_EQ(titel->anker, Anker::ObenLinks);
    EXPECT_EQ(titel->x, 50);
    EXPECT_EQ(titel->y, 20);
    EXPECT_EQ(titel->schrift, (Schriftwahl{1, 3, kFett | kKursiv}));
    // Caption line: y = 20 + 2 * 23, one heading line down, underlined and 3 points larger.
    const Drucktext* ausgaben = textMit(s, "Ausgaben:");
    ASSERT_TRUE(ausgaben);
    EXPECT_EQ(ausgaben->y, 86);
    EXPECT_EQ(ausgaben->schrift.stil, kFett | kKursiv | kUnterstrichen);
    // BuNr 40, Beleg 50, Datum 50, Typ 180, Buchungstext 360, An/Von 180, Betrag 130.
    const Drucktext* vermieter = textMit(s, "Vermieter");
    ASSERT_TRUE(vermieter);
    EXPECT_EQ(vermieter->x, 780);
    EXPECT_EQ(vermieter->schrift.nummer, 2);
    const Drucktext* betrag = textMit(s, "Betrag (EUR)");
    ASSERT_TRUE(betrag);
    EXPECT_EQ(betrag->anker, Anker::UntenRechts);
    EXPECT_EQ(betrag->x, 1100);
    const Drucktext* konto = textMit(s, " 1");
    ASSERT_TRUE(konto);
    EXPECT_EQ(konto->x, 1110);
    // Header row of a text column in font 1 heading style, its cells in font 2.
    EXPECT_EQ(textMit(s, "Buchungstext")->schrift, (Schriftwahl{1, 0, kFett | kKursiv}));
    EXPECT_EQ(textMit(s, "Text 1")->schrift.nummer, 2);
    // Two grids, one frame of three lines each.
    EXPECT_EQ(s.linien.size(), 6u);
    EXPECT_EQ(s.linien[1].x1, 215); // in the middle of the gap before "Typ"
    EXPECT_EQ(s.linien[2].x1, 775); // and before "An/Von"
    EXPECT_EQ(s.linien[0].x2, 970);
}

TEST(Listendruck, OhneAnVonSpalteRueckenDieSpaltenOhneLueckeNach) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.anVon = false;
    const Druckdokument d = listeSetzen(eaListe(1), e, m, {2400, 3400});
    const Druckseite& s = d.seiten[0];
    EXPECT_FALSE(textMit(s, "Vermieter"));
    EXPECT_FALSE(textMit(s, "An/Von"));
    EXPECT_EQ(textMit(s, "Betrag (EUR)")->x, 960);
    EXPECT_EQ(textMit(s, " 1")->x, 970);
    EXPECT_EQ(s.linien[0].x2, 780);
}

TEST(Listendruck, LangeListeBrichtUmUndRahmtJedeSeite) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.seitennummern = true;
    e.oben = 15;
    const Druckdokument d = listeSetzen(eaListe(30), e, m, {2400, 600});
    ASSERT_GE(d.seiten.size(), 2u);
    for (std::size_t i = 0; i < d.seiten.size(); ++i) { // the first page included
        const Druckseite& s = d.seiten[i];
        const Drucktext* nummer = textMit(s, std::to_string(i + 1));
        ASSERT_TRUE(nummer) << i;
        EXPECT_EQ(nummer->anker, Anker::UntenRechts);
        EXPECT_EQ(nummer->x, 2400 - 15);
        EXPECT_EQ(nummer->y, 25); // taller than the top margin: its height + 5
        EXPECT_FALSE(s.linien.empty());
    }
    // The first row of a continued page stands one line below the top margin; its frame
    // starts at the top margin.
    const Druckseite& zweite = d.seiten[1];
    int kleinstesY = 100000;
    for (const Drucktext& t : zweite.texte)
        if (t.anker != Anker::UntenRechts || t.text != "2") kleinstesY = std::min(kleinstesY, t.y);
    EXPECT_EQ(kleinstesY, 35);
    EXPECT_EQ(zweite.linien[1].y1, 15);
    for (const Druckseite& s : d.seiten)
        for (const Drucktext& t : s.texte)
            if (t.anker != Anker::ObenLinks) {
                EXPECT_LE(t.y, 600 - 20 + 25) << t.text;
            }
}

TEST(Listendruck, VergleichOhneRahmenMitWaehrungszeile) {
    test::FesteMessung m;
    const Druckeinstellungen e;
    const Bericht b = test::sollIstVergleich();
    const Druckdokument d = listeSetzen(b, e, m, {2400, 3400});
    const Druckseite& s = d.seiten[0];
    EXPECT_TRUE(s.linien.empty());
    const Drucktext* w = textMit(s, b.waehrungszeile);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->y, 66);
    // Typ 180, every amount column at least " 999999999.99" (130).
    EXPECT_EQ(textMit(s, "10.00")->x, 50 + 180 + 10 + 130);
    EXPECT_EQ(textMit(s, "Differenz")->x, 50 + 190 + 5 * 140 - 10);
}

TEST(Listendruck, AlleKontenDruckenNurBenannteReiterMitTitel) {
    test::FesteMessung m;
    const Druckeinstellungen e;
    Bericht b;
    b.fenstertitel = "Alle Kontenlisten";
    Raster aus = eaRaster("Auszahlungen:", 1);
    aus.kopf.back() = "n. Kto";
    b.reiter.push_back({"1: Kasse", {aus}});
    b.reiter.push_back({"Konto2", {eaRaster("Auszahlungen:", 1)}});
    b.reiter.push_back({"3: Bank", {aus}});
    const Druckdokument d = listeSetzen(b, e, m, {2400, 3400});
    const Druckseite& s = d.seiten[0];
    const Drucktext* kasse = textMit(s, "Kasse");
    ASSERT_TRUE(kasse);
    EXPECT_EQ(kasse->schrift.zuschlag, 5);
    EXPECT_TRUE(textMit(s, "Bank"));
    int auszahlungen = 0;
    for (const Drucktext& t : s.texte)
        auszahlungen += t.text == "Auszahlungen:";
    EXPECT_EQ(auszahlungen, 2);
}

TEST(Listendruck, UnsichtbaresRasterWirdNichtGedruckt) {
    test::FesteMessung m;
    Bericht b = eaListe(1);
    b.reiter[0].raster[1].sichtbar = false;
    const Druckdokument d = listeSetzen(b, Druckeinstellungen{}, m, {2400, 3400});
    EXPECT_FALSE(textMit(d.seiten[0], "Einnahmen:"));
    EXPECT_EQ(d.seiten[0].linien.size(), 3u);
}

TEST(Listendruck, RandVon300WirdAls44Benutzt) {
    test::FesteMessung m;
    test::AufzeichnendePerson p;
    Druckeingaben ein = druckeingaben(Druckeinstellungen{});
    ein.oben = "300";
    const auto e = druckeingabenPruefen(ein, p);
    ASSERT_TRUE(e);
    const Druckdokument d = listeSetzen(eaListe(1), *e, m, {2400, 3400});
    EXPECT_EQ(textMit(d.seiten[0], "Ein/Aus - Liste")->y, 44);
}

} // namespace
} // namespace zalvor
