// Typed amounts: reading, showing, and number texts that ignore the process locale.
#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/real6.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace zalvor {
namespace {

std::optional<long double> lies(const std::string& getippt) {
    return BetragLesen(kommaZuPunkt(getippt));
}

TEST(BetragLesen, GueltigeBetraege) {
    const std::vector<std::pair<std::string, long double>> faelle{
        {"12,5", 12.5L}, {"12.5", 12.5L},   {"12,50", 12.5L}, {" 12.50", 12.5L},
        {"-3", -3.0L},   {"1234", 1234.0L}, {"+7", 7.0L},     {".5", 0.5L},
        {"0,01", 0.01L}, {"1e2", 100.0L},   {"  1.50", 1.5L}, {"7.", 7.0L},
    };
    for (const auto& [text, wert] : faelle) {
        auto r = lies(text);
        ASSERT_TRUE(r.has_value()) << text;
        EXPECT_EQ(*r, durchReal6(wert)) << text; // already stored through Real6
    }
}

TEST(BetragLesen, UngueltigeBetraege) {
    for (const char* text : {"12,505", ".505", "1.2.3", "12a", "", " ", "12 ", "1,5e2", "inf",
                             "nan", "--3", "+-3", "- 3", "1 000", "0x10", "12,5,0", "-"}) {
        EXPECT_FALSE(lies(text).has_value()) << text;
    }
}

TEST(BetragLesen, ZuGrosserBetragIstUeberlauf) {
    EXPECT_THROW(lies("1e300"), UeberlaufFehler);
    EXPECT_EQ(*lies("1e-300"), 0.0L); // below the format: stored as 0
}

TEST(BetragText, BreitenUndRundung) {
    EXPECT_EQ(BetragText(234.5L, 9), "   234.50");
    EXPECT_EQ(BetragText(1.5L, 5), " 1.50");
    EXPECT_EQ(BetragText(-3, 1), "-3.00");
    EXPECT_EQ(BetragText(0, 1), "0.00");
    EXPECT_EQ(BetragText(1234567.891L, 5), "1234567.89"); // never cut
    EXPECT_EQ(BetragText(-0.001L, 6), "  0.00");          // no "-0.00"
    EXPECT_EQ(BetragText(durchReal6(51.13L), 12), "       51.13");
    EXPECT_EQ(BetragText(durchReal6(0.07L), 1), "0.07");
    EXPECT_EQ(BetragText(1.999L, 1), "2.00");
    // What a dialog shows is read back to the same stored value.
    for (long double v : {1.5L, 51.13L, -12.34L, 99999.99L}) {
        const long double gespeichert = durchReal6(v);
        EXPECT_EQ(*BetragLesen(BetragText(gespeichert, 5)), gespeichert);
    }
}

TEST(Zahlentexte, Festkomma) {
    EXPECT_EQ(festkomma(durchReal6(1.95583L), 6), "1.955830");
    EXPECT_EQ(festkomma(7, 2), "7.00");
    EXPECT_EQ(festkomma(16, 2), "16.00");
    EXPECT_EQ(festkomma(durchReal6(12.5L), 2), "12.50");
    EXPECT_EQ(festkomma(0, 6), "0.000000");
    EXPECT_EQ(festkomma(-2.5L, 0), "-2");
}

// The integer way of the amount texts against the library's over the stored amounts, their
// halves, their sums' neighbours and every place count in use.
TEST(Zahlentexte, FestkommaWieToChars) {
    std::mt19937_64 zufall(3);
    std::vector<long double> werte{0.125L, 0.375L, -0.005L, 0.5L, 1.5L, 2.5L, 1e-30L, 1e25L};
    for (int i = 0; i < 20000; ++i) {
        const long double cent = static_cast<long double>(zufall() % 100000000000) / 100;
        werte.push_back(durchReal6(cent));
        werte.push_back(-durchReal6(cent + 0.005L));
        werte.push_back(
            std::ldexp(static_cast<long double>(zufall()), -static_cast<int>(zufall() % 90)));
    }
    for (long double x : werte) {
        for (int stellen : {0, 2, 6}) {
            std::array<char, 128> puffer{};
            auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x,
                                                std::chars_format::fixed, stellen);
            std::string erwartet(puffer.data(), ende);
            if (erwartet.front() == '-' && erwartet.find_first_not_of("-0.") == std::string::npos)
                erwartet.erase(0, 1);
            ASSERT_EQ(festkomma(x, stellen), erwartet) << static_cast<double>(x);
        }
    }
}

TEST(Zahlentexte, GanzzahlLesen) {
    EXPECT_EQ(ganzzahlLesen("15"), 15);
    EXPECT_EQ(ganzzahlLesen("-3"), -3);
    EXPECT_EQ(ganzzahlLesen("+4"), 4);
    EXPECT_EQ(ganzzahlLesen("007"), 7);
    for (const char* text :
         {"", "+", "1 ", " 1", "1.0", "x", "99999999999999999999", "+-5", "--5", "-+5"})
        EXPECT_FALSE(ganzzahlLesen(text).has_value()) << text;
}

TEST(Zahlentexte, UnabhaengigVomGebietsschema) {
    const char* vorher = std::setlocale(LC_ALL, nullptr);
    const std::string gesichert = vorher ? vorher : "C";
    bool deutsch = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
        if (std::setlocale(LC_ALL, name)) {
            deutsch = true;
            break;
        }
    const std::string text = BetragText(1234.5L, 9);
    const std::string kurs = festkomma(1.95583L, 6);
    const auto gelesen = BetragLesen("12.50");
    const auto komma = BetragLesen("12,50");
    std::setlocale(LC_ALL, gesichert.c_str());
    EXPECT_EQ(text, "  1234.50");
    EXPECT_EQ(kurs, "1.955830");
    EXPECT_EQ(gelesen, 12.5L);
    EXPECT_FALSE(komma.has_value()); // the caller replaces "," first
    if (!deutsch) std::printf("Hinweis: kein deutsches Gebietsschema installiert\n");
}

} // namespace
} // namespace zalvor
