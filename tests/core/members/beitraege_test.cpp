// Further rates, member settings, booking contributions, the reset, the Euro changeover and
// the member list.
#include "core/files/oeffnen.h"
#include "core/members/beitraegebuchen.h"
#include "core/members/karteikarte.h"
#include "core/members/mitgliedereinstellungen.h"
#include "core/members/mitgliederimport.h"
#include "core/members/mitgliederliste.h"
#include "mitglieder_testdaten.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

TEST(SatzBetrag, ReadsTheFormsOfTheGrid) {
    struct Fall {
        const char* text;
        std::optional<std::uint16_t> cent;
    };
    for (const Fall& f :
         {Fall{"", 0}, Fall{"12", 1200}, Fall{"12,5", 1250}, Fall{"12,05", 1205}, Fall{"12,", 1200},
          Fall{"12.5", 1250}, Fall{",5", 50}, Fall{"655,35", 65535}, Fall{"1,2,3", std::nullopt},
          Fall{"655,36", std::nullopt}, Fall{"-1", std::nullopt}, Fall{"12,345", std::nullopt},
          Fall{"zwölf", std::nullopt}})
        EXPECT_EQ(satzBetragLesen(f.text), f.cent) << f.text;
    EXPECT_EQ(centText(1250), "12,50");
    EXPECT_EQ(centText(5), "0,05");
    EXPECT_EQ(centText(0), "0,00");
}

// A club with three members, an account for the contributions, standard rate 50.
class Verein : public ::testing::Test {
  protected:
    void SetUp() override {
        k.s.verein.def.konten.fill(kUnbenannt);
        k.s.verein.def.konten[2] = "Bank";
        k.s.verein.def.mitgliedEinstellung = 12; // account 2, guarded
        k.s.verein.def.standardBeitrag = 50;
        k.s.verein.beitraege = vorgabeSaetze(k.s.verein.def);
        k.s.verein.beitraege.eintraege[1].name.setze("Jugend");
        k.s.verein.beitraege.eintraege[1].cent = 2500;
        k.s.verein.beitraege.eintraege[3].cent = 3000; // amount without a name
        for (const auto& m : {mitglied("Abel", "Anna", 0), mitglied("Berg", "Bernd", 1),
                              mitglied("Cord", "Cora", 3)})
            mitgliedEinfuegen(pfad(), m);
        for (int i = 1; i <= 9; ++i)
            leereDateiAnlegen(k.index(i));
        k.s.dateiOffen = true;
        k.s.verein.mitgliederVorhanden = true;
    }
    std::string pfad() const { return k.s.verein.datei.dateien().mitglieder(); }
    Kassenbuch k;
};

TEST_F(Verein, FurtherRatesRefuseABadRowWithItsNumberAndStoreNothing) {
    SaetzeEingaben e = beitrSaetzeFuellen(k.s.verein.beitraege);
    EXPECT_EQ(e[0].betrag, "25,00");
    e[0] = {"Erwachsene", "12,5"};
    e[6].betrag = "1,2,3";
    EXPECT_EQ(beitrSaetzeOk(k.s, e), Speicherausgang::Abgewiesen);
    ASSERT_EQ(k.person.meldungen().size(), 1u);
    EXPECT_EQ(k.person.meldungen()[0].titel, "Falsches Zahlenformat");
    EXPECT_NE(k.person.meldungen()[0].text.find("In Zeile 7 wurde"), std::string::npos);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[1].name.text(), "Jugend");
    e[6].betrag = "";
    EXPECT_EQ(beitrSaetzeOk(k.s, e), Speicherausgang::Gespeichert);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[1].cent, 1250);
    EXPECT_EQ(bytesLesen(k.s.verein.datei.dateien().beitraege()).size(), 924u);
}

TEST_F(Verein, SettingsCheckInOrderAndKeepTheCodeWordAddition) {
    struct Fall {
        int konto;
        const char* betrag;
        const char* meldung;
    };
    for (const Fall& f :
         {Fall{0, "", "\r\rKein Konto angegeben!"}, Fall{2, "", "\r\rKein Betrag angegeben!"},
          Fall{2, "12,345", "\r12.345 hat kein gültiges Betragsformat!"},
          Fall{2, "655,36", "\r655.36 hat kein gültiges Betragsformat!"},
          Fall{2, "-1", "\r-1 hat kein gültiges Betragsformat!"}}) {
        k.person.leeren();
        MglEinstEingaben e = mglEinstFuellen(k.s.verein.def);
        e.konto = f.konto;
        e.betrag = f.betrag;
        EXPECT_EQ(mglEinstOk(k.s, e), Speicherausgang::Abgewiesen) << f.betrag;
        ASSERT_EQ(k.person.meldungen().size(), 1u);
        EXPECT_EQ(k.person.meldungen()[0].text, f.meldung);
    }
    EXPECT_EQ(k.s.verein.def.standardBeitrag, 50);
    MglEinstEingaben e = mglEinstFuellen(k.s.verein.def);
    EXPECT_EQ(e.betrag, "50.00");
    e.betrag = "12,5";
    e.felder[1] = "Telefonnummer";
    EXPECT_EQ(mglEinstOk(k.s, e), Speicherausgang::Gespeichert);
    EXPECT_EQ(k.s.verein.def.mitgliedEinstellung, 12);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[0].cent, 1250);
    EXPECT_EQ(k.s.verein.def.freiFelder[2], "Telefonnum");
}

