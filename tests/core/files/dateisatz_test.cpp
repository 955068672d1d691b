// The file set's names: every name fits the file-name limit whenever the indexes do, and a
// club whose names would not fit is refused before anything is written.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"
#include "testmasken.h"

#include "core/common/dateisystem.h"
#include "core/files/dateisatz.h"
#include "core/files/neuedatei.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zalvor {
namespace {

constexpr std::size_t kGrenze = 255;

std::size_t laenge(const std::string& pfad) {
    return dateinameTeil(pfad).size();
}

TEST(Dateisatz, JederNamePasstSobaldDieIndizesPassen) {
    for (std::size_t n = 240; n <= 254; ++n) {
        const Dateisatz d("/o/" + std::string(n, 'v'), "26");
        const bool indizesPassen = laenge(d.buchungsdateiName()) + 1 <= kGrenze;
        EXPECT_EQ(d.zuLangerName().has_value(), !indizesPassen) << n;
        if (!indizesPassen) continue;
        for (const std::string& name : {d.sperre(), d.journal(), d.indexKopie(),
                                        Dateisatz::temporaer(d.index(9)), d.sicherung().index(9)})
            EXPECT_LE(laenge(name), kGrenze) << name;
    }
    // Shortened names of two long clubs in one folder stay apart.
    const Dateisatz a("/o/" + std::string(251, 'a'), "26");
    const Dateisatz b("/o/" + std::string(250, 'a') + "b", "26");
    EXPECT_NE(a.sperre(), b.sperre());
    EXPECT_NE(a.sperre(), a.journal());
    // A club of an ordinary name keeps the names of old.
    EXPECT_EQ(Dateisatz("/o/Verein", "26").sperre(), "/o/Verein.26.lck");
}

TEST(Dateisatz, ZuLangerNameWirdVorDemSchreibenAbgelehnt) {
    test::TempVerzeichnis dir;
    test::AufzeichnendePerson person;
    FesteUhr uhr{Datum{2026, 3, 1}};
    test::TestMasken masken;
    Sitzung s{person, uhr};
    s.masken = &masken;
    s.verein.datei.jahr = "26";
    // The name is asked for again after the message; cancelling ends the command.
    person.antworte({std::string(dir.datei(std::string(252, 'v'))), std::nullopt});
    EXPECT_FALSE(neueDatei(s));
    ASSERT_EQ(person.meldungen().size(), 3u);
    EXPECT_EQ(person.meldungen()[1].titel, "Fehler!");
    EXPECT_NE(person.meldungen()[1].text.find("um 1 Zeichen"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.pfad()));
}

} // namespace
} // namespace zalvor
