// zalvor-cli member commands on the demo club.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

class MitgliederCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-03-15", "demo", dir.pfad()}).status, 0);
        datei = dir.datei("Sportverein.26");
    }
    CliErgebnis lauf(std::vector<std::string> a) {
        a.insert(a.begin(), {"--heute", "2026-03-15"});
        return cli(a);
    }
    TempVerzeichnis dir;
    std::string datei;
};

TEST_F(MitgliederCli, DemoHasMembersRatesAndPaidMarks) {
    const auto r = lauf({"mitglieder", datei});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Nr\tNachname\tVorname\tStraße\tOrt"), std::string::npos);
    EXPECT_NE(r.out.find("\tÖzdemir\tAyla\t"), std::string::npos);
    const auto s = lauf({"beitragssaetze", datei});
    EXPECT_NE(s.out.find("3\tPassiv\t24,50"), std::string::npos);
}

TEST_F(MitgliederCli, NewMemberRenameAndRemove) {
    auto r = lauf({"mitglied", datei, "--nachname", "Abel", "--vorname", "Anna", "--feld",
                   "2=Neuhof", "--satz", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Nr\t0\n");
    r = lauf({"mitglied", datei, "--aendern", "0", "--nachname", "Zorn"});
    EXPECT_EQ(r.out, "Nr\t24\n");
    r = lauf({"--antworten", "nein", "mitglied-entfernen", datei, "24"});
    EXPECT_EQ(r.status, 1);
    r = lauf({"--antworten", "ja", "mitglied-entfernen", datei, "24"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lauf({"mitglied-entfernen", datei, "25"}).status, 2);
}

TEST_F(MitgliederCli, BookingAPaidMemberIsWrongUsageAndBooksNothing) {
    const auto vorher = lauf({"tabelle", datei}).out;
    const auto r = lauf({"beitraege-buchen", datei, "--mitglied", "3", "--mitglied", "0"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Bauer, Karin"), std::string::npos);
    EXPECT_EQ(lauf({"tabelle", datei}).out, vorher);
    const auto alle = lauf({"beitraege-buchen", datei, "--alle"});
    EXPECT_EQ(alle.out, "Gebucht\t8\n") << alle.err;
}

TEST_F(MitgliederCli, SettingsRatesResetAndList) {
    auto r = lauf({"mitglieder-einstellungen", datei, "--betrag", "700"});
    EXPECT_EQ(r.status, 1);
    r = lauf({"beitragssaetze", datei, "--satz", "4=Familie:12,"});
    EXPECT_NE(r.out.find("4\tFamilie\t12,00"), std::string::npos) << r.err;
    r = lauf({"--antworten", "ok,ja", "beitraege-reset", datei});
    EXPECT_EQ(r.status, 0) << r.err;
    r = lauf({"mitgliederliste", datei, "--spalten", "beschreibung,frei2"});
    EXPECT_NE(r.out.find("Mitglied\tBeitrag\tOrt\tBez"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Bauer, Karin\tErwachsene\tLindenau\t -"), std::string::npos);
}

} // namespace
} // namespace zalvor::test
