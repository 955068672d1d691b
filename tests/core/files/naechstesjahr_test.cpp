// Next year: proposal, year check, Euro changeover, overwrite question, carried bookings.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"
#include "testmasken.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateischreiben.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "core/files/naechstesjahr.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;

TBuchung buchung(bool einnahme, int konto, long double betrag, bool geplant = false,
                 std::uint8_t typ = 1, int tag = 5, int monat = 6) {
    TBuchung b;
    b.einnahme = einnahme ? 1 : 0;
    (einnahme ? b.kontoNach : b.kontoVon) = static_cast<std::uint8_t>(konto);
    b.betrag = Real6::aus(betrag);
    b.geplant = geplant ? 1 : 0;
    b.typcode = typ;
    b.tag = static_cast<std::uint8_t>(tag);
    b.monat = static_cast<std::uint8_t>(monat);
    b.bunr.setze("7");
    b.text.setze("Text");
    return b;
}

class NaechstesJahrTest : public ::testing::Test {
  protected:
    test::TempVerzeichnis dir;
    test::AufzeichnendePerson person;
    FesteUhr uhr{Datum{2026, 12, 7}};
    test::TestMasken masken;
    Sitzung s{person, uhr};

    void anlegen(const std::string& jahr, const std::vector<TBuchung>& saetze) {
        s.masken = &masken;
        s.verein.datei.basisname = dir.datei("Verein");
        s.verein.datei.jahr = jahr;
        definitionenSchreiben(s.verein.datei.basisname, s.verein.def, person);
        leereDateiAnlegen(s.verein.datei.dateiname());
        for (const auto& b : saetze)
            buchungAnhaengen(s.verein, s.person, b, {false, false, true, true});
        person.leeren();
    }
    std::vector<TBuchung> neueSaetze() { return alleBuchungenLesen(s.verein.datei.dateiname()); }
};

TEST_F(NaechstesJahrTest, VorschlagUndJahrhundertwechsel) {
    anlegen("99", {buchung(true, 1, 50)});
    masken.jahre.push_back(std::nullopt);
    naechstesJahr(s);
    ASSERT_EQ(masken.gezeigteJahre.size(), 1u);
    EXPECT_EQ(masken.gezeigteJahre[0], "00");

    anlegen("05", {});
    masken.gezeigteJahre.clear();
    masken.jahre.push_back(std::nullopt);
    naechstesJahr(s);
    EXPECT_EQ(masken.gezeigteJahre[0], "06");
    EXPECT_EQ(s.verein.datei.jahr, "05"); // cancelled: nothing changed
}

TEST_F(NaechstesJahrTest, UngueltigesJahrWirdGemeldetUndEingabeBleibt) {
    anlegen("25", {});
    masken.jahre = {std::string("2"), std::string("x7"), std::string("-1"), std::nullopt};
    naechstesJahr(s);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].art, Art::Nachricht);
    EXPECT_EQ(m[0].titel, "Fehler!");
    EXPECT_EQ(m[0].text, "\r\r2 ist kein Jahr (zweistellige Zahl!)");
    EXPECT_EQ(m[1].text, "\r\rx7 ist kein Jahr (zweistellige Zahl!)");
    EXPECT_EQ(m[2].text, "\r\r-1 ist kein Jahr (zweistellige Zahl!)");
    EXPECT_EQ(masken.gezeigteJahre[1], "2");
}

