// Closing printout laid out with the fixed-width measure: sections, hidden group grids, the
// multi-file variant's headings and the section breaks.
#include "core/closing/abschlussbericht.h"
#include "core/closing/mehrdateiabschluss.h"
#include "core/common/zeichensatz.h"
#include "core/printing/abschlussdruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::jahresabschluss;
using test::textMit;

const Abschlusskopf kKopf{"26", 6, 12, 2026, "/daten/Verein"};

TEST(Abschlussdruck, EinzelabschlussMitAllenAbschnitten) {
    test::FesteMessung m;
    const Druckdokument d =
        abschlussSetzen(jahresabschluss(true, false), kKopf, Druckeinstellungen{}, m, {2400, 3400});
    EXPECT_EQ(d.titel, "Movel95 - Abschluss");
    ASSERT_EQ(d.seiten.size(), 1u);
    const Druckseite& s = d.seiten[0];
    const Drucktext* titel = textMit(s, A("Jahresabschluß 26 vom 6.12.26 (Datei: /daten/Verein)"));
    ASSERT_TRUE(titel);
    EXPECT_EQ(titel->schrift.zuschlag, 3);
    for (const char* abschnitt :
         {"Kontenbestände:", "Ausgabenbilanz:", "Einzelbilanz der Ausgabetypen-Gruppe(n):",
          "Einnahmenbilanz:", "Einzelbilanz der Einnahmetypen-Gruppe(n):",
          "Gewinn- / Verlustrechnung:"}) {
        const Drucktext* t = textMit(s, A(abschnitt));
        ASSERT_TRUE(t) << abschnitt;
        EXPECT_EQ(t->schrift.zuschlag, 5);
        EXPECT_TRUE(t->schrift.stil & kUnterstrichen);
    }
    // Name width 15 * 10 + 10, amount width 12 * 10 + 10: "Summe" of the accounts is
    // right-aligned at the third amount column's right edge.
    EXPECT_EQ(textMit(s, "Geldbestand:")->x, 50);
    const Drucktext* miete = textMit(s, "Miete");
    ASSERT_TRUE(miete);
    EXPECT_EQ(miete->x, 50 + 160);
    EXPECT_TRUE(textMit(s, "Typ"));
    EXPECT_FALSE(textMit(s, "Buchungs-Datei"));
}

TEST(Abschlussdruck, VerborgeneGruppenUndMehrdateienAbschluss) {
    test::FesteMessung m;
    const Druckdokument d =
        abschlussSetzen(jahresabschluss(false, true), kKopf, Druckeinstellungen{}, m, {2400, 3400});
    const Druckseite& s = d.seiten[0];
    EXPECT_TRUE(textMit(s, A("Jahresabschluß 26 vom 6.12.26")));
    EXPECT_FALSE(textMit(s, A("Kontenbestände:")));
    EXPECT_FALSE(textMit(s, "Einzelbilanz der Ausgabetypen-Gruppe(n):"));
    EXPECT_TRUE(textMit(s, "Einzelbilanz der Einnahmetypen-Gruppe(n):"));
    EXPECT_TRUE(textMit(s, "Buchungs-Datei"));
    EXPECT_FALSE(textMit(s, "Typ"));
    // The balance of a multi-file closing shows no second column.
    EXPECT_FALSE(textMit(s, "Spende"));
}

TEST(Abschlussdruck, AbschnitteUndZeilenBrechenVorDemUnterenRandUm) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.seitennummern = true;
    const Druckdokument d = abschlussSetzen(jahresabschluss(true, false), kKopf, e, m, {2400, 420});
    ASSERT_GE(d.seiten.size(), 3u);
    for (std::size_t i = 0; i < d.seiten.size(); ++i) {
        for (const Drucktext& t : d.seiten[i].texte)
            EXPECT_LE(t.y, 400) << t.text;
        if (i > 0) {
            const Drucktext* nummer = textMit(d.seiten[i], std::to_string(i + 1));
            ASSERT_TRUE(nummer);
            EXPECT_EQ(nummer->x, 2385);
        }
    }
    // The profit and loss section needs eight line heights: it starts a page of its own
    // at the top margin.
    for (const Druckseite& s : d.seiten)
        if (const Drucktext* t = textMit(s, "Gewinn- / Verlustrechnung:")) {
            EXPECT_EQ(t->y, 20 + 25);
        }
}

TEST(Abschlussdruck, DateilistenabschlussDrucktSeineVierSpalten) {
    Mehrdateiabschluss a;
    a.waehrung = "EUR";
    a.dateien = {{"/daten/A.26", true, {1.25L, 2, 3.25L}, {4, 5, 9}}};
    a.ausgabenGesamt = a.dateien[0].ausgaben;
    a.einnahmenGesamt = a.dateien[0].einnahmen;
    test::FesteMessung m;
    const Druckdokument d =
        abschlussSetzen(mehrdateiBericht(a), kKopf, Druckeinstellungen{}, m, {2400, 3400});
    const Druckseite& s = d.seiten[0];
    EXPECT_TRUE(textMit(s, "/daten/A.26"));
    EXPECT_TRUE(textMit(s, A("Mehr-Datei-Jahresabschluß 26 vom 6.12.26")));
    for (long double x : {1.25L, 2.0L, 3.25L, 4.0L, 5.0L})
        EXPECT_TRUE(textMit(s, betragZelle(x))) << static_cast<double>(x);
}

} // namespace
} // namespace zalvor
