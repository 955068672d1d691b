// Paths shortened in the middle: folders first, then characters before the file name; the
// titles keep their tail, the file list's path cells stop short of the amounts.
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
    const struct {
        std::string text;
        int breite;
        std::string erwartet;
    } faelle[] = {
        {pfad, 330, pfad},
        {pfad, 300, A("/home/…/Verein/Sportverein.26")},
        {pfad, 250, A("/home/…/Sportverein.26")},
        {pfad, 200, A("/…/Sportverein.26")},
        {pfad, 160, A("…/Sportverein.26")},
        {pfad, 120, A("…rtverein.26")},
        {A("Liste für Datei: C:\\Vereine\\Kasse\\Verein (Buchungsjahr: 26)"), 480,
         A("Liste für Datei: C:\\…\\Verein (Buchungsjahr: 26)")},
        {"Kein Pfad in diesem Titel", 200, A("Kein Pfad in diesem…")},
    };
    test::FesteMessung m;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text + " / " + std::to_string(f.breite));
        const std::string k = pfadKuerzen(f.text, f.breite, m, Schriftwahl{});
        EXPECT_EQ(k, f.erwartet);
        EXPECT_LE(m.breite(k, Schriftwahl{}), f.breite);
    }
}

TEST(Pfadkuerzung, TitelPasstNebenDieSeitennummer) {
    test::FesteMessung m;
    Druckeinstellungen e;
    e.seitennummern = true;
    e.oben = 5; // the number stands beside the title
    Bericht b = test::eaListe(2);
    const std::string ende = " (Buchungsjahr: 26; Stand: 6.12.26)";
    b.fenstertitel = A("Ein/Aus - Liste für Datei: /home/kasse/Vereine/Sport/Sportverein") + ende;
    const Druckdokument d = listeSetzen(b, e, m, {1200, 3400});
    ASSERT_EQ(d.massstab, 1.0);
    const Druckseite& s = d.seiten[0];
    const Drucktext& titel = s.texte[1]; // after the page number
    ASSERT_EQ(titel.anker, Anker::ObenLinks);
    EXPECT_NE(titel.text, b.fenstertitel);
    EXPECT_EQ(titel.text.substr(titel.text.size() - ende.size()), ende);
    EXPECT_NE(titel.text.find("/Sportverein ("), std::string::npos);
    const test::Feld nummer = test::feldVon(s.texte[0], m);
    EXPECT_LT(test::feldVon(titel, m).rechts, nummer.links);
}

TEST(Pfadkuerzung, DateipfadDruecktNichtUeberDieBetraege) {
    Mehrdateiabschluss a;
    a.waehrung = "EUR";
    const std::string lang = "/home/kasse/Vereine/Abteilungen/Jugend/Jugendabteilung.26";
    a.dateien = {{lang, true, {1, 0, 1}, {2, 0, 2}}};
    a.ausgabenGesamt = a.dateien[0].ausgaben;
    a.einnahmenGesamt = a.dateien[0].einnahmen;
    test::FesteMessung m;
    const Druckdokument d = abschlussSetzen(mehrdateiBericht(a), {"26", 6, 12, 2026, ""},
                                            Druckeinstellungen{}, m, {2400, 3400});
    const Druckseite& s = d.seiten[0];
    // Name width 160 twice: the amounts start at 50 + 320.
    int zellen = 0;
    for (const Drucktext& t : s.texte)
        if (t.text.find("Jugendabteilung.26") != std::string::npos) {
            ++zellen;
            EXPECT_LE(test::feldVon(t, m).rechts, 50 + 320 - 10) << t.text;
            EXPECT_EQ(t.text.rfind("/Jugendabteilung.26"), t.text.size() - 19) << t.text;
        }
    EXPECT_EQ(zellen, 2); // the expense and the income balance
}

} // namespace
} // namespace zalvor
