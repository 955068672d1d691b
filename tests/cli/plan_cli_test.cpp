// zalvor-cli planvorgaben and soll-ist on the demo club: the stored outputs, setting values
// with the group rule, refusals that save nothing, the club without plan values.
#include "clihilfe.h"
#include "core/common/dateisystem.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zalvor {
namespace {

using test::cli;
using test::ohneOrdner;
using test::wieGolden;

class CliPlan : public ::testing::Test {
  protected:
    // The demo club is made once (its writes are synced, which takes time) and copied.
    static void SetUpTestSuite() {
        vorlage = new test::TempVerzeichnis;
        ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", vorlage->pfad()}).status, 0);
    }
    static void TearDownTestSuite() {
        delete vorlage;
        vorlage = nullptr;
    }
    void SetUp() override {
        std::filesystem::copy(vorlage->pfad(), dir.pfad(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        datei = dir.pfad() + "/Sportverein.26";
    }
    static inline test::TempVerzeichnis* vorlage = nullptr;
    std::string planDatei() const {
        std::ifstream in(datei + "s", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    test::CliErgebnis plan(std::vector<std::string> a, const std::string& antworten = {}) {
        a.insert(a.begin(), {"planvorgaben", datei});
        if (!antworten.empty()) a.insert(a.begin(), {"--antworten", antworten});
        return cli(a);
    }
    test::TempVerzeichnis dir;
    std::string datei;
};

TEST_F(CliPlan, BerichteWieGespeichert) {
    const std::string vorher = planDatei();
    const struct {
        std::vector<std::string> args;
        const char* golden;
    } faelle[] = {
        {{"soll-ist", datei}, "demo_sollist.tsv"},
        {{"planvorgaben", datei, "--ausgabe"}, "demo_planvorgaben_ausgabe.tsv"},
        {{"planvorgaben", datei, "--einnahme"}, "demo_planvorgaben_einnahme.tsv"},
    };
    for (const auto& f : faelle) {
        std::vector<std::string> a{"--heute", "2026-12-07"};
        a.insert(a.end(), f.args.begin(), f.args.end());
        const auto e = cli(a);
        ASSERT_EQ(e.status, 0) << f.golden << e.err;
        EXPECT_TRUE(wieGolden(ohneOrdner(e.out, dir.pfad()), f.golden)) << f.golden;
    }
    EXPECT_EQ(planDatei(), vorher) << "showing writes nothing";
}

TEST_F(CliPlan, SetzenMitGruppenregelUndAblehnungen) {
    const std::string vorher = planDatei();
    // A refused amount after a taken one, a declined group rule: nothing saved, status 1.
    auto e = plan({"--ausgabe", "--setzen", "2=10", "--setzen", "3=1,234"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Fehler!] \n\n1.234 hat kein gültiges Betragsformat!"), std::string::npos)
        << e.err;
    e = plan({"--ausgabe", "--setzen", "51=6000"}, "nein");
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Warnung!] Es existieren bereits Planvorgaben"), std::string::npos);
    EXPECT_EQ(planDatei(), vorher);
    // A row that shows "s. Gruppe" has no edit box.
    EXPECT_EQ(plan({"--ausgabe", "--setzen", "7=5"}).status, 2);
    EXPECT_EQ(plan({"--setzen", "1=5"}).status, 2);
    EXPECT_EQ(plan({"--ausgabe", "--setzen", "100=5"}).status, 2);

    // Yes to the rule: the members show "s. Gruppe"; both sides are in the file.
    e = plan({"--ausgabe", "--setzen", "51=6000"}, "ja");
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find(" 1: Hallenmiete\ts. Gruppe\n"), std::string::npos);
    EXPECT_NE(e.out.find("51: Sportbetrieb\t     6000.00\n"), std::string::npos);
    EXPECT_EQ(planDatei().size(), 198u * 9);
    e = plan({"--einnahme"});
    EXPECT_NE(e.out.find(" 5: Kursgebühren\t     1500.50\n"), std::string::npos);
    e = cli({"soll-ist", datei});
    EXPECT_NE(
        e.out.find(
            "Sportbetrieb\t    8258.90\t     850.00\t    9108.90\t    6000.00\t   -3108.90\n"),
        std::string::npos)
        << e.out;
}

TEST_F(CliPlan, OhnePlanvorgabenNurDieNachricht) {
    dateiLoeschen(datei + "s");
    const auto e = cli({"soll-ist", datei});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.out, "");
    EXPECT_NE(e.err.find("Sie haben noch keine Planvorgaben getätigt! (Menü Buchungen...)"),
              std::string::npos);
}

} // namespace
} // namespace zalvor
