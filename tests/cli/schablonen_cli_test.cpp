// zalvor-cli schablonen, schablone-buchen, schablone-loeschen, schablone-wiederholung,
// buchen --schablone, and the automatic bookings of oeffnen and naechstes-jahr.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zalvor {
namespace {

using test::cli;

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string z; std::getline(in, z);)
        out.push_back(z);
    return out;
}

// The demo club made on 1 March 2026: rent due from 3 March, insurance next year.
class SchablonenCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-03-01", "demo", dir.pfad()}).status, 0);
        datei = dir.datei("Sportverein.26");
    }
    std::size_t buchungen(const std::string& heute = "2026-03-01") {
        return zeilen(cli({"--heute", heute, "tabelle", datei}).out).size() - 2;
    }
    test::TempVerzeichnis dir;
    std::string datei;
};

TEST_F(SchablonenCli, FensterRasterDesDemoVereins) {
    auto e = cli({"--heute", "2026-03-01", "schablonen", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_TRUE(test::wieGolden(e.out, "demo_schablonen.tsv"));
    EXPECT_EQ(e.err, "");
}

TEST_F(SchablonenCli, NurOeffnenBuchtFaelligeSchablonen) {
    const std::size_t vorher = buchungen();
    cli({"--heute", "2026-05-10", "tabelle", datei});
    cli({"--heute", "2026-05-10", "schablonen", datei});
    EXPECT_EQ(buchungen("2026-05-10"), vorher) << "only oeffnen runs the automatic bookings";

    auto e = cli({"--heute", "2026-05-10", "oeffnen", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, "Planvorgaben\nSchablonen\n\n  94 Datensätze\n");
    EXPECT_EQ(e.err, "[Information] Es wurde(n) automatische Buchung(en) vorgenommen! \n"
                     "Überprüfen Sie, ob die entsprechenden Zahlungen wirklich getätigt wurden!\n");
    const auto t = zeilen(cli({"--heute", "2026-05-10", "tabelle", datei}).out);
    EXPECT_EQ(t[t.size() - 3],
              "88\t 3. 3.\tHallenmiete\tHallenmiete Sporthalle Nord\t   450.00\t A\t 2");
    EXPECT_EQ(t.back(), "90\t 3. 5.\tHallenmiete\tHallenmiete Sporthalle Nord\t   450.00\t A\t 2");

    e = cli({"--heute", "2026-05-10", "oeffnen", datei});
    EXPECT_EQ(e.err, "") << "nothing is due twice";
}

TEST_F(SchablonenCli, KnoepfeDesFensters) {
    auto e = cli({"--heute", "2026-05-10", "schablone-wiederholung", datei, "2", "monatlich"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(zeilen(e.out).back(),
              "2\tSchiedsrichter\tSchiedsrichter Heimspiel\t    60.00\t A\t 1\tmonatl. 20.");

    e = cli({"--heute", "2026-05-10", "schablone-buchen", datei, "1"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(zeilen(e.out).back(),
              "91\t88\t10. 5.\tVersicherung\tVereinshaftpflicht\t   312.50\t A\t 2");

    e = cli({"--antworten", "nein", "schablone-loeschen", datei, "0"});
    EXPECT_EQ(e.status, 1);
    e = cli({"--antworten", "ja", "schablone-loeschen", datei, "0"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(zeilen(e.out).back(), "0\t* gelöscht *\t\t -------\t -\t---\tmonatl. 3.");
    EXPECT_NE(e.err.find("[A C H T U N G !] Wollen Sie diese Schablone wirklich löschen?"),
              std::string::npos);

    EXPECT_EQ(cli({"schablone-buchen", datei, "3"}).status, 2);
    EXPECT_EQ(cli({"schablone-loeschen", datei, "-1"}).status, 2);
    EXPECT_EQ(cli({"schablone-wiederholung", datei, "1", "woechentlich"}).status, 2);
}

TEST_F(SchablonenCli, BuchenMitSchabloneUndLeereDatei) {
    // Deleting every template: the window's next opening deletes the file.
    for (const char* nr : {"0", "1", "2"})
        ASSERT_EQ(cli({"--antworten", "ja", "schablone-loeschen", datei, nr}).status, 0);
    auto e = cli({"schablonen", datei});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.out, "");
    EXPECT_EQ(e.err, "[Information] \n\n Sie haben alle Schablonen gelöscht!\n");
    e = cli({"schablone-buchen", datei, "0"});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.err, "[Information] \n\nSie haben noch keine Schablonen angelegt.\n");

    e = cli({"--heute", "2026-03-01", "buchen", datei, "--einnahme", "--betrag", "12,5", "--text",
             "Kuchenverkauf", "--schablone"});
    ASSERT_EQ(e.status, 0) << e.err;
    e = cli({"schablonen", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(zeilen(e.out).back(), "Sonstige\tKuchenverkauf\t    12.50\t E\t 1\tNie");
}

TEST(SchablonenCliJahr, NaechstesJahrBuchtFaelligesImNeuenJahr) {
    test::TempVerzeichnis dir;
    ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", dir.pfad()}).status, 0);
    auto e = cli({"--heute", "2027-02-10", "naechstes-jahr", dir.datei("Sportverein.26")});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.err.find("[Information] Es wurde(n) automatische Buchung(en) vorgenommen!"),
              std::string::npos);
    const auto t = zeilen(cli({"tabelle", dir.datei("Sportverein.27")}).out);
    ASSERT_GE(t.size(), 3u);
    // January and February's rent, then the insurance of 20 January.
    EXPECT_EQ(t[t.size() - 3],
              "1\t 3. 1.\tHallenmiete\tHallenmiete Sporthalle Nord\t   450.00\t A\t 2");
    EXPECT_EQ(t[t.size() - 2],
              "2\t 3. 2.\tHallenmiete\tHallenmiete Sporthalle Nord\t   450.00\t A\t 2");
    EXPECT_EQ(t.back(), "3\t20. 1.\tVersicherung\tVereinshaftpflicht\t   312.50\t A\t 2");
}

} // namespace
} // namespace zalvor
