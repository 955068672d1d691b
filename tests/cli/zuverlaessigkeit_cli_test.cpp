// Truthful exit statuses and odd files in the club folder: locks, pipes, links, long names.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/common/sperre.h"
#include "core/files/dateisatz.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zalvor {
namespace {

using test::cli;

class Zuverlaessigkeit : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-03-05", "demo", dir.pfad()}, dir.pfad()).status, 0);
        datei = dir.datei("Sportverein.26");
    }
    test::CliErgebnis lauf(std::vector<std::string> args) {
        args.insert(args.begin(), {"--heute", "2026-03-05"});
        return cli(args, dir.pfad());
    }
    test::TempVerzeichnis dir;
    std::string datei;
};

TEST_F(Zuverlaessigkeit, GesperrterVereinLiestNurSchreibtNicht) {
    Sperre::wartezeit = std::chrono::milliseconds(200);
    Sperre andere;
    ASSERT_TRUE(andere.nehmen(Dateisatz::ausBuchungsdatei(datei).sperre()));
    Sperre zweite; // a second open file of the same process is another program to flock
    EXPECT_FALSE(zweite.nehmen(Dateisatz::ausBuchungsdatei(datei).sperre()));
    const auto vorher = test::bytesLesen(datei);
    auto e = lauf({"buchen", datei, "--einnahme", "--betrag", "1", "--konto", "1"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Gesperrt]"), std::string::npos) << e.err;
    EXPECT_EQ(test::bytesLesen(datei), vorher);
    EXPECT_EQ(lauf({"tabelle", datei}).status, 0);
    andere.freigeben();
    Sperre::wartezeit = std::chrono::milliseconds(10000);
    EXPECT_EQ(lauf({"buchen", datei, "--einnahme", "--betrag", "1", "--konto", "1"}).status, 0);
}

// Two programs booking at the same time wait for each other: every booking is made once.
TEST_F(Zuverlaessigkeit, ZweiSchreiberZugleichWartenAufeinander) {
    const std::size_t vorher = test::bytesLesen(datei).size();
    std::vector<pid_t> kinder;
    for (int k = 0; k < 2; ++k) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            int fehler = 0;
            for (int i = 0; i < 10; ++i)
                fehler +=
                    lauf({"buchen", datei, "--einnahme", "--betrag", "1", "--konto", "1"}).status !=
                    0;
            ::_exit(fehler);
        }
        kinder.push_back(kind);
    }
    for (pid_t kind : kinder) {
        int status = 0;
        ::waitpid(kind, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(test::bytesLesen(datei).size(), vorher + 20 * 70);
    EXPECT_EQ(lauf({"pruefen", datei}).status, 0);
}

TEST_F(Zuverlaessigkeit, NichtGespeicherteEinstellungenEndenNieMitNull) {
    for (std::vector<std::string> befehl :
         {std::vector<std::string>{"mwst", datei, "--satz", "7"},
          std::vector<std::string>{"waehrung", datei, "--kurs", "1.9"}}) {
        const auto vorher = test::bytesLesen(dir.datei("Sportverein.def"));
        testhaken::schreibfehlerNach(0, ENOSPC);
        auto e = lauf(befehl);
        testhaken::zuruecksetzen();
        EXPECT_EQ(e.status, 1) << befehl[0];
        EXPECT_EQ(e.out, "") << befehl[0];
        EXPECT_NE(e.err.find("Definitionsdatei konnte nicht neu geschrieben werden!"),
                  std::string::npos)
            << e.err;
        EXPECT_EQ(test::bytesLesen(dir.datei("Sportverein.def")), vorher);
    }
}

TEST_F(Zuverlaessigkeit, PipeOderOrdnerStattBuchungsdatei) {
    const std::string pipe = dir.datei("Rohr.26");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    std::filesystem::create_directory(dir.datei("Ordner.26"));
    for (const auto& name : {pipe, dir.datei("Ordner.26")}) {
        auto e = lauf({"tabelle", name});
        EXPECT_EQ(e.status, 3) << name;
        EXPECT_NE(e.err.find("keine gewöhnliche Datei"), std::string::npos) << e.err;
    }
}

// Definitions that exist but cannot be read are neither called missing nor overwritten with
// the defaults; an index that cannot be read is not called missing and is not left stale.
TEST_F(Zuverlaessigkeit, UnlesbareDefinitionenUndIndizesBleibenStehen) {
    const std::string def = dir.datei("Sportverein.def");
    std::filesystem::remove(def);
    ASSERT_EQ(::mkfifo(def.c_str(), 0644), 0);
    auto e = lauf({"mwst", datei, "--satz", "7"});
    EXPECT_EQ(e.status, 1) << e.err;
    EXPECT_EQ(e.err.find("Fehlende Definitionsdatei!!"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("Fehler beim Lesen der Definitionsdatei"), std::string::npos) << e.err;
    EXPECT_EQ(std::filesystem::status(def).type(), std::filesystem::file_type::fifo);
    std::filesystem::remove(def);

    ASSERT_EQ(lauf({"demo", dir.pfad()}).status, 0);
    const std::string index = datei + "3";
    std::filesystem::remove(index);
    ASSERT_EQ(::mkfifo(index.c_str(), 0644), 0);
    e = lauf({"buchen", datei, "--einnahme", "--betrag", "1", "--konto", "1"});
    EXPECT_EQ(e.status, 3) << e.err;
    EXPECT_EQ(e.err.find("Eine Indexdatei fehlt!"), std::string::npos) << e.err;
}

TEST_F(Zuverlaessigkeit, VerknuepfteDefinitionenBleibenVerknuepft) {
    const std::string ziel = dir.datei("echt.def");
    std::filesystem::rename(dir.datei("Sportverein.def"), ziel);
    std::filesystem::create_symlink(ziel, dir.datei("Sportverein.def"));
    ASSERT_EQ(lauf({"mwst", datei, "--satz", "7"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.datei("Sportverein.def")));
    EXPECT_NE(test::textLesen(ziel).find("7.00"), std::string::npos);
}

TEST(Tempname, BleibtInDerNamensgrenze) {
    for (std::size_t laenge : {10u, 244u, 250u, 255u}) {
        const std::string name = "/ordner/" + std::string(laenge, 'v');
        const std::string temp = Dateisatz::temporaer(name);
        EXPECT_LE(dateinameTeil(temp).size(), 255u) << laenge;
        EXPECT_NE(temp, name);
    }
    EXPECT_NE(Dateisatz::temporaer("/o/" + std::string(250, 'a') + ".def"),
              Dateisatz::temporaer("/o/" + std::string(250, 'a') + ".SBD"));
}

TEST(LangerName, DefinitionenLassenSichSpeichern) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.datei(std::string(247, 'v') + ".26");
    ASSERT_EQ(cli({"neu", datei, "--waehrung", "DM", "--anfangsbestand", "1=5"}).status, 0);
    auto e = cli({"mwst", datei, "--satz", "7"});
    EXPECT_EQ(e.status, 0) << e.err;
}

} // namespace
} // namespace zalvor