TEST_F(Verein, BoxesFollowPaidMarkAndBookableRate) {
    TMitglied abel = mitgliederLesen(pfad())[0];
    abel.bezahlt = 1;
    mitgliedUeberschreiben(pfad(), 0, abel);
    auto d = beitraegeOeffnen(k.s);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->kaestchen.size(), 3u);
    EXPECT_TRUE(d->kaestchen[0].angehakt);
    EXPECT_FALSE(d->kaestchen[0].aktiv);
    EXPECT_TRUE(d->kaestchen[1].aktiv);
    EXPECT_FALSE(d->kaestchen[2].aktiv); // entry 3 has no name
    for (auto& kasten : d->kaestchen)
        kasten.angehakt = true;
    EXPECT_EQ(beitraegeBuchen(k.s, *d), 1u);
    const auto b = alleBuchungenLesen(k.datei());
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].typcode, 22);
    EXPECT_EQ(b[0].text.text(), "Berg, Bernd");
    EXPECT_EQ(b[0].betrag.wert(), 25);
    EXPECT_EQ(b[0].kontoNach, 2);
    EXPECT_EQ(b[0].tag, 1);
    EXPECT_EQ(b[0].monat, 3);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(k.eintraege(i).size(), 1u) << i;
    EXPECT_EQ(mitgliederLesen(pfad())[1].bezahlt, 1);
}

TEST_F(Verein, ResetPlansTheOutstandingContributionsOnYes) {
    k.person.antworte({Knopf::Ok, Knopf::Ja});
    EXPECT_TRUE(beitraegeZuruecksetzen(k.s));
    const auto b = alleBuchungenLesen(k.datei());
    ASSERT_EQ(b.size(), 3u); // Cord counts with the standard rate: entry 3 has an amount
    EXPECT_EQ(b[2].text.text(), "Cord, Cora");
    EXPECT_EQ(b[2].betrag.wert(), 50);
    EXPECT_TRUE(b[0].istGeplant());
}

TEST_F(Verein, ResetAsksAgainOnNoAndStopsOnCancel) {
    k.person.antworte({Knopf::Ok, Knopf::Abbruch});
    EXPECT_FALSE(beitraegeZuruecksetzen(k.s));
    k.person.antworte({Knopf::Ok, Knopf::Nein, Knopf::Abbruch});
    EXPECT_FALSE(beitraegeZuruecksetzen(k.s));
    EXPECT_EQ(k.person.meldungen().back().titel, "V O R S I C H T !!!");
    EXPECT_EQ(k.person.meldungen().back().vorwahl, Knopf::Abbruch);
    TMitglied m = mitgliederLesen(pfad())[0];
    m.bezahlt = 1;
    mitgliedUeberschreiben(pfad(), 0, m);
    k.person.antworte({Knopf::Ok, Knopf::Nein, Knopf::Ok});
    EXPECT_TRUE(beitraegeZuruecksetzen(k.s));
    EXPECT_EQ(satzAnzahl(k.datei()), 0u);
    for (const auto& x : mitgliederLesen(pfad()))
        EXPECT_EQ(x.bezahlt, 0);
}

TEST_F(Verein, ResetWithEverybodyPaidAsksOnlyOnce) {
    auto liste = mitgliederLesen(pfad());
    for (auto& m : liste)
        m.bezahlt = 1;
    mitgliederSchreiben(pfad(), liste);
    k.person.antworte(Knopf::Ok);
    EXPECT_TRUE(beitraegeZuruecksetzen(k.s));
    EXPECT_EQ(k.person.meldungen().size(), 1u);
    EXPECT_EQ(mitgliederLesen(pfad())[2].bezahlt, 0);
}

