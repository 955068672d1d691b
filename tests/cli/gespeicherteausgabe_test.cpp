// The golden-file comparison and its switch ZALVOR_GOLDEN_UPDATE.
#include "gespeicherteausgabe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace zalvor::test {
namespace {

// Sets the switch for one case and restores what the test run was started with.
class Schalter {
  public:
    explicit Schalter(const char* wert) {
        if (const char* alt = std::getenv(kName)) alt_ = alt;
        if (wert)
            ::setenv(kName, wert, 1);
        else
            ::unsetenv(kName);
    }
    ~Schalter() {
        if (alt_)
            ::setenv(kName, alt_->c_str(), 1);
        else
            ::unsetenv(kName);
    }
    Schalter(const Schalter&) = delete;
    Schalter& operator=(const Schalter&) = delete;

  private:
    static constexpr const char* kName = "ZALVOR_GOLDEN_UPDATE";
    std::optional<std::string> alt_;
};

TEST(GespeicherteAusgabe, VergleichtOderUeberschreibtNurMitSchalter) {
    const struct {
        const char* schalter;
        std::optional<std::string> gespeichert;
        bool besteht;
        std::string danach; // the file afterwards
        const char* meldung;
    } faelle[] = {
        {nullptr, "a\nb\n", true, "a\nb\n", ""},
        {nullptr, "a\nc\n", false, "a\nc\n", "line 2: stored \"c\", actual \"b\""},
        {"0", "a\nc\n", false, "a\nc\n", "ZALVOR_GOLDEN_UPDATE=1 writes"},
        {nullptr, std::nullopt, false, "", "is missing"},
        {"1", "a\nc\n", true, "a\nb\n", "rewritten"},
        {"1", std::nullopt, true, "a\nb\n", "rewritten"},
    };
    for (const auto& f : faelle) {
        TempVerzeichnis dir;
        const std::string pfad = dir.datei("ausgabe.tsv");
        if (f.gespeichert) textSchreiben(pfad, *f.gespeichert);
        const Schalter schalter(f.schalter);
        const auto ergebnis = wieGespeichert("a\nb\n", pfad);
        EXPECT_EQ(static_cast<bool>(ergebnis), f.besteht) << ergebnis.message();
        EXPECT_NE(std::string(ergebnis.message()).find(f.meldung), std::string::npos)
            << ergebnis.message();
        if (f.gespeichert || f.besteht)
            EXPECT_EQ(textLesen(pfad), f.danach);
        else
            EXPECT_FALSE(std::filesystem::exists(pfad));
    }
}

} // namespace
} // namespace zalvor::test
