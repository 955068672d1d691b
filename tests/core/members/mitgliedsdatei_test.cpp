// The member file: order of insertion, renaming, removing, and failed rewrites.
#include "mitglieder_testdaten.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

class Mitgliedsdatei : public ::testing::Test {
  protected:
    void TearDown() override { testhaken::zuruecksetzen(); }
    TempVerzeichnis dir;
    std::string pfad = dir.datei("Verein.MGB");
};

TEST_F(Mitgliedsdatei, InsertKeepsNameOrderAndPutsEqualNamesFirst) {
    EXPECT_EQ(mitgliedEinfuegen(pfad, mitglied("Zander", "Anna")), 0u);
    EXPECT_EQ(mitgliedEinfuegen(pfad, mitglied("Abel", "Bernd")), 0u);
    EXPECT_EQ(mitgliedEinfuegen(pfad, mitglied("Abel", "Anna")), 0u);
    EXPECT_EQ(mitgliedEinfuegen(pfad, mitglied("Zöller", "Udo")), 3u); // ö after every letter
    EXPECT_EQ(namen(pfad), (std::vector<std::string>{"Abel, Anna", "Abel, Bernd", "Zander, Anna",
                                                     "Zöller, Udo"}));
    EXPECT_EQ(mitgliedEinfuegen(pfad, mitglied("Abel", "Bernd", 4)), 1u);
    EXPECT_EQ(mitgliederLesen(pfad)[1].satz, 4);
    EXPECT_EQ(dateiGroesse(pfad), 5u * 174u);
}

TEST_F(Mitgliedsdatei, RenameMovesTheRecordAndKeepsPaidMarkAndRate) {
    for (const char* n : {"Zander", "Abel", "Meier"})
        mitgliedEinfuegen(pfad, mitglied(n, "Bernd"));
    TMitglied m = mitgliederLesen(pfad)[0];
    m.bezahlt = 1;
    m.satz = 3;
    mitgliedUeberschreiben(pfad, 0, m);
    m.nachname.setze("Zorn");
    EXPECT_EQ(mitgliedUmsortieren(pfad, 0, m), 2u);
    EXPECT_EQ(namen(pfad),
              (std::vector<std::string>{"Meier, Bernd", "Zander, Bernd", "Zorn, Bernd"}));
    EXPECT_EQ(mitgliederLesen(pfad)[2].bezahlt, 1);
    EXPECT_EQ(mitgliederLesen(pfad)[2].satz, 3);
}

TEST_F(Mitgliedsdatei, RenamingTheOnlyMemberLeavesOneRecord) {
    mitgliedEinfuegen(pfad, mitglied("Abel", "Anna"));
    EXPECT_EQ(mitgliedUmsortieren(pfad, 0, mitglied("Zorn", "Anna")), 0u);
    EXPECT_EQ(namen(pfad), std::vector<std::string>{"Zorn, Anna"});
}

TEST_F(Mitgliedsdatei, RemovingTheFirstOfThreeKeepsTheOthersInOrder) {
    for (const char* n : {"Abel", "Berg", "Cord"})
        mitgliedEinfuegen(pfad, mitglied(n, "X"));
    mitgliedEntfernen(pfad, 0);
    EXPECT_EQ(namen(pfad), (std::vector<std::string>{"Berg, X", "Cord, X"}));
    EXPECT_THROW(mitgliedEntfernen(pfad, 2), EAFehler);
}

TEST_F(Mitgliedsdatei, AppendAfterLooseBytesStartsAtARecordBoundary) {
    mitgliedEinfuegen(pfad, mitglied("Abel", "A"));
    auto bytes = bytesLesen(pfad);
    bytes.resize(bytes.size() + 50, 0xEE); // an earlier append cut short
    bytesSchreiben(pfad, bytes);
    EXPECT_EQ(mitgliedEinfuegen(pfad, mitglied("Berg", "B")), 1u);
    EXPECT_EQ(dateiGroesse(pfad), 2u * 174u);
    EXPECT_EQ(namen(pfad), (std::vector<std::string>{"Abel, A", "Berg, B"}));
}

TEST_F(Mitgliedsdatei, FailedWriteDuringAnInsertLeavesTheOldFileWhole) {
    for (const char* n : {"Abel", "Cord", "Dorn"})
        mitgliedEinfuegen(pfad, mitglied(n, "X"));
    const auto vorher = bytesLesen(pfad);
    // 0: creating the new file fails; 1: the write of the rebuilt register fails.
    for (int schritte : {0, 1}) {
        testhaken::schreibfehlerNach(schritte, ENOSPC);
        EXPECT_THROW(mitgliedEinfuegen(pfad, mitglied("Berg", "X")), EAFehler) << schritte;
        EXPECT_THROW(mitgliedEntfernen(pfad, 0), EAFehler) << schritte;
        EXPECT_THROW(mitgliedUmsortieren(pfad, 0, mitglied("Zorn", "X")), EAFehler) << schritte;
        testhaken::zuruecksetzen();
        EXPECT_EQ(bytesLesen(pfad), vorher) << schritte;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.pfad()), {}), 1)
            << "no stray file beside the register";
    }
}

} // namespace
} // namespace zalvor::test
