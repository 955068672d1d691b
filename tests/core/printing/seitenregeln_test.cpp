// The page rules of every printout, laid out with the fixed measure: page numbers, headings
// on continued pages, captions kept with their rows, continued groups named, pages scaled to
// the printable width, frame lines clear of the texts.
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "core/printing/mitgliederdruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace zalvor {
namespace {

using test::feldVon;

// A closing whose expense balance and its one group run over several pages.
Bericht langerAbschluss() {
    Bericht b = test::jahresabschluss(true, false);
    auto& aus = b.reiter[1].raster[0].zeilen;
    auto& gruppe = b.reiter[1].raster[1].zeilen;
    gruppe.clear();
    for (int i = 1; i <= 25; ++i) {
        aus.insert(aus.begin(), {"Haus", "Miete", "1.00", "0.00", "1.00"});
        gruppe.push_back({i == 1 ? "Haus" : "", "Typ " + std::to_string(i), "1", "0", "1"});
    }
    gruppe.push_back({"", "S u m m e n :", "25", "0", "25"});
    gruppe.push_back({"", "Incl. 19.00% MwSt:", "3.99", "0", "3.99"});
    b.reiter[2].raster[1].sichtbar = false;
    return b;
}

struct Ausdruck {
    const char* name;
    const char* kopf; // a text of its heading row
    int breite;       // the width its table reaches
    std::function<Druckdokument(const Druckeinstellungen&, Seitenformat)> setzen;
};

std::vector<Ausdruck> ausdrucke(Messung& m) {
    return {{"Liste", "BuNr", 1160,
             [&m](const Druckeinstellungen& e, Seitenformat f) {
                 return listeSetzen(test::eaListe(60), e, m, f);
             }},
            {"Abschluss", "real", 830,
             [&m](const Druckeinstellungen& e, Seitenformat f) {
                 return abschlussSetzen(langerAbschluss(), {"26", 6, 12, 2026, "/d/V"}, e, m, f);
             }},
            {"Mitgliederliste", "Mitglied", 280, [&m](const Druckeinstellungen& e, Seitenformat f) {
                 return mitgliederlisteSetzen(test::mitgliederliste(60), Bezahltstil::Zelltext,
                                              false, e, m, f);
             }}};
}

// A page's rows: its bottom-anchored texts by y, without the page number `nummer`.
std::map<int, std::vector<const Drucktext*>> zeilen(const Druckseite& s, std::size_t nummer) {
    std::map<int, std::vector<const Drucktext*>> z;
    for (const Drucktext& t : s.texte)
        if (t.anker != Anker::ObenLinks && t.text != std::to_string(nummer)) z[t.y].push_back(&t);
    return z;
}

// A caption line or a section title.
bool ueberschrift(const Drucktext& t) {
    return (t.schrift.stil & kUnterstrichen) != 0;
}

TEST(Seitenregeln, SeitennummerAufJederSeiteFreiVonDenZeilen) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.seitennummern = true;
    e.oben = 5; // the number (20 high) stands lower than the top margin, beside the table
    for (const Ausdruck& a : ausdrucke(m)) {
        const Druckdokument d = a.setzen(e, {a.breite + 10, 420});
        ASSERT_EQ(d.massstab, 1.0) << a.name;
        for (std::size_t i = 0; i < d.seiten.size(); ++i) {
            const Drucktext* nummer = test::textMit(d.seiten[i], std::to_string(i + 1));
            ASSERT_TRUE(nummer && nummer->x == a.breite - 5) << a.name << " " << i + 1;
            for (const Drucktext& t : d.seiten[i].texte)
                EXPECT_TRUE(&t == nummer || !test::schneiden(feldVon(t, m), feldVon(*nummer, m)))
                    << a.name << " " << i + 1 << ": " << t.text;
        }
    }
}

