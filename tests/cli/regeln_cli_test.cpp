// zalvor-cli regeln on the demo club: its rules shown, one added and one removed, and a
// refused rule ending with status 1 and nothing stored.
#include "clihilfe.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::cli;

TEST(Regeln, ChangesTheClubsRulesAndARefusalStoresNothing) {
    test::TempVerzeichnis dir;
    ASSERT_EQ(cli({"--heute", "2026-03-05", "demo", dir.pfad()}, dir.pfad()).status, 0);
    const std::string datei = dir.datei("Sportverein.26");
    const auto lauf = [&](const std::vector<std::string>& args) { return cli(args, dir.pfad()); };
    const auto neu =
        lauf({"regeln", datei, "--hinzufuegen", "halle", "--typ", "1", "--seite", "A"});
    ASSERT_EQ(neu.status, 0) << neu.err;
    const auto weg = lauf({"regeln", datei, "--entfernen", "1"});
    ASSERT_EQ(weg.status, 0) << weg.err;
    EXPECT_TRUE(test::wieGolden(neu.out + weg.out, "regeln_demo.txt"));

    const auto abgewiesen = lauf({"regeln", datei, "--hinzufuegen", "buero", "--typ", "9"});
    EXPECT_EQ(abgewiesen.status, 1);
    EXPECT_NE(abgewiesen.err.find("Typ 9"), std::string::npos) << abgewiesen.err;
    EXPECT_EQ(lauf({"regeln", datei}).out, weg.out);
}

} // namespace
} // namespace zalvor
