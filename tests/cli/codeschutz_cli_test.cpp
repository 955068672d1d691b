// zalvor-cli with a guarded file: the code entries from --antworten, the end of a command
// without the right code, read-only mode, and the codeschutz command.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::cli;

class CodeschutzCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", dir.pfad()}).status, 0);
        datei = dir.datei("Sportverein.26");
        offen = lauf("", {"tabelle", datei});
        ASSERT_EQ(offen.status, 0);
    }
    test::CliErgebnis lauf(const std::string& antworten, std::vector<std::string> args) {
        std::vector<std::string> alle{"--heute", "2026-12-07", "--antworten", antworten};
        alle.insert(alle.end(), args.begin(), args.end());
        return cli(alle, dir.pfad());
    }
    static bool enthaelt(const std::string& text, const std::string& teil) {
        return text.find(teil) != std::string::npos;
    }

    test::TempVerzeichnis dir;
    std::string datei;
    test::CliErgebnis offen;
};

TEST_F(CodeschutzCli, SchuetzenLesenUndEntfernen) {
    auto e = lauf("geheim,geheim,ja,lesen,lesen", {"codeschutz", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, "Codeschutz\tja\nNur-Lese-Code\tja\n");
    EXPECT_TRUE(enthaelt(e.err, "[Neues Codewort eingeben!] Hier Passwort eingeben:\n-> ######\n"));
    EXPECT_TRUE(enthaelt(e.err, "[] \n\nNur-Lese-Code gesichert.\n"));
    EXPECT_FALSE(enthaelt(e.err, "geheim"));

    // Every reading command asks; without the right code nothing of the file is printed.
    struct Fall {
        const char* antworten;
        int status;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"", 1,
         "[Bitte Codewort eingeben!] Hier Passwort eingeben:\n-> (Abbruch)  (keine Antwort mehr "
         "in --antworten)\nzalvor-cli: Programmende (kein Codewort eingegeben)\n"},
        {"Geheim", 1,
         "[Alarm!] Falscher Code eingegeben!\nzalvor-cli: Programmende (falscher Code)\n"},
        {",", 1, "[Alarm!] Falscher Code eingegeben!\n"},
        {"geheim", 0, "-> ######\n"},
        {"lesen", 0, "-> #####\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.antworten);
        e = lauf(f.antworten, {"tabelle", datei});
        EXPECT_EQ(e.status, f.status);
        EXPECT_TRUE(enthaelt(e.err, f.meldung)) << e.err;
        EXPECT_EQ(e.out, f.status == 0 ? offen.out : "");
    }

    // With the read-only code, commands that write refuse.
    for (const std::vector<std::string>& befehl : {std::vector<std::string>{"codeschutz", datei},
                                                   {"reorganisieren", datei},
                                                   {"mwst", datei, "--aus"}}) {
        SCOPED_TRACE(befehl.front());
        e = lauf("lesen", befehl);
        EXPECT_EQ(e.status, 1);
        EXPECT_TRUE(enthaelt(e.err, "[Nur lesen]")) << e.err;
    }

    e = lauf("geheim,geheim,", {"codeschutz", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, "Codeschutz\tnein\nNur-Lese-Code\tnein\n");
    EXPECT_TRUE(enthaelt(e.err, "[Wichtig!] \n\nCodeschutz wurde entfernt!!\n"));
    EXPECT_EQ(lauf("", {"tabelle", datei}).out, offen.out);
}

TEST_F(CodeschutzCli, AbgebrochenOderFalschOhneAenderung) {
    auto e = lauf("", {"codeschutz", datei});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.out, "Codeschutz\tnein\nNur-Lese-Code\tnein\n");
    e = lauf("a,b", {"codeschutz", datei});
    EXPECT_EQ(e.status, 1);
    EXPECT_TRUE(enthaelt(e.err, "[Fehler] Eingaben nicht identisch!")) << e.err;
    EXPECT_FALSE(dateiExistiert(dir.datei("Sportverein.PWD")));
}

TEST_F(CodeschutzCli, FehlendeCodeDateiSperrtDieDatei) {
    ASSERT_EQ(lauf("geheim,geheim,nein", {"codeschutz", datei}).status, 0);
    dateiLoeschen(dir.datei("Sportverein.PWD"));
    const auto e = lauf("geheim", {"tabelle", datei});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.err.rfind("[Fehler!] Code-Datei fehlt!", 0), 0u) << e.err;
    EXPECT_EQ(e.out, "");
}

} // namespace
} // namespace zalvor