TEST_F(Verein, ChangeoverConvertsStandardAndFurtherRatesOnYes) {
    k.s.verein.def.waehrung.Kurs = 1.95583L;
    k.person.antworte(Knopf::Nein);
    EXPECT_TRUE(beitragssaetzeUmstellen(k.s.verein, k.s.person));
    EXPECT_EQ(k.s.verein.def.standardBeitrag, 50);
    k.person.antworte(Knopf::Abbruch);
    EXPECT_FALSE(beitragssaetzeUmstellen(k.s.verein, k.s.person));
    k.person.antworte(Knopf::Ja);
    EXPECT_TRUE(beitragssaetzeUmstellen(k.s.verein, k.s.person));
    EXPECT_NE(k.person.meldungen().back().text.find("von 50.00 DM."), std::string::npos);
    EXPECT_NE(k.person.meldungen().back().text.find("von 25.56 EUR."), std::string::npos);
    EXPECT_NEAR(static_cast<double>(k.s.verein.def.standardBeitrag), 25.56, 1e-9);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[0].cent, 2556);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[3].cent, 1534);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[1].cent, 1278);
    k.s.verein.def.standardBeitrag = 0;
    EXPECT_TRUE(beitragssaetzeUmstellen(k.s.verein, k.s.person)); // nothing asked
}

// A failed write during the changeover leaves both files as they were and stops the year
// (the write that puts the rates back succeeds: the failure is one operation).
TEST_F(Verein, ChangeoverWithAFailedWriteChangesNeither) {
    k.s.verein.def.waehrung.Kurs = 1.95583L;
    ASSERT_TRUE(definitionenSchreiben(k.s.verein.datei.basisname, k.s.verein.def, k.person));
    ASSERT_TRUE(beitragssaetzeSchreiben(k.s.verein.dateien(), k.s.verein.beitraege, k.s.person));
    const std::string def = k.s.verein.datei.dateien().definitionen();
    const std::string btr = k.s.verein.datei.dateien().beitraege();
    const auto defVorher = bytesLesen(def);
    const auto btrVorher = bytesLesen(btr);
    const auto saetzeVorher = k.s.verein.beitraege.eintraege;
    bool gelungen = false;
    for (std::uint64_t schritt = 1; !gelungen && schritt < 200; ++schritt) {
        k.person.antworte(Knopf::Ja);
        testhaken::fehlerBeiSchritt(schritt, ENOSPC);
        gelungen = beitragssaetzeUmstellen(k.s.verein, k.s.person);
        testhaken::zuruecksetzen();
        if (gelungen) break;
        EXPECT_EQ(bytesLesen(def), defVorher) << schritt;
        EXPECT_EQ(bytesLesen(btr), btrVorher) << schritt;
        EXPECT_EQ(k.s.verein.def.standardBeitrag, 50) << schritt;
        EXPECT_EQ(k.s.verein.beitraege.eintraege[3].cent, saetzeVorher[3].cent) << schritt;
    }
    EXPECT_TRUE(gelungen);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[0].cent, 2556);
    EXPECT_NE(bytesLesen(btr), btrVorher);
}

TEST_F(Verein, CardRenamesAndKeepsRateAndMark) {
    auto stored = karteDialog(k.s, 1u, [](Karteikarte& c) {
        EXPECT_EQ(c.saetze[1], "Jugend");
        EXPECT_EQ(c.saetze[3], "--");
        EXPECT_TRUE(c.satzlisteAktiv);
        c.eingaben.nachname = A("Zorn");
        return true;
    });
    EXPECT_EQ(stored, 2u);
    EXPECT_EQ(mitgliederLesen(pfad())[2].satz, 1);
    // The "--" entry stores the standard rate.
    karteDialog(k.s, 0u, [](Karteikarte& c) {
        c.eingaben.satz = 3;
        return true;
    });
    EXPECT_EQ(mitgliederLesen(pfad())[0].satz, 0);
    k.person.antworte(Knopf::Ja);
    EXPECT_TRUE(mitgliedLoeschen(k.s, 0));
    EXPECT_EQ(namen(pfad()), (std::vector<std::string>{"Cord, Cora", "Zorn, Bernd"}));
}

TEST_F(Verein, CardFreeFieldWithUmlautComesBackAsTyped) {
    karteDialog(k.s, 0u, [](Karteikarte& c) {
        c.eingaben.frei[0] = A("Straße");
        return true;
    });
    EXPECT_EQ(mitgliederLesen(pfad())[0].frei[0].text(), "Stra\xE1"
                                                         "e");
    karteDialog(k.s, 0u, [](Karteikarte& c) {
        EXPECT_EQ(c.eingaben.frei[0], A("Straße"));
        return false;
    });
}