TEST_F(NaechstesJahrTest, BestaendeUndPlanungenWerdenUebertragen) {
    anlegen("99", {
                      buchung(true, 1, 100),                            // income
                      buchung(false, 1, 30.5L),                         // expense
                      buchung(true, 2, 80, true, kCodeBeitrag, 31, 12), // planned contribution
                      buchung(false, 2, 12, true, 3, 15, 8),            // planned expense
                      buchung(true, 3, 0),                              // deleted
                  });
    masken.jahre.push_back(std::string("00"));
    naechstesJahr(s);

    EXPECT_EQ(s.verein.datei.jahr, "00");
    EXPECT_EQ(s.verein.datei.dateiname(), dir.datei("Verein.00"));
    auto saetze = neueSaetze();
    // Balances 69.50 (account 1) and two carried planned bookings; zero balances dropped.
    ASSERT_EQ(saetze.size(), 3u);
    EXPECT_EQ(saetze[0].bunr.text(), "AB");
    EXPECT_EQ(saetze[0].kontoNach, 1);
    EXPECT_EQ(saetze[0].betrag.wert(), durchReal6(69.5L));
    const TBuchung& beitrag = saetze[1];
    EXPECT_TRUE(beitrag.istGeplant());
    EXPECT_EQ(beitrag.tag, 1);
    EXPECT_EQ(beitrag.monat, 1);
    EXPECT_EQ(beitrag.bunr.text(), "0");
    EXPECT_EQ(beitrag.typcode, 0);
    EXPECT_EQ(beitrag.betrag.wert(), durchReal6(80));
    EXPECT_EQ(saetze[2].typcode, 3);
    EXPECT_EQ(saetze[2].kontoVon, 2);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(indexLesen(s.verein.datei, k).size(), 3u);

    auto m = person.meldungen();
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m.front().titel, "\"Zwischenstop\"");
    EXPECT_EQ(m.front().text, "\rAnfangsbestände erstellt! Um die Indexdateien zu erstellen, "
                              "wird nun eine Reorganisation vorgenommen!");
    EXPECT_EQ(m.back().titel, "Achtung!!");
    EXPECT_EQ(m.back().text, "Wenn Sie noch Buchungen im Vorjahr durchführen, stimmen diese neuen "
                             "Anfangsbestände (00) nicht mehr!!");
    EXPECT_EQ(m.back().symbol, Symbol::Warnung);
    // The previous year's file is untouched.
    EXPECT_EQ(satzAnzahl(dir.datei("Verein.99")), 5u);
}

TEST_F(NaechstesJahrTest, EuroUmstellungRechnetUm) {
    s.verein.def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(1.95583L), "02", "03"};
    anlegen("01", {buchung(true, 1, 195.58L), buchung(false, 2, 10, true)});
    masken.jahre.push_back(std::string("02"));
    person.antworte(Knopf::Ok);
    naechstesJahr(s);

    auto m = person.meldungen();
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(m[0].titel, "WICHTIG!");
    EXPECT_NE(m[0].text.find("Sie haben den EuroKurs 1.955830 eingestellt!"), std::string::npos);
    auto saetze = neueSaetze();
    ASSERT_EQ(saetze.size(), 2u);
    EXPECT_EQ(saetze[0].betrag.wert(), durchReal6(100.0L));
    EXPECT_EQ(saetze[1].betrag.wert(), durchReal6(5.11L));
}

TEST_F(NaechstesJahrTest, EuroUmstellungOhneKursBrichtAb) {
    s.verein.def.waehrung = WaehrungsEinstellungen{"DM", 0.000001L, "04", "05"};
    anlegen("03", {buchung(true, 1, 10)});
    masken.jahre.push_back(std::string("04"));
    naechstesJahr(s);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Achtung!");
    EXPECT_EQ(m[0].symbol, Symbol::Warnung);
    EXPECT_EQ(s.verein.datei.jahr, "03");
    EXPECT_FALSE(dateiExistiert(dir.datei("Verein.04")));
}

// An amount that no longer fits after the conversion ends the change before anything is
// written: the existing next-year file the person agreed to overwrite, its index and the
// templates stay as they were.
TEST_F(NaechstesJahrTest, UeberlaufLaesstAlleDateienStehen) {
    s.verein.def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(0.001L), "02", "03"};
    anlegen("01", {buchung(true, 1, 1e36L)});
    const std::vector<std::uint8_t> alt{1, 2, 3};
    for (const char* name : {"Verein.02", "Verein.021", "Verein.SBD"})
        dateiErsetzen(dir.datei(name), alt);
    masken.jahre.push_back(std::string("02"));
    person.antworte(Knopf::Ok);
    person.antworte(Knopf::Ja);
    EXPECT_THROW(naechstesJahr(s), UeberlaufFehler);
    EXPECT_EQ(s.verein.datei.jahr, "01");
    for (const char* name : {"Verein.02", "Verein.021", "Verein.SBD"})
        EXPECT_EQ(test::bytesLesen(dir.datei(name)), alt) << name;
}

// Another program has the next year open: nothing of it is written, the lock stays theirs.
TEST_F(NaechstesJahrTest, GesperrtesNaechstesJahrBleibtUnberuehrt) {
    s.verein.def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(1.95583L), "02", "03"};
    anlegen("04", {buchung(true, 1, 10)});
    s.sperrenBeimOeffnen = true;
    TBuchungsdatei neu = s.verein.datei;
    neu.jahr = "05";
    Sperre andere;
    ASSERT_TRUE(andere.nehmen(neu.dateien().sperre()));
    masken.jahre.push_back(std::string("05"));
    naechstesJahr(s);
    ASSERT_FALSE(person.meldungen().empty());
    EXPECT_EQ(person.meldungen().back().titel, "Gesperrt");
    EXPECT_FALSE(dateiExistiert(neu.dateiname()));
    EXPECT_EQ(s.verein.datei.jahr, "04");
}

