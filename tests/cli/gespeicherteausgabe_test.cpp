// The golden-file comparison and its switch ZALVOR_GOLDEN_UPDATE.
#include "gespeicherteausgabe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace zalvor::test {
namespace {

constexpr const char* kSchalter = "ZALVOR_GOLDEN_UPDATE";

void schalterSetzen(const std::optional<std::string>& wert) {
    if (wert)
        ::setenv(kSchalter, wert->c_str(), 1);
    else
        ::unsetenv(kSchalter);
}

TEST(GespeicherteAusgabe, VergleichtOderUeberschreibtNurMitSchalter) {
    const struct {
        std::optional<std::string> schalter;
        std::optional<std::string> gespeichert;
        bool besteht;
        std::string danach; // the file afterwards
        const char* meldung;
    } faelle[] = {
        {std::nullopt, "a\nb\n", true, "a\nb\n", ""},
        {std::nullopt, "a\nc\n", false, "a\nc\n", "line 2: stored \"c\", actual \"b\""},
        {"0", "a\nc\n", false, "a\nc\n", "ZALVOR_GOLDEN_UPDATE=1 writes"},
        {std::nullopt, std::nullopt, false, "", "is missing"},
        {"1", "a\nc\n", true, "a\nb\n", "rewritten"},
        {"1", std::nullopt, true, "a\nb\n", "rewritten"},
    };
    // The tests may run with the switch on; it is put back afterwards.
    const char* gestartet = std::getenv(kSchalter);
    const auto vorher = gestartet ? std::optional<std::string>(gestartet) : std::nullopt;
    for (const auto& f : faelle) {
        TempVerzeichnis dir;
        const std::string pfad = dir.datei("ausgabe.tsv");
        if (f.gespeichert) textSchreiben(pfad, *f.gespeichert);
        schalterSetzen(f.schalter);
        const auto ergebnis = wieGespeichert("a\nb\n", pfad);
        EXPECT_EQ(static_cast<bool>(ergebnis), f.besteht) << ergebnis.message();
        EXPECT_NE(std::string(ergebnis.message()).find(f.meldung), std::string::npos)
            << ergebnis.message();
        if (f.gespeichert || f.besteht)
            EXPECT_EQ(textLesen(pfad), f.danach);
        else
            EXPECT_FALSE(std::filesystem::exists(pfad));
    }
    schalterSetzen(vorher);
}

} // namespace
} // namespace zalvor::test
