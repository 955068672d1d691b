// zalvor-cli pruefen, index and reorganisieren on the demo club.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zalvor {
namespace {

using test::cli;

class IndexCli : public ::testing::Test {
  protected:
    void SetUp() override {
        auto e = cli({"--heute", "2026-03-01", "demo", dir.pfad()});
        ASSERT_EQ(e.status, 0) << e.err;
        datei = dir.datei("Sportverein.26");
        // The demo leaves a backup of its own reorganisation behind.
        dateiLoeschen(dir.datei("~portverein.26"));
    }
    std::vector<std::string> zeilen(const std::string& text) {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string z; std::getline(in, z);)
            out.push_back(z);
        return out;
    }
    test::TempVerzeichnis dir;
    std::string datei;
};

TEST_F(IndexCli, PruefenUndIndex) {
    auto e = cli({"pruefen", datei});
    EXPECT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, "in Ordnung\n");

    const auto anzahl = dateiGroesse(datei) / 70;
    for (int k = 1; k <= 9; ++k) {
        e = cli({"index", datei, std::to_string(k)});
        ASSERT_EQ(e.status, 0) << e.err;
        const auto z = zeilen(e.out);
        EXPECT_EQ(z.size(), anzahl) << "Index " << k;
        const auto roh = test::bytesLesen(datei + std::to_string(k));
        for (std::size_t i = 0; i < z.size(); ++i)
            EXPECT_EQ(z[i], std::to_string(roh[2 * i] | (roh[2 * i + 1] << 8)));
    }
    EXPECT_EQ(cli({"index", datei, "0"}).status, 2);
    EXPECT_EQ(cli({"index", datei, "10"}).status, 2);
    EXPECT_EQ(cli({"index", datei}).status, 2);
}

TEST_F(IndexCli, PruefenFindetFehlendenIndex) {
    dateiLoeschen(datei + "3");
    auto e = cli({"pruefen", datei});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.out, "Indexdatei fehlt\n");
    EXPECT_NE(e.err.find("[Index-Datei-Check] Min. eine Indexdatei fehlt!\nWollen Sie zur "
                         "Reparatur eine Reorganisation starten?\n-> Nein"),
              std::string::npos)
        << e.err;
    EXPECT_FALSE(dateiExistiert(datei + "3"));

    e = cli({"--antworten", "ja", "pruefen", datei});
    EXPECT_EQ(e.status, 1); // the finding stands, although it was repaired
    EXPECT_NE(e.err.find("[Fertig] Reorganisation abgeschlossen!"), std::string::npos) << e.err;
    EXPECT_EQ(cli({"pruefen", datei}).status, 0);
}

TEST_F(IndexCli, ReorganisierenMitSicherung) {
    // The demo may hold deleted records: start from a clean file.
    ASSERT_EQ(cli({"reorganisieren", datei}).status, 0);
    dateiLoeschen(dir.datei("~portverein.26"));
    const auto vorher = dateiGroesse(datei) / 70;
    ASSERT_EQ(cli({"--antworten", "ja", "loeschen", datei, "1"}).status, 0);
    auto e = cli({"reorganisieren", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(dateiGroesse(datei) / 70, vorher - 1);
    EXPECT_EQ(dateiGroesse(dir.datei("~portverein.26")) / 70, vorher);
    EXPECT_NE(e.out.find(std::to_string(vorher - 1) + " Datensätze"), std::string::npos);

    // A second run meets the backup; no answer means no.
    const auto sicherung = test::bytesLesen(dir.datei("~portverein.26"));
    e = cli({"reorganisieren", datei});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Achtung!!!] Datei " + dir.datei("~portverein.26") +
                         " existiert bereits.\n\nÜberschreiben?"),
              std::string::npos)
        << e.err;
    EXPECT_EQ(test::bytesLesen(dir.datei("~portverein.26")), sicherung);
    EXPECT_EQ(cli({"--antworten", "ja", "reorganisieren", datei}).status, 0);
}

} // namespace
} // namespace zalvor
