// Plan values: the plan file, the plan dialog's model with its group rule, the comparison.
#include "../files/buchungsdaten.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateischreiben.h"
#include "core/files/oeffnen.h"
#include "core/lists/planvorgaben.h"
#include "core/lists/planwerte.h"
#include "core/lists/sollist.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace zalvor {
namespace {

using test::Kassenbuch;

constexpr std::size_t kAus = 0, kEin = 1;

class Plan : public ::testing::Test {
  protected:
    void SetUp() override {
        auto& t = kb.s.verein.def.typen;
        t.setzeTypName(Seite::Ausgabe, 1, "Miete");
        t.setzeTypName(Seite::Ausgabe, 2, "Strom");
        t.setzeGruppenName(Seite::Ausgabe, 1, "Haus");
        t.setzeGruppeVon(Seite::Ausgabe, 1, 1);
        t.setzeGruppeVon(Seite::Ausgabe, 2, 1);
        planvorgabenBeginnen(kb.s.verein);
    }
    std::string planDatei() const { return kb.s.verein.datei.dateien().planwerte(); }
    Kassenbuch kb;
};

TEST_F(Plan, DateiTraegtBeideTabellenInIhrerSatzfolge) {
    kb.s.verein.plan[kAus][1] = {12.5, false};
    kb.s.verein.plan[kAus][69] = {3, false}; // group 19: record 39
    kb.s.verein.plan[kEin][21] = {7, false}; // first block, second record
    kb.s.verein.plan[kAus][99] = {0, true};  // last block, third record
    ASSERT_TRUE(planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person));
    EXPECT_EQ(dateiGroesse(planDatei()), 198u * 9);
    const Planwerte geschrieben = kb.s.verein.plan;
    kb.s.verein.plan = {};
    planwerteEinlesen(kb.s.verein, kb.s.person);
    EXPECT_TRUE(kb.s.verein.planvorgaben);
    EXPECT_EQ(kb.s.verein.plan, geschrieben);
    // Offsets of the fixed order: record 39 and record 79 + 1.
    std::ifstream in(planDatei(), std::ios::binary);
    std::vector<unsigned char> roh((std::istreambuf_iterator<char>(in)), {});
    double d;
    std::memcpy(&d, roh.data() + 38 * 9, 8);
    EXPECT_EQ(d, 3);
    std::memcpy(&d, roh.data() + 79 * 9, 8);
    EXPECT_EQ(d, 7);
    EXPECT_EQ(roh[196 * 9 + 8], 1);
}

TEST_F(Plan, KurzeDateiUndFehlendeDatei) {
    kb.s.verein.plan[kAus][30] = {9, true};
    kb.s.verein.plan[kEin][80] = {9, false};
    std::vector<std::uint8_t> roh(78 * 9, 0);
    roh[0 * 9 + 7] = 0x40; // 2.0 for expense type 1
    dateiErsetzen(planDatei(), roh);
    planwerteEinlesen(kb.s.verein, kb.s.person);
    EXPECT_EQ(kb.s.verein.plan[kAus][1].wert, 2.0);
    EXPECT_EQ(kb.s.verein.plan[kAus][30], Planeintrag{});
    EXPECT_EQ(kb.s.verein.plan[kEin][80], Planeintrag{});
    dateiLoeschen(planDatei());
    kb.s.verein.plan[kAus][1].wert = 4;
    planwerteEinlesen(kb.s.verein, kb.s.person);
    EXPECT_FALSE(kb.s.verein.planvorgaben);
    EXPECT_EQ(kb.s.verein.plan[kAus][1].wert, 4); // the tables keep their contents
}

TEST_F(Plan, FehlgeschlagenesSpeichernLaesstDieAlteDatei) {
    kb.s.verein.plan[kAus][1] = {1, false};
    ASSERT_TRUE(planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person));
    kb.s.verein.plan[kAus][1] = {2, false};
    testhaken::schreibfehlerNach(0, ENOSPC);
    EXPECT_FALSE(planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person));
    testhaken::zuruecksetzen();
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].text, "Datei konnte nicht erstellt werden!");
    planwerteEinlesen(kb.s.verein, kb.s.person);
    EXPECT_EQ(kb.s.verein.plan[kAus][1].wert, 1);
}

TEST_F(Plan, UnlesbareDateiWirdNichtUeberschrieben) {
    kb.s.verein.plan[kAus][1] = {7, false};
    ASSERT_TRUE(planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person));
    const auto vorher = test::bytesLesen(planDatei());
    // The stored file opens but its read fails; writing would work.
    kb.s.verein.plan[kAus][1] = {0, false};
    testhaken::fehlerBeiSchritt(2, EIO);
    EXPECT_FALSE(planwerteSchreiben(kb.s.verein.dateien(), kb.s.verein.plan, kb.s.person));
    EXPECT_EQ(testhaken::ausgeloesterFehler(), testhaken::Vorgang::Lesen);
    testhaken::zuruecksetzen();
    EXPECT_EQ(kb.person.gemeldeterAusgang(), Ausgang::EAFehler);
    EXPECT_EQ(test::bytesLesen(planDatei()), vorher);
}