TEST(Seitenregeln, FortsetzungsseiteBeginntMitDerKopfzeile) {
    test::FesteMessung m;
    for (const Ausdruck& a : ausdrucke(m)) {
        const Druckdokument d = a.setzen(Druckeinstellungen{}, {2400, 420});
        ASSERT_GE(d.seiten.size(), 3u) << a.name;
        for (std::size_t i = 1; i < d.seiten.size(); ++i) {
            const auto z = zeilen(d.seiten[i], i + 1);
            ASSERT_FALSE(z.empty());
            const auto& oben = z.begin()->second;
            EXPECT_TRUE(std::any_of(
                oben.begin(), oben.end(),
                [&](const Drucktext* t) { return t->text == a.kopf || ueberschrift(*t); }))
                << a.name << " " << i + 1;
        }
    }
}

// On every page height a caption line or section title has its heading row and first row
// below it, and a page that starts inside the closing's group names the group beside its
// first row, also when that is the sum row.
TEST(Seitenregeln, UmbruchTrenntNichtsZusammengehoeriges) {
    test::FesteMessung m;
    int summeOben = 0;
    for (const Ausdruck& a : ausdrucke(m))
        for (int hoehe = 300; hoehe <= 800; hoehe += 3) {
            const Druckdokument d = a.setzen(Druckeinstellungen{}, {2400, hoehe});
            for (const Druckseite& s : d.seiten) {
                const auto z = zeilen(s, 0);
                bool gruppe = false;
                for (auto it = z.begin(); it != z.end(); ++it) {
                    const auto& texte = it->second;
                    if (std::any_of(texte.begin(), texte.end(),
                                    [](auto* t) { return ueberschrift(*t); })) {
                        EXPECT_GE(std::distance(it, z.end()), 3) << a.name << " " << hoehe;
                    }
                    const auto typ = std::find_if(texte.begin(), texte.end(), [](auto* t) {
                        return t->x == 210 && (t->text.rfind("Typ ", 0) == 0 ||
                                               t->text == "S u m m e n :" || t->text[0] == 'I');
                    });
                    if (gruppe || typ == texte.end()) continue;
                    gruppe = true;
                    summeOben += (*typ)->text == "S u m m e n :";
                    EXPECT_EQ(texte.front()->text, "Haus") << hoehe << ": " << (*typ)->text;
                }
            }
        }
    EXPECT_GT(summeOben, 0);
}

TEST(Seitenregeln, BreiteSpaltenVerkleinernDieSeite) {
    // The simple list's last column ends at 1360.
    for (const int breite : {1400, 1300, 700}) {
        test::FesteMessung m;
        const Druckdokument d =
            listeSetzen(test::einfachListe(30), Druckeinstellungen{}, m, {breite, 500});
        EXPECT_DOUBLE_EQ(d.massstab, std::min(1.0, breite / 1360.0));
        for (const Druckseite& s : d.seiten)
            for (const Drucktext& t : s.texte) {
                EXPECT_LE(feldVon(t, m).rechts, breite / d.massstab) << t.text;
                EXPECT_LE(feldVon(t, m).unten, 500 / d.massstab) << t.text;
            }
    }
}

// Vertical frame lines keep 4 units from every text they pass, whatever the column gap.
TEST(Seitenregeln, RahmenlinienNebenDenTexten) {
    for (const int spaltenabstand : {10, 3, 0}) {
        test::FesteMessung m;
        Druckeinstellungen e;
        e.spaltenabstand = static_cast<std::uint8_t>(spaltenabstand);
        for (const Ausdruck& a : ausdrucke(m)) {
            const Druckdokument d = a.setzen(e, {2400, 3400});
            const Druckseite& s = d.seiten[0];
            for (const Drucklinie& l : s.linien)
                for (const Drucktext& t : s.texte) {
                    const test::Feld f = feldVon(t, m);
                    if (l.x1 != l.x2 || l.y2 <= f.oben || l.y1 >= f.unten) continue;
                    EXPECT_TRUE(l.x1 <= f.links - 4 || l.x1 >= f.rechts + 4)
                        << a.name << " " << spaltenabstand << ": " << t.text;
                }
        }
    }
}

} // namespace
} // namespace zalvor
