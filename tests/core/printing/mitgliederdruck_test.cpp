// Member list printout: column positions from the widest cell, font 2 for the free columns,
// the four styles of the paid column and the page break.
#include "core/printing/mitgliederdruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::mitgliederliste;
using test::textMit;

TEST(Mitgliederdruck, BezSpalteInVierStilen) {
    test::FesteMessung m;
    const Druckeinstellungen e;
    struct Fall {
        Bezahltstil stil;
        std::vector<Kastenart> kaesten;
        const char* bezahlt;
        const char* offen;
    };
    const Fall faelle[] = {
        {Bezahltstil::Haken, {Kastenart::Haken, Kastenart::Leer}, nullptr, nullptr},
        {Bezahltstil::Kreuz, {Kastenart::Kreuz, Kastenart::Leer}, nullptr, nullptr},
        {Bezahltstil::Klammern, {}, "[X]", "[  ]"},
        {Bezahltstil::Zelltext, {}, " X", " -"},
    };
    for (const Fall& f : faelle) {
        const Druckdokument d =
            mitgliederlisteSetzen(mitgliederliste(2), f.stil, true, e, m, {2400, 3400});
        EXPECT_EQ(d.titel, "Movel95 - Liste");
        const Druckseite& s = d.seiten[0];
        // "Meier, Anna" is the widest first cell (110); "Beitrag" in font 2 (84).
        const int bezMitte = 50 + 120 + 94 + 15;
        std::vector<Kastenart> arten;
        for (const Druckkasten& k : s.kaesten) {
            arten.push_back(k.art);
            EXPECT_EQ(k.x, bezMitte);
        }
        EXPECT_EQ(arten, f.kaesten);
        if (f.bezahlt) {
            const Drucktext* t = textMit(s, f.bezahlt);
            ASSERT_TRUE(t);
            EXPECT_EQ(t->anker, Anker::UntenMitte);
            EXPECT_EQ(t->x, bezMitte);
            EXPECT_TRUE(textMit(s, f.offen));
        }
        const Drucktext* kopf = textMit(s, "Bez");
        ASSERT_TRUE(kopf);
        EXPECT_EQ(kopf->schrift.stil, kFett | kKursiv);
        EXPECT_EQ(textMit(s, "Voll")->schrift.nummer, 2);
        EXPECT_EQ(textMit(s, "Meier, Anna")->schrift.nummer, 1);
    }
}

TEST(Mitgliederdruck, TabelleBeginntDreiTitelzeilenTieferUndBrichtUm) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.seitennummern = true;
    const Druckdokument d =
        mitgliederlisteSetzen(mitgliederliste(40), Bezahltstil::Zelltext, false, e, m, {2400, 500});
    ASSERT_GE(d.seiten.size(), 2u);
    const Drucktext* kopf = textMit(d.seiten[0], "Mitglied");
    ASSERT_TRUE(kopf);
    EXPECT_EQ(kopf->y, 20 + 3 * (23 + 5));
    // Without the check box every column uses font 1.
    EXPECT_EQ(textMit(d.seiten[0], "Voll")->schrift.nummer, 1);
    EXPECT_TRUE(textMit(d.seiten[1], "2"));
    for (const Druckseite& s : d.seiten)
        for (const Drucktext& t : s.texte)
            EXPECT_LE(t.y, 480) << t.text;
}

} // namespace
} // namespace zalvor
