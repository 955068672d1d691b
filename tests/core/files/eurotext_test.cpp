// The one rule of both programs for the Euro label: the user's copy first, then the file
// beside the program; kept beside the program, or in the user's folder where the program's
// folder cannot take it.
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/files/eurotext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace zalvor {
namespace {

struct Orte {
    test::TempVerzeichnis dir;
    Euroablage ablage{dir.datei("bin"), dir.datei("nutzer")};
    std::string programm() const { return ablage.programmVerzeichnis + "/EUROSYMB"; }
    std::string nutzer() const { return ablage.konfigVerzeichnis + "/EUROSYMB"; }
};

TEST(Eurotext, NutzerkopieVorDemProgrammUndSonstEUR) {
    struct Fall {
        const char* name;
        std::optional<std::string> programm, nutzer;
        std::string gelesen;
    };
    const Fall faelle[] = {
        {"keine Datei", std::nullopt, std::nullopt, "EUR"},
        {"beim Programm", "\x80\r\n", std::nullopt, "\x80"},
        {"beim Nutzer", std::nullopt, "\x80\r\n", "\x80"},
        {"beide", "EUR\r\n", "\x80\r\n", "\x80"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Orte o;
        for (const auto& [ort, inhalt] : {std::pair{o.ablage.programmVerzeichnis, f.programm},
                                          std::pair{o.ablage.konfigVerzeichnis, f.nutzer}}) {
            if (!inhalt) continue;
            std::filesystem::create_directories(ort);
            test::textSchreiben(ort + "/EUROSYMB", *inhalt);
        }
        EXPECT_EQ(euroTextLaden(o.ablage), f.gelesen);
    }
}

TEST(Eurotext, GespeichertBeimProgrammSonstBeimNutzer) {
    Orte o;
    std::filesystem::create_directories(o.ablage.programmVerzeichnis);
    std::filesystem::create_directories(o.ablage.konfigVerzeichnis);
    test::textSchreiben(o.nutzer(), "EUR\r\n");
    // Beside a writable program: there, and the user's copy goes, so one choice holds.
    euroTextSpeichern(o.ablage, "\x80");
    EXPECT_EQ(test::textLesen(o.programm()), "\x80\r\n");
    EXPECT_FALSE(dateiExistiert(o.nutzer()));

    // An installed program (its folder cannot be made below a plain file, whoever runs the
    // test): the user's folder is made and keeps the choice, which both programs then read.
    Orte installiert;
    std::ofstream(installiert.dir.datei("keinOrdner")) << "x";
    installiert.ablage.programmVerzeichnis = installiert.dir.datei("keinOrdner") + "/bin";
    euroTextSpeichern(installiert.ablage, "\x80");
    EXPECT_EQ(test::textLesen(installiert.nutzer()), "\x80\r\n");
    EXPECT_EQ(euroTextLaden(installiert.ablage), "\x80");
}

TEST(Eurotext, KonfigurationsordnerWieDasDesktopProgramm) {
    const char* vorher = std::getenv("XDG_CONFIG_HOME");
    const std::string gemerkt = vorher ? vorher : "";
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    EXPECT_EQ(nutzerKonfigurationsordner(), "/xdg/zalvor/Zalvor 4.5");
    // A relative folder is no configuration folder: the home folder's one is taken.
    ::setenv("XDG_CONFIG_HOME", "relativ", 1);
    const char* heim = std::getenv("HOME");
    EXPECT_EQ(nutzerKonfigurationsordner(),
              heim ? std::string(heim) + "/.config/zalvor/Zalvor 4.5" : std::string());
    if (vorher)
        ::setenv("XDG_CONFIG_HOME", gemerkt.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace zalvor
