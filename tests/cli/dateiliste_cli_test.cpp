// zalvor-cli dateiliste and mehrdateiabschluss on the demo clubs.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zalvor {
namespace {

using test::cli;
using test::ohneOrdner;
using test::wieGolden;

class DateilisteCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli({"--heute", heute, "demo", dir.pfad()}).status, 0); }
    test::CliErgebnis lauf(std::vector<std::string> args, const std::string& antworten = {}) {
        std::vector<std::string> alle{"--heute", heute, "--antworten", antworten};
        alle.insert(alle.end(), args.begin(), args.end());
        auto e = cli(alle);
        e.out = ohneOrdner(e.out, dir.pfad());
        e.err = ohneOrdner(e.err, dir.pfad());
        return e;
    }
    std::string heute = "2026-12-07";
    test::TempVerzeichnis dir;
};

TEST_F(DateilisteCli, DemolisteUndIhreAbschluesse) {
    const std::string liste = dir.datei("Vereine.FL");
    auto e = lauf({"dateiliste", liste});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_TRUE(wieGolden(e.out, "demo_dateiliste.tsv"));
    EXPECT_NE(e.err.find("[WICHTIG!] Die Dateien einer Datei-Liste"), std::string::npos);
    const std::pair<std::vector<std::string>, const char*> abschluesse[] = {
        {{}, "demo_mehrdateiabschluss.tsv"},
        {{"--monat", "3"}, "demo_mehrdateiabschluss_maerz.tsv"},
    };
    for (const auto& [zusatz, datei] : abschluesse) {
        std::vector<std::string> args{"mehrdateiabschluss", liste};
        args.insert(args.end(), zusatz.begin(), zusatz.end());
        e = lauf(args);
        ASSERT_EQ(e.status, 0) << e.err;
        EXPECT_TRUE(wieGolden(e.out, datei)) << datei;
        EXPECT_EQ(e.err, "");
    }
    EXPECT_EQ(lauf({"mehrdateiabschluss", liste, "--umrechnen"}).status, 2);
    EXPECT_EQ(lauf({"mehrdateiabschluss", liste, "--monat", "13"}).status, 1);

    // In 2003 both currencies apply: the converted closing.
    heute = "2003-06-01";
    ASSERT_EQ(cli({"--heute", heute, "demo", dir.pfad()}).status, 0);
    e = lauf({"mehrdateiabschluss", liste, "--umrechnen"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out.substr(0, e.out.find('\n')),
              "# Alle Beträge in DM (umgerechnet und gerundet!)");
}

// One demo per test: making it is the slow part.
TEST_F(DateilisteCli, VorjahreslisteKorrigierenUndAendernMitAllenPruefungen) {
    const std::string liste = dir.datei("Vereine-Vorjahr.FL");
    auto e = lauf({"dateiliste", liste}, "Nein");
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find("DIR/Sportverein.25\n"), std::string::npos);
    EXPECT_EQ(lauf({"dateiliste", liste}, "Abbruch").status, 1);
    e = lauf({"dateiliste", liste}, "Ja");
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, "## Dateiliste: DIR/Vereine-Vorjahr.FL\nDatei\nDIR/Sportverein.26\n"
                     "DIR/Jugendabteilung.26\n");
    EXPECT_EQ(test::textLesen(liste), test::textLesen(dir.datei("Vereine.FL")));
    // Now of this year: no question.
    EXPECT_EQ(lauf({"dateiliste", liste}).err.find("nicht von diesem Jahr"), std::string::npos);

    // Changes in the order given, each with its checks.
    const std::string sport = dir.datei("Sportverein.26");
    e = lauf({"dateiliste", dir.datei("Neu"), "--neu", "--hinzufuegen", sport, "--hinzufuegen",
              sport, "--hinzufuegen", dir.datei("Jugendabteilung.26"), "--entfernen", "0",
              "--entfernen", "5"},
             "Ja");
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.out, "## Dateiliste: DIR/Neu.FL\nDatei\nDIR/Jugendabteilung.26\n");
    EXPECT_NE(e.err.find("Die Datei steht bereits in der Liste!"), std::string::npos);
    // A command with a refused change stores none of its changes.
    EXPECT_FALSE(std::filesystem::exists(dir.datei("Neu.FL")));
    e = lauf({"dateiliste", dir.datei("Neu"), "--neu", "--hinzufuegen", sport, "--hinzufuegen",
              dir.datei("Jugendabteilung.26"), "--entfernen", "0"},
             "Ja");
    EXPECT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(test::textLesen(dir.datei("Neu.FL")), dir.datei("Jugendabteilung.26") + "\r\n");

    // Overwriting is asked; the safe answer keeps the list.
    e = lauf({"dateiliste", dir.datei("Neu.FL"), "--neu"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("existiert bereits!"), std::string::npos);
    EXPECT_EQ(test::textLesen(dir.datei("Neu.FL")), dir.datei("Jugendabteilung.26") + "\r\n");
    e = lauf({"dateiliste", dir.datei("Neu.FL"), "--neu", "--entfernen", "0"}, "Ja");
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.out, "## Dateiliste: DIR/Neu.FL\nDatei\n (leer)\n");
    EXPECT_EQ(test::textLesen(dir.datei("Neu.FL")), dir.datei("Jugendabteilung.26") + "\r\n");

    EXPECT_EQ(lauf({"dateiliste", dir.datei("Neu.FL"), "--entfernen", "x"}).status, 2);
    e = lauf({"mehrdateiabschluss", sport});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("NICHT um eine Dateiliste!"), std::string::npos);
    EXPECT_EQ(lauf({"mehrdateiabschluss", dir.datei("Fehlt.FL")}).status, 1);
}

// A new list whose save fails (a folder holds the name of its temporary file) leaves no file
// and ends as an input/output failure; without changes its first save still makes it.
TEST_F(DateilisteCli, NeueListeErstNachDemSpeichernAufDerPlatte) {
    const std::string neu = dir.datei("Neu.FL");
    std::filesystem::create_directory(neu + ".zlv-neu");
    auto e = lauf({"dateiliste", neu, "--neu", "--hinzufuegen", dir.datei("Sportverein.26")});
    EXPECT_NE(e.status, 0) << e.err;
    EXPECT_FALSE(std::filesystem::exists(neu));
    std::filesystem::remove(neu + ".zlv-neu");
    e = lauf({"dateiliste", neu, "--neu"});
    EXPECT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(test::textLesen(neu), "");
}

} // namespace
} // namespace zalvor
