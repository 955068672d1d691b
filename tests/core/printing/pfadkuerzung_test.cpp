// Paths shortened in the middle: folders first, then characters before the file name; the
// titles keep their tail beside the page number, the file list's path cells stop short of
// the amounts.
#include "core/closing/mehrdateiabschluss.h"
#include "core/common/zeichensatz.h"
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "core/printing/pfadkuerzung.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

TEST(Pfadkuerzung, OrdnerAusDerMitteDannZeichen) {
    const std::string pfad = "/home/kasse/Verein/Sportverein.26"; // 330 units
    const std::pair<int, std::string> faelle[] = {
        {330, pfad},
        {300, A("/home/…/Verein/Sportverein.26")},
        {250, A("/home/…/Sportverein.26")},
        {200, A("/…/Sportverein.26")},
        {160, A("…/Sportverein.26")},
        {120, A("…rtverein.26")},
    };
    test::FesteMessung m;
    for (const auto& [breite, erwartet] : faelle)
        EXPECT_EQ(pfadKuerzen(pfad, breite, m, Schriftwahl{}), erwartet) << breite;
    EXPECT_EQ(pfadKuerzen(A("für Datei: C:\\Vereine\\Kasse\\TSV (Buchungsjahr: 26)"), 380, m, {}),
              A("für Datei: C:\\…\\TSV (Buchungsjahr: 26)"));
}

TEST(Pfadkuerzung, TitelBehaeltSeinEndeNebenDerSeitennummer) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.seitennummern = true;
    e.oben = 5; // the number stands beside the title
    Bericht b = test::eaListe(2);
    const std::string ende = "/Sportverein (Buchungsjahr: 26; Stand: 6.12.26)";
    b.fenstertitel = A("Ein/Aus - Liste für Datei: /home/kasse/Vereine/Sport") + ende;
    const Druckseite s = listeSetzen(b, e, m, {1200, 3400}).seiten[0];
    const Drucktext& titel = s.texte[1]; // after the page number
    EXPECT_EQ(titel.text.substr(titel.text.size() - ende.size()), ende);
    EXPECT_LT(test::feldVon(titel, m).rechts, test::feldVon(s.texte[0], m).links);
}

TEST(Pfadkuerzung, DateipfadDruecktNichtUeberDieBetraege) {
    Mehrdateiabschluss a;
    a.waehrung = "EUR";
    a.dateien = {{"/home/kasse/Vereine/Abteilungen/Jugendabteilung.26", true, {1, 0, 1}, {}}};
    test::FesteMessung m;
    const Druckseite s = abschlussSetzen(mehrdateiBericht(a), {"26", 6, 12, 2026, ""},
                                         Druckeinstellungen{}, m, {2400, 3400})
                             .seiten[0];
    int zellen = 0;
    for (const Drucktext& t : s.texte)
        if (t.text.find("/Jugendabteilung.26") != std::string::npos) {
            ++zellen;
            // The amounts start after two name widths of 160.
            EXPECT_LE(test::feldVon(t, m).rechts, 50 + 320 - 10) << t.text;
        }
    EXPECT_EQ(zellen, 2); // in the expense and the income balance
}

} // namespace
} // namespace zalvor
