// zalvor-cli liste: the four list kinds on the demo club, the sort orders, the damaged index.
#include "clihilfe.h"
#include "core/common/dateisystem.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zalvor {
namespace {

using test::cli;
using test::ohneOrdner;
using test::wieGolden;

class CliListe : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", dir.pfad()}).status, 0);
        datei = dir.pfad() + "/Sportverein.26";
    }
    test::CliErgebnis liste(std::vector<std::string> art) {
        std::vector<std::string> a{"--heute", "2026-12-07", "liste", datei};
        a.insert(a.end(), art.begin(), art.end());
        return cli(a);
    }
    test::TempVerzeichnis dir;
    std::string datei;
};

TEST_F(CliListe, JedeListenartWieGespeichert) {
    const struct {
        std::vector<std::string> art;
        const char* golden;
    } faelle[] = {
        {{"einfach"}, "demo_liste_einfach.tsv"},
        {{"ea"}, "demo_liste_ea.tsv"},
        {{"konto", "2"}, "demo_liste_konto2.tsv"},
        {{"alle"}, "demo_liste_alle.tsv"},
    };
    for (const auto& f : faelle) {
        const auto e = liste(f.art);
        ASSERT_EQ(e.status, 0) << f.golden << e.err;
        EXPECT_EQ(e.err, "");
        EXPECT_TRUE(wieGolden(ohneOrdner(e.out, dir.pfad()), f.golden)) << f.golden;
    }
}

TEST_F(CliListe, UnbenanntesKontoDrucktNichts) {
    const auto e = liste({"konto", "7"});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.out, "");
}

TEST_F(CliListe, SortierungWaehltDenIndex) {
    const auto nachBetrag = liste({"einfach", "--sortierung", "betrag"});
    ASSERT_EQ(nachBetrag.status, 0) << nachBetrag.err;
    // The smallest amount of the demo comes first.
    const auto zweite = nachBetrag.out.find('\n', nachBetrag.out.find('\n') + 1) + 1;
    EXPECT_NE(nachBetrag.out.substr(zweite, 80).find("      8.90"), std::string::npos);
    for (const char* ordnung : {"nummer", "typ", "text", "datum"}) {
        const auto e = liste({"alle", "--sortierung", ordnung});
        EXPECT_EQ(e.status, 0) << ordnung;
        EXPECT_EQ(e.err, "") << ordnung;
    }
}

TEST_F(CliListe, FalscherAufruf) {
    for (const std::vector<std::string>& art : {std::vector<std::string>{"konto", "0"},
                                                {"konto", "x"},
                                                {"konto"},
                                                {"monat"},
                                                {"ea", "--sortierung", "beleg"},
                                                {}})
        EXPECT_EQ(liste(art).status, 2);
}

TEST_F(CliListe, BeschaedigterIndexMeldetUndListetInDateifolge) {
    // Index 1 (text order) loses its last entry.
    const std::string index = datei + "1";
    std::ifstream in(index, std::ios::binary);
    std::string inhalt((std::istreambuf_iterator<char>(in)), {});
    in.close();
    std::ofstream(index, std::ios::binary | std::ios::trunc) << inhalt.substr(0, inhalt.size() - 2);
    // The opening's check asks about a reorganisation first: declined.
    auto e = cli({"--heute", "2026-12-07", "--antworten", "nein", "liste", datei, "einfach",
                  "--sortierung", "text"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.err.find("Indexdatei ist besch„digt (Reorganisieren!). Sortiere in "
                         "Buchungsrehenfolge..."),
              std::string::npos);
    EXPECT_TRUE(wieGolden(ohneOrdner(e.out, dir.pfad()), "demo_liste_einfach.tsv"));
}

} // namespace
} // namespace zalvor
