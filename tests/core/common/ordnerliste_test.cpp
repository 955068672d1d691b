// A folder's names are read once while it is unchanged and read again after any change, by
// whichever program, so a name looked up regardless of letter case is never stale.
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/common/ordnerliste.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace zalvor {
namespace {

// Dates the folder's last change well back, so that its listing is kept.
void altern(const std::string& ordner) {
    const timespec zeiten[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, ordner.c_str(), zeiten, 0), 0);
}

TEST(Ordnerliste, GehaltenBisZurNaechstenAenderungDesOrdners) {
    test::TempVerzeichnis dir;
    const std::string ordner = dir.pfad() + "/";
    test::textSchreiben(dir.datei("VEREIN.DEF"), "");
    altern(dir.pfad());
    EXPECT_EQ(aufgeloest(ordner + "Verein.def"), ordner + "VEREIN.DEF");

    // Each change moves the folder's change time; an aged folder shows whether it is seen.
    const struct {
        const char* was;
        void (*aendern)(const std::string& ordner);
        const char* gesucht;
        const char* vorher;
        const char* nachher;
    } faelle[] = {
        {"neu", [](const std::string& o) { test::textSchreiben(o + "VEREIN.MGB", ""); },
         "Verein.mgb", "Verein.mgb", "VEREIN.MGB"},
        {"umbenannt",
         [](const std::string& o) {
             std::rename((o + "VEREIN.MGB").c_str(), (o + "Verein.MGB").c_str());
         },
         "verein.mgb", "VEREIN.MGB", "Verein.MGB"},
        {"entfernt", [](const std::string& o) { std::remove((o + "Verein.MGB").c_str()); },
         "VEREIN.mgb", "Verein.MGB", "VEREIN.mgb"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(aufgeloest(ordner + f.gesucht), ordner + f.vorher) << f.was;
        f.aendern(ordner);
        EXPECT_EQ(aufgeloest(ordner + f.gesucht), ordner + f.nachher) << f.was;
        altern(dir.pfad());
    }
    EXPECT_TRUE(ordnerNamen(dir.pfad() + "/fehlt").empty());
}

} // namespace
} // namespace zalvor
