// Member record layout, the rates file and the contribution of a member.
#include "core/files/oeffnen.h"
#include "core/members/beitragssaetze.h"
#include "mitglieder_testdaten.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

TEST(Mitglied, PacksEveryFieldAtItsOffsetAndBack) {
    TMitglied m = mitglied("Müller", "Jörg", 7);
    m.frei[0].setze("Hauptstr. 1");
    m.frei[4].setze("Tel");
    m.bezahlt = 1;
    const auto b = m.packen();
    ASSERT_EQ(b.size(), 174u);
    EXPECT_EQ(b[0], 6);
    EXPECT_EQ(b[2], 0x81); // ü in DOS form
    EXPECT_EQ(b[21], 4);
    EXPECT_EQ(b[42], 11);
    EXPECT_EQ(b[43], 'H');
    EXPECT_EQ(b[146], 3);
    EXPECT_EQ(b[172], 1);
    EXPECT_EQ(b[173], 7);
    EXPECT_EQ(TMitglied::entpacken(b.data()), m);
}

TEST(Mitglied, OrderIsByteWiseOnLastThenFirstName) {
    EXPECT_TRUE(sortiertVor(mitglied("Abel", "Anna"), mitglied("Abel", "Bernd")));
    EXPECT_TRUE(sortiertVor(mitglied("Abel", "Zoe"), mitglied("Zander", "Anna")));
    EXPECT_TRUE(sortiertVor(mitglied("Zander", "A"), mitglied("zander", "A"))); // upper first
    EXPECT_TRUE(sortiertVor(mitglied("Ab", "X"), mitglied("Abel", "A")));       // shorter first
    EXPECT_TRUE(sortiertVor(mitglied("Az", "A"), mitglied("Aä", "A")));         // 0x84 after z
    EXPECT_FALSE(sortiertVor(mitglied("Abel", "Anna"), mitglied("Abel", "Anna")));
}

TEST(Beitragssaetze, PacksTwentyOneEntriesOf44Bytes) {
    Beitragssaetze r;
    r.eintraege[0].cent = 5000;
    r.eintraege[0].name.setze("Standard");
    r.eintraege[20].cent = 0x1234;
    r.eintraege[20].name.setze("Passiv");
    r.eintraege[20].frei = 9;
    const auto b = r.packen();
    ASSERT_EQ(b.size(), 924u);
    EXPECT_EQ(b[0], 0x88);
    EXPECT_EQ(b[1], 0x13);
    EXPECT_EQ(b[2], 8);
    EXPECT_EQ(b[20 * 44], 0x34);
    EXPECT_EQ(b[20 * 44 + 1], 0x12);
    EXPECT_EQ(b[20 * 44 + 43], 9);
    EXPECT_EQ(Beitragssaetze::entpacken(b.data()), r);
}

TEST(Beitragssaetze, BookableOnlyWithNameOtherThanDashesAndAnAmount) {
    struct Fall {
        std::string name;
        std::uint16_t cent;
        bool inGebrauch, buchbar;
    };
    for (const Fall& f : {Fall{"", 1000, false, false}, Fall{"--", 1000, true, false},
                          Fall{"Jugend", 0, true, false}, Fall{"Jugend", 1, true, true}}) {
        Beitragssatz e;
        e.name.setze(f.name);
        e.cent = f.cent;
        EXPECT_EQ(e.inGebrauch(), f.inGebrauch) << f.name << f.cent;
        EXPECT_EQ(e.buchbar(), f.buchbar) << f.name << f.cent;
    }
}

TEST(Beitragssaetze, OpeningWithoutFileGivesDefaultsAndWritingReadsBack) {
    Kassenbuch k;
    k.s.verein.def.standardBeitrag = 12.345L;
    beitragssaetzeEinlesen(k.s.verein, k.s.person);
    EXPECT_TRUE(k.person.meldungen().empty());
    EXPECT_EQ(k.s.verein.beitraege.eintraege[0].name.text(), "Standard");
    EXPECT_EQ(k.s.verein.beitraege.eintraege[0].cent, 1235);
    EXPECT_EQ(k.s.verein.beitraege.eintraege[5].cent, 0);

    k.s.verein.beitraege.eintraege[3].name.setze("Jugend");
    k.s.verein.beitraege.eintraege[3].cent = 2500;
    ASSERT_TRUE(beitragssaetzeSchreiben(k.s.verein.dateien(), k.s.verein.beitraege, k.s.person));
    EXPECT_EQ(bytesLesen(k.s.verein.datei.dateien().beitraege()).size(), 924u);
    const Beitragssaetze geschrieben = k.s.verein.beitraege;
    k.s.verein.beitraege = {};
    beitragssaetzeEinlesen(k.s.verein, k.s.person);
    EXPECT_EQ(k.s.verein.beitraege, geschrieben);
}

TEST(Beitragssaetze, ShortFileIsReportedAndGivesDefaults) {
    Kassenbuch k;
    k.s.verein.def.standardBeitrag = 30;
    bytesSchreiben(k.s.verein.datei.dateien().beitraege(), std::vector<std::uint8_t>(100, 7));
    beitragssaetzeEinlesen(k.s.verein, k.s.person);
    ASSERT_EQ(k.person.meldungen().size(), 1u);
    EXPECT_EQ(k.person.meldungen()[0].text, "Die Beitragssätze ließen sich nicht einlesen!");
    EXPECT_EQ(k.person.meldungen()[0].titel, "Fehler");
    EXPECT_EQ(k.s.verein.beitraege, vorgabeSaetze(k.s.verein.def));
}

TEST(Beitragssaetze, CentsAreRoundedAndLimitedToTheEntry) {
    EXPECT_EQ(inCent(12.5L), 1250);
    EXPECT_EQ(inCent(0.005L), 1);
    EXPECT_EQ(inCent(-3), 0);
    EXPECT_EQ(inCent(655.35L), 65535);
    EXPECT_EQ(inCent(1000), 65535);
}

TEST(Beitragssaetze, DemandPerPeriodSumsEveryMembersContribution) {
    Kassenbuch k;
    k.s.verein.def.standardBeitrag = 50;
    EXPECT_EQ(forderungJePeriode(mitgliederLesen(k.s.verein.dateien().mitglieder()),
                                 k.s.verein.beitraege, k.s.verein.def),
              0); // no member file
    k.s.verein.beitraege = vorgabeSaetze(k.s.verein.def);
    k.s.verein.beitraege.eintraege[1].name.setze("Jugend");
    k.s.verein.beitraege.eintraege[1].cent = 2550;
    k.s.verein.beitraege.eintraege[2].cent = 999; // no name: the standard rate applies
    mitgliederSchreiben(k.s.verein.datei.dateien().mitglieder(),
                        {mitglied("Abel", "A", 0), mitglied("Berg", "B", 1),
                         mitglied("Cord", "C", 2), mitglied("Dorn", "D", 200)});
    EXPECT_EQ(mitgliederLesen(k.s.verein.datei.dateien().mitglieder()).size(), 4u);
    EXPECT_DOUBLE_EQ(static_cast<double>(beitragsBetrag(mitglied("X", "Y", 1), k.s.verein.beitraege,
                                                        k.s.verein.def)),
                     25.5);
    EXPECT_DOUBLE_EQ(
        static_cast<double>(forderungJePeriode(mitgliederLesen(k.s.verein.dateien().mitglieder()),
                                               k.s.verein.beitraege, k.s.verein.def)),
        50 + 25.5 + 50 + 50);
}

} // namespace
} // namespace zalvor::test