TEST_F(Verein, MemberListShowsChosenColumnsInOrder) {
    Spaltenwahl wahl;
    auto leer = mitgliederlisteErstellen(k.s, wahl);
    ASSERT_TRUE(leer);
    EXPECT_EQ(leer->reiter[0].raster[0].kopf, (std::vector<std::string>{"Mitglied", "Bez"}));
    EXPECT_EQ(leer->fenstertitel,
              A("Mitgliederliste für Datei: ") + k.s.verein.datei.basisname + " (Stand: 1.3.26)");
    wahl.frei[3] = wahl.frei[1] = wahl.beschreibung = wahl.betrag = true;
    const auto b = mitgliederlisteErstellen(k.s, wahl);
    const Raster& r = b->reiter[0].raster[0];
    EXPECT_EQ(r.kopf, (std::vector<std::string>{"Mitglied", "Beitrag", "Beitragssatz", "Frei 2 ...",
                                                "Frei 4 ...", "Bez"}));
    EXPECT_EQ(r.zeilen[2], (std::vector<std::string>{"Cord, Cora", "", "30,00", "", "", " -"}));
}

TEST_F(Verein, OldMemberFileIsImportedOnceWithRateIndexZero) {
    std::vector<std::uint8_t> alt;
    for (const auto& m : mitgliederLesen(pfad())) {
        const auto b = m.packen();
        alt.insert(alt.end(), b.begin(), b.begin() + 173);
    }
    bytesSchreiben(k.s.verein.datei.dateien().mitgliederAlt(), alt);
    EXPECT_FALSE(
        altesMitgliederformatImportieren(k.s.verein.dateien(), k.s.person)); // the new file exists
    dateiLoeschen(pfad());
    EXPECT_TRUE(altesMitgliederformatImportieren(k.s.verein.dateien(), k.s.person));
    EXPECT_EQ(k.person.meldungen().back().titel, "Import erfolgt");
    EXPECT_EQ(dateiGroesse(pfad()), 3u * 174u);
    for (const auto& m : mitgliederLesen(pfad()))
        EXPECT_EQ(m.satz, 0);
    EXPECT_TRUE(dateiExistiert(k.s.verein.datei.dateien().mitgliederAlt()));
}

// Rates that exist but cannot be read are defaults in memory: nothing may write them over
// the file, use their amounts or reset a member's rate by them.
TEST_F(Verein, UnreadableRatesAreNeverWrittenOverOrBookedWith) {
    ASSERT_EQ(beitrSaetzeOk(k.s, beitrSaetzeFuellen(k.s.verein.beitraege)),
              Speicherausgang::Gespeichert);
    const std::string btr = k.s.verein.datei.dateien().beitraege();
    const auto datei = bytesLesen(btr);
    testhaken::fehlerBeiSchritt(1, EIO);
    beitragssaetzeEinlesen(k.s.verein, k.s.person);
    testhaken::zuruecksetzen();
    ASSERT_TRUE(k.s.verein.beitraege.unlesbar);
    const std::string standardVorher = std::to_string(k.s.verein.def.standardBeitrag);

    k.person.leeren();
    MglEinstEingaben e = mglEinstFuellen(k.s.verein.def);
    e.betrag = "12";
    EXPECT_EQ(mglEinstOk(k.s, e), Speicherausgang::Schreibfehler);
    EXPECT_EQ(std::to_string(k.s.verein.def.standardBeitrag), standardVorher);
    EXPECT_EQ(beitrSaetzeOk(k.s, beitrSaetzeFuellen(k.s.verein.beitraege)),
              Speicherausgang::Schreibfehler);
    for (const auto& m : k.person.meldungen())
        EXPECT_EQ(m.text, "Fehler beim Speichern der Beitragssätze!");
    EXPECT_EQ(k.person.meldungen().size(), 2u);
    EXPECT_EQ(bytesLesen(btr), datei);

    // Renaming Berg (rate 1) keeps the rate although the card offers none.
    ASSERT_TRUE(karteDialog(k.s, 1u, [](Karteikarte& c) {
        EXPECT_EQ(c.saetze[1], "--");
        c.eingaben.nachname = A("Zorn");
        return true;
    }));
    EXPECT_EQ(mitgliederLesen(pfad())[2].satz, 1);
    EXPECT_THROW(beitraegeOeffnen(k.s), EAFehler);
    EXPECT_THROW(beitraegeZuruecksetzen(k.s), EAFehler);
}

// A register only in the old form: the first new member imports it before it is filed.
TEST_F(Verein, NewMemberImportsTheOldRegisterFirst) {
    std::vector<std::uint8_t> alt;
    for (const auto& m : mitgliederLesen(pfad())) {
        const auto b = m.packen();
        alt.insert(alt.end(), b.begin(), b.begin() + 173);
    }
    bytesSchreiben(k.s.verein.datei.dateien().mitgliederAlt(), alt);
    dateiLoeschen(pfad());
    EXPECT_EQ(karteDialog(k.s, std::nullopt,
                          [](Karteikarte& c) {
                              c.eingaben.nachname = "Dorn";
                              return true;
                          }),
              3u);
    EXPECT_EQ(namen(pfad()),
              (std::vector<std::string>{"Abel, Anna", "Berg, Bernd", "Cord, Cora", "Dorn, "}));
}

} // namespace
} // namespace zalvor::test
