// zalvor-cli abschluss, typengruppen and export on the demo club.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include "aufzeichnendeperson.h"
#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zalvor {
namespace {

using test::cli;
using test::ohneOrdner;
using test::wieGolden;

class AbschlussCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", dir.pfad()}).status, 0);
        datei = dir.pfad() + "/Sportverein.26";
    }
    test::CliErgebnis lauf(std::vector<std::string> args, const std::string& antworten = {}) {
        std::vector<std::string> alle{"--heute", "2026-12-07", "--antworten", antworten};
        alle.insert(alle.end(), args.begin(), args.end());
        return cli(alle);
    }
    test::TempVerzeichnis dir;
    std::string datei;
};

TEST_F(AbschlussCli, JahresUndMonatsabschlussEntsprechenDerGespeichertenAusgabe) {
    auto e = lauf({"abschluss", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_TRUE(wieGolden(e.out, "demo_jahresabschluss.tsv"));
    EXPECT_EQ(e.err, "");
    e = lauf({"abschluss", datei, "--monat", "3"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_TRUE(wieGolden(e.out, "demo_monatsabschluss_maerz.tsv"));
}

TEST_F(AbschlussCli, FalscherMonatUndUmrechnenOhneZweiteWaehrung) {
    auto e = lauf({"abschluss", datei, "--monat", "13"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("13 ist keine Zahl zwischen 1 und 12 !"), std::string::npos);
    EXPECT_EQ(e.out, "");
    e = lauf({"abschluss", datei, "--umrechnen"});
    EXPECT_EQ(e.status, 2);
}

TEST_F(AbschlussCli, UmgerechneterAbschlussImUmstellungsjahr) {
    // The demo's settings: changeover in 02, both currencies until 03.
    ASSERT_EQ(cli({"--heute", "2003-12-07", "demo", dir.pfad()}).status, 0);
    const std::string alt = dir.pfad() + "/Sportverein.03";
    auto e = cli({"--heute", "2003-12-07", "abschluss", alt});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out.substr(0, e.out.find('\n')), "# Alle Beträge in EUR");
    e = cli({"--heute", "2003-12-07", "abschluss", alt, "--umrechnen"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out.substr(0, e.out.find('\n')),
              "# Alle Beträge in DM (umgerechnet und gerundet!)");
}

TEST_F(AbschlussCli, TypengruppenZuordnenSchreibtNurNachAenderung) {
    // Type 7 "Zinsen" has no group; lifting type 1 asks first.
    auto e = lauf({"typengruppen", datei, "--einnahme", "--zuordnen", "7=1", "--zuordnen",
                   "1=neu:Spendenaktion"},
                  "Nein");
    EXPECT_EQ(e.status, 1) << e.err;
    EXPECT_NE(e.out.find("## Einnahme-Typen-Gruppen-Zuordnung\nTyp/Gruppe\takt. Zuordnung\n"),
              std::string::npos);
    EXPECT_NE(e.out.find("Zinsen\tZuwendungen\n"), std::string::npos);
    test::AufzeichnendePerson p;
    TDefinitionen d;
    d = angezeigt(definitionenLaden(dir.pfad() + "/Sportverein"), p);
    // Declined, the command stores none of its changes.
    EXPECT_EQ(d.typen.gruppeVon(Seite::Einnahme, 7), 0);
    EXPECT_EQ(d.typen.gruppeVon(Seite::Einnahme, 1), 1);
    EXPECT_EQ(lauf({"typengruppen", datei, "--einnahme", "--zuordnen", "7=1"}).status, 0);
    d = angezeigt(definitionenLaden(dir.pfad() + "/Sportverein"), p);
    EXPECT_EQ(d.typen.gruppeVon(Seite::Einnahme, 7), 1);

    // Wrong usage changes nothing.
    EXPECT_EQ(lauf({"typengruppen", datei, "--ausgabe", "--zuordnen", "30=1"}).status, 2);
    EXPECT_EQ(lauf({"typengruppen", datei, "--ausgabe", "--zuordnen", "1=40"}).status, 2);
    EXPECT_EQ(lauf({"typengruppen", datei, "--ausgabe", "--einnahme"}).status, 2);
}

TEST_F(AbschlussCli, ExportAlsJournalUndTabelle) {
    auto e = lauf({"export", datei, "--journal"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find("2026-01-01 * (AB) Anfangsbestand\n    Konten:Kasse  350.00 EUR\n"
                         "    Eigenkapital:Anfangsbestand  -350.00 EUR\n"),
              std::string::npos);
    EXPECT_NE(e.out.find("2026-12-12 ! "), std::string::npos);          // planned Christmas party
    EXPECT_EQ(e.out.find("Trikot falsch bestellt"), std::string::npos); // deleted
    e = lauf({"--format", "csv", "export", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find("2026-03-09"), std::string::npos);
    EXPECT_EQ(lauf({"--format", "json", "export", datei, "--journal"}).status, 2);
}

TEST_F(AbschlussCli, ExportSchreibtInJedemFormatNurKopfUndZeilen) {
    const std::pair<const char*, const char*> formate[] = {
        {"tsv", "demo_export.tsv"}, {"csv", "demo_export.csv"}, {"json", "demo_export.json"}};
    for (const auto& [format, gespeichert] : formate) {
        const auto e = lauf({"--format", format, "export", datei});
        ASSERT_EQ(e.status, 0) << e.err;
        EXPECT_TRUE(wieGolden(e.out, gespeichert));
    }
}

} // namespace
} // namespace zalvor
