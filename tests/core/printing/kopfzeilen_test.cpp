// Continued tables: every page starts with the heading row, a caption never stands at the
// bottom without its heading and first row, and a group continued on a new page is named
// again.
#include "core/common/zeichensatz.h"
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "core/printing/mitgliederdruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>

namespace zalvor {
namespace {

using Setzer = std::function<Druckdokument(Seitenformat)>;

const Abschlusskopf kKopf{"26", 6, 12, 2026, "/daten/Verein"};

// A closing whose expense balance and expense group run over several pages.
Bericht langerAbschluss() {
    Bericht b = test::jahresabschluss(true, false);
    Raster& aus = b.reiter[1].raster[0];
    Raster& gruppe = b.reiter[1].raster[1];
    gruppe.zeilen.clear();
    for (int i = 1; i <= 25; ++i) {
        const std::string typ = "Typ " + std::to_string(i);
        aus.zeilen.insert(aus.zeilen.begin(), {"Haus", "Miete", "1.00", "0.00", "1.00"});
        gruppe.zeilen.push_back({i == 1 ? "Haus" : "", typ, "1.00", "0.00", "1.00"});
    }
    gruppe.zeilen.push_back({"", "S u m m e n :", "25.00", "0.00", "25.00"});
    gruppe.zeilen.push_back({"", "Incl. 19.00% MwSt:", "3.99", "0.00", "3.99"});
    b.reiter[2].raster[1].sichtbar = false; // the one group grid is the expense side's
    return b;
}

bool vorspann(const Drucktext& t) {
    return (t.schrift.stil & kUnterstrichen) || t.schrift.zuschlag >= 5;
}

// The texts of a page's rows (bottom-anchored, without the page number), by their y.
std::map<int, std::vector<const Drucktext*>> zeilen(const Druckseite& s, std::size_t seite) {
    std::map<int, std::vector<const Drucktext*>> z;
    for (const Drucktext& t : s.texte)
        if (t.anker != Anker::ObenLinks && t.text != std::to_string(seite + 1))
            z[t.y].push_back(&t);
    return z;
}

TEST(Kopfzeilen, JedeSeiteBeginntMitDerKopfzeile) {
    Druckeinstellungen e;
    e.seitennummern = true;
    test::FesteMessung m;
    const struct {
        const char* name;
        Setzer setzen;
        const char* kopf;
    } faelle[] = {
        {"Liste", [&](Seitenformat f) { return listeSetzen(test::eaListe(60), e, m, f); }, "BuNr"},
        {"Abschluss",
         [&](Seitenformat f) { return abschlussSetzen(langerAbschluss(), kKopf, e, m, f); },
         "real"},
        {"Mitgliederliste",
         [&](Seitenformat f) {
             return mitgliederlisteSetzen(test::mitgliederliste(60), Bezahltstil::Zelltext, false,
                                          e, m, f);
         },
         "Mitglied"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Druckdokument d = fall.setzen({2400, 420});
        ASSERT_GE(d.seiten.size(), 3u);
        for (std::size_t i = 1; i < d.seiten.size(); ++i) {
            const auto z = zeilen(d.seiten[i], i);
            ASSERT_FALSE(z.empty()) << "Seite " << i + 1;
            const auto& oben = z.begin()->second;
            const bool kopf = std::any_of(oben.begin(), oben.end(), [&](const Drucktext* t) {
                return t->text == fall.kopf || vorspann(*t);
            });
            EXPECT_TRUE(kopf) << "Seite " << i + 1 << ": " << oben.front()->text;
        }
    }
}

TEST(Kopfzeilen, UeberschriftBleibtBeiKopfzeileUndErsterZeile) {
    Druckeinstellungen e;
    test::FesteMessung m;
    Bericht alle;
    alle.fenstertitel = "Alle Kontenlisten";
    for (const char* konto : {"1: Kasse", "2: Bank", "3: Sparbuch"})
        alle.reiter.push_back(
            {konto, {test::eaRaster("Auszahlungen:", 7), test::eaRaster("Einzahlungen:", 5)}});
    const struct {
        const char* name;
        Setzer setzen;
    } faelle[] = {
        {"Liste", [&](Seitenformat f) { return listeSetzen(test::eaListe(9), e, m, f); }},
        {"Kontenlisten", [&](Seitenformat f) { return listeSetzen(alle, e, m, f); }},
        {"Abschluss",
         [&](Seitenformat f) { return abschlussSetzen(langerAbschluss(), kKopf, e, m, f); }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        for (int hoehe = 300; hoehe <= 800; hoehe += 7) {
            const Druckdokument d = fall.setzen({2400, hoehe});
            for (std::size_t i = 0; i < d.seiten.size(); ++i) {
                const auto z = zeilen(d.seiten[i], i);
                for (auto it = z.begin(); it != z.end(); ++it)
                    for (const Drucktext* t : it->second) {
                        if (!vorspann(*t)) continue;
                        // An account title has its caption, a caption its heading, and both
                        // the first row below them.
                        const long danach = std::distance(std::next(it), z.end());
                        EXPECT_GE(
                            danach,
                            t->schrift.zuschlag == 5 && !(t->schrift.stil & kUnterstrichen) ? 3 : 2)
                            << "Höhe " << hoehe << ", Seite " << i + 1 << ": " << t->text;
                    }
            }
        }
    }
}

TEST(Kopfzeilen, FortgesetzteGruppeWirdWiederGenannt) {
    Druckeinstellungen e;
    test::FesteMessung m;
    int summeOben = 0;
    for (int hoehe = 300; hoehe <= 700; hoehe += 3) {
        const Druckdokument d = abschlussSetzen(langerAbschluss(), kKopf, e, m, {2400, hoehe});
        for (std::size_t i = 0; i < d.seiten.size(); ++i) {
            // The first row of the group on this page, and the name beside it.
            const Drucktext* erste = nullptr;
            for (const auto& [y, texte] : zeilen(d.seiten[i], i))
                for (const Drucktext* t : texte)
                    if (!erste && t->x == 210 &&
                        (t->text.rfind("Typ ", 0) == 0 || t->text == "S u m m e n :" ||
                         t->text.rfind("Incl.", 0) == 0))
                        erste = t;
            if (!erste) continue;
            summeOben += erste->text == "S u m m e n :";
            const Drucktext* name = test::textMit(d.seiten[i], "Haus");
            bool daneben = false;
            for (const Drucktext& t : d.seiten[i].texte)
                daneben |= t.text == "Haus" && t.x == 50 && t.y == erste->y;
            EXPECT_TRUE(name && daneben) << "Höhe " << hoehe << ", Seite " << i + 1;
        }
    }
    EXPECT_GT(summeOben, 0); // some page started with the group's sum row
}

} // namespace
} // namespace zalvor