TEST_F(NaechstesJahrTest, OhneEuroWirdNichtsUmgerechnet) {
    // A Swiss club: rate 0 and changeover year 89, which lies after every two-digit year.
    s.verein.def.waehrung = WaehrungsEinstellungen{"SFr", 0, "89", "03"};
    anlegen("26", {buchung(true, 1, 195.58L)});
    masken.jahre.push_back(std::string("27"));
    naechstesJahr(s);
    EXPECT_EQ(s.verein.datei.jahr, "27");
    ASSERT_EQ(neueSaetze().size(), 1u);
    EXPECT_EQ(neueSaetze()[0].betrag.wert(), durchReal6(195.58L));
}

TEST_F(NaechstesJahrTest, AbbruchBeiWichtigAendertNichts) {
    s.verein.def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(1.95583L), "02", "03"};
    anlegen("01", {buchung(true, 1, 10)});
    masken.jahre.push_back(std::string("02"));
    person.antworte(Knopf::Abbruch);
    naechstesJahr(s);
    EXPECT_EQ(s.verein.datei.jahr, "01");
    EXPECT_FALSE(dateiExistiert(dir.datei("Verein.02")));
}

TEST_F(NaechstesJahrTest, VorhandeneDateiNeinOeffnetSieAbbruchEndet) {
    anlegen("26", {buchung(true, 1, 10)});
    leereDateiAnlegen(dir.datei("Verein.27"));
    const auto vorher = test::bytesLesen(dir.datei("Verein.27"));

    masken.jahre.push_back(std::string("27"));
    person.antworte(Knopf::Abbruch);
    naechstesJahr(s);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "");
    EXPECT_EQ(m[0].text,
              dir.datei("Verein.27") + " existiert bereits. Überschreiben?\r\r(Nein : Öffnen)");
    EXPECT_EQ(m[0].vorwahl, Knopf::Abbruch);
    EXPECT_EQ(s.verein.datei.jahr, "26");

    masken.jahre.push_back(std::string("27"));
    person.antworte(Knopf::Nein);
    naechstesJahr(s);
    EXPECT_EQ(s.verein.datei.jahr, "27");
    EXPECT_EQ(test::bytesLesen(dir.datei("Verein.27")), vorher);
}

TEST_F(NaechstesJahrTest, OhneAktiveDateiWirdNichtsGeschrieben) {
    s.masken = &masken;
    EXPECT_THROW(naechstesJahr(s), BefehlAbgebrochen);
    EXPECT_TRUE(masken.gezeigteJahre.empty());
    ASSERT_EQ(person.meldungen().size(), 1u);
}

TEST_F(NaechstesJahrTest, KontostandZaehltNurGebuchtes) {
    anlegen("26", {buchung(true, 4, 100), buchung(false, 4, 40), buchung(false, 4, 1000, true)});
    TBuchung umbuchung = buchung(false, 4, 25);
    umbuchung.typcode = kCodeUmbuchung;
    umbuchung.kontoNach = 5;
    buchungAnhaengen(s.verein, s.person, umbuchung, {});
    EXPECT_EQ(kontostand(s.verein, 4), durchReal6(100) - durchReal6(40) - durchReal6(25));
    EXPECT_EQ(kontostand(s.verein, 5), durchReal6(25));
}

} // namespace
} // namespace zalvor

namespace zalvor {
namespace {

TEST(OhneDatei, AnhaengenSchreibtNichtInEineNamenloseDatei) {
    test::TempVerzeichnis dir;
    test::AufzeichnendePerson person;
    FesteUhr uhr{Datum{2026, 1, 2}};
    Sitzung s{person, uhr};
    s.verein.datei.jahr = "26";
    EXPECT_THROW(buchungAnhaengen(s.verein, s.person, TBuchung{}, {}), BefehlAbgebrochen);
    ASSERT_EQ(person.meldungen().size(), 1u);
    EXPECT_EQ(person.meldungen()[0].titel, "Fehler!");
    EXPECT_FALSE(dateiExistiert(".26"));
}

} // namespace
} // namespace zalvor
