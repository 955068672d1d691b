// Page numbers of every printout: on every page, the first included, and clear of the rows
// even where the table reaches the number's corner and the number stands below a small top
// margin.
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "core/printing/mitgliederdruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

#include <functional>

namespace zalvor {
namespace {

using Setzer = std::function<Druckdokument(const Druckeinstellungen&, Messung&, Seitenformat)>;

struct Druckfall {
    const char* name;
    Setzer setzen;
    int breite; // narrow enough for the table to reach the number
};

const Druckfall kFaelle[] = {
    {"Liste",
     [](const Druckeinstellungen& e, Messung& m, Seitenformat f) {
         return listeSetzen(test::eaListe(40), e, m, f);
     },
     1170},
    {"Abschluss",
     [](const Druckeinstellungen& e, Messung& m, Seitenformat f) {
         return abschlussSetzen(test::jahresabschluss(true, false),
                                {"26", 6, 12, 2026, "/daten/Verein"}, e, m, f);
     },
     840},
    {"Mitgliederliste",
     [](const Druckeinstellungen& e, Messung& m, Seitenformat f) {
         return mitgliederlisteSetzen(test::mitgliederliste(40), Bezahltstil::Zelltext, false, e, m,
                                      f);
     },
     300},
};

TEST(Seitennummern, AufJederSeiteUndFreiVonDenZeilen) {
    for (const Druckfall& fall : kFaelle) {
        SCOPED_TRACE(fall.name);
        test::FesteMessung m;
        Druckeinstellungen e;
        e.seitennummern = true;
        e.oben = 5; // the number (20 high) stands lower than the top margin
        const Druckdokument d = fall.setzen(e, m, {fall.breite, 400});
        ASSERT_GE(d.seiten.size(), 2u);
        ASSERT_EQ(d.massstab, 1.0);
        for (std::size_t i = 0; i < d.seiten.size(); ++i) {
            const Druckseite& s = d.seiten[i];
            const Drucktext* nummer = test::textMit(s, std::to_string(i + 1));
            ASSERT_TRUE(nummer) << "Seite " << i + 1;
            EXPECT_EQ(nummer->x, fall.breite - 15);
            const test::Feld feld = test::feldVon(*nummer, m);
            for (const Drucktext& t : s.texte)
                if (&t != nummer) {
                    EXPECT_FALSE(test::schneiden(test::feldVon(t, m), feld))
                        << "Seite " << i + 1 << ": " << t.text;
                }
        }
    }
}

} // namespace
} // namespace zalvor