TEST_F(Plan, BetragsformatImDialog) {
    Planvorgabenmodell m(kb.s.verein, kb.s.person, Seite::Ausgabe);
    EXPECT_EQ(m.zeilenText(1), " 1: Miete");
    EXPECT_EQ(m.zeilenText(51), "51: Haus");
    EXPECT_TRUE(m.uebernehmen(2, "12,5"));
    EXPECT_EQ(m.zelle(2), "       12.50");
    EXPECT_FALSE(m.uebernehmen(2, "1,234"));
    EXPECT_EQ(m.zelle(2), "       12.50");
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].text, "\r\r1.234 hat kein gültiges Betragsformat!");
}

TEST_F(Plan, GruppenregelFragtUndLoestAuf) {
    Planvorgabenmodell m(kb.s.verein, kb.s.person, Seite::Ausgabe);
    ASSERT_TRUE(m.uebernehmen(1, "100"));
    kb.person.antworte(Knopf::Nein);
    EXPECT_FALSE(m.uebernehmen(51, "500"));
    EXPECT_EQ(m.zelle(51), "        0.00");
    kb.person.antworte(Knopf::Ja);
    ASSERT_TRUE(m.uebernehmen(51, "500"));
    EXPECT_EQ(m.zelle(1), kSGruppe);
    EXPECT_EQ(m.zelle(2), kSGruppe);
    EXPECT_FALSE(m.bearbeitbar(1));
    ASSERT_EQ(kb.person.meldungen().size(), 2u);
    EXPECT_EQ(kb.person.meldungen()[1].titel, "Warnung!");
    // The group at 0: members back to 0.00 (no member has a plan: no question).
    ASSERT_TRUE(m.uebernehmen(51, "0"));
    EXPECT_EQ(m.zelle(1), "        0.00");
    EXPECT_EQ(kb.person.meldungen().size(), 2u);
    ASSERT_TRUE(m.uebernehmen(51, "300"));
    ASSERT_TRUE(m.speichern());
    EXPECT_EQ(kb.s.verein.plan[kAus][1], (Planeintrag{0, true}));
    EXPECT_EQ(kb.s.verein.plan[kAus][51], (Planeintrag{300, false}));
    EXPECT_EQ(dateiGroesse(planDatei()), 198u * 9);
}

TEST_F(Plan, ZyklischeGruppenWerdenEinmalGesammelt) {
    auto& t = kb.s.verein.def.typen;
    t.setzeGruppeVon(Seite::Ausgabe, 51, 2); // Haus under group 2
    t.setzeGruppeVon(Seite::Ausgabe, 52, 1); // group 2 under Haus
    Planvorgabenmodell m(kb.s.verein, kb.s.person, Seite::Ausgabe);
    EXPECT_EQ(m.mitglieder(51), (std::vector<int>{52, 2, 1}));
}

class Vergleich : public Plan {
  protected:
    void buchen(std::uint8_t typ, long double betrag, bool geplant = false, bool ein = false) {
        kb.buchen({.betrag = betrag, .einnahme = ein, .typ = typ, .geplant = geplant});
    }
};

TEST_F(Vergleich, OhnePlanvorgabenEineNachricht) {
    kb.s.verein.planvorgaben = false;
    EXPECT_FALSE(sollIstVergleich(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText));
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].text,
              "\rSie haben noch keine Planvorgaben getätigt! (Menü Buchungen...)");
}

TEST_F(Vergleich, GruppeMitAllenMitgliedernGeplantesNurInPlanungen) {
    buchen(1, 100);
    buchen(2, 30, true);
    buchen(1, 5, false, true); // income of the same type number: other side
    buchen(1, 0);              // deleted
    kb.s.verein.plan[kAus][1] = {0, true};
    kb.s.verein.plan[kAus][51] = {200, false};
    kb.s.verein.plan[kEin][1] = {10, false};
    const auto b = sollIstVergleich(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->waehrungszeile, A("Alle Beträge in DM"));
    EXPECT_EQ(b->fenstertitel.rfind("Soll-Ist-Vergleich f", 0), 0u);
    const Raster& aus = b->reiter[0].raster[0];
    EXPECT_EQ(aus.ueberschrift, "Ausgabetypen:");
    EXPECT_EQ(aus.breiten, (std::vector<int>{122, 92, 92, 92, 99, 92}));
    ASSERT_EQ(aus.zeilen.size(), 2u);
    EXPECT_EQ(aus.zeilen[0],
              (std::vector<std::string>{"Haus", "     100.00", "      30.00", "     130.00",
                                        "     200.00", "      70.00"}));
    EXPECT_EQ(aus.zeilen[1][0], "S u m m e n :");
    EXPECT_EQ(aus.zeilen[1][5], "      70.00");
    const Raster& ein = b->reiter[0].raster[1];
    EXPECT_EQ(ein.zeilen[0][3], "       5.00");
}

TEST_F(Vergleich, ZyklusZaehltNullMitMeldung) {
    buchen(1, 100);
    auto& t = kb.s.verein.def.typen;
    t.setzeGruppeVon(Seite::Ausgabe, 51, 2);
    t.setzeGruppeVon(Seite::Ausgabe, 52, 1);
    kb.s.verein.plan[kAus][51] = {50, false};
    const auto b = sollIstVergleich(kb.s.verein, kb.s.person, kb.s.uhr, kb.s.euroText);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->reiter[0].raster[0].zeilen[0][3], "     100.00");
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].titel,
              "Zyklische Ausgabe-Typengruppen gefunden, Ergebnisse undefiniert!");
}

} // namespace
} // namespace zalvor
