// Columns wider than the page: the page is laid out as wide as its columns and drawn scaled
// down, so that nothing is lost at the edge.
#include "core/printing/listendruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

TEST(Seitenbreite, BreiteSpaltenVerkleinernDieSeite) {
    // The simple list's last column ends at 1360 with the fixed measure.
    struct Fall {
        int breite;
        double massstab;
    };
    for (const Fall f : {Fall{1400, 1.0}, Fall{1300, 1300.0 / 1360}, Fall{700, 700.0 / 1360}}) {
        SCOPED_TRACE(f.breite);
        test::FesteMessung m;
        Druckeinstellungen e;
        e.seitennummern = true;
        const Seitenformat format{f.breite, 500};
        const Druckdokument d = listeSetzen(test::einfachListe(30), e, m, format);
        EXPECT_DOUBLE_EQ(d.massstab, f.massstab);
        const double breite = format.breite / d.massstab;
        const double hoehe = format.hoehe / d.massstab;
        for (const Druckseite& s : d.seiten) {
            EXPECT_TRUE(test::textMit(s, "Girokonto "));
            for (const Drucktext& t : s.texte) {
                const test::Feld feld = test::feldVon(t, m);
                EXPECT_LE(feld.rechts, breite) << t.text;
                EXPECT_LE(feld.unten, hoehe) << t.text;
            }
        }
    }
}

} // namespace
} // namespace zalvor
