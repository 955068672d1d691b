// Amounts in cents and dates as the statement formats write them.
#include "core/bank/bankwerte.h"
#include "core/bank/csvauszug.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

TEST(Bankwerte, CentLesen) {
    struct Fall {
        const char* text;
        char dezimal;
        char tausender;
        std::optional<std::int64_t> cent;
    };
    for (const Fall& f : {
             Fall{"12.50", '.', 0, 1250},
             Fall{"12.5", '.', 0, 1250},
             Fall{"12", '.', 0, 1200},
             Fall{"0.01", '.', 0, 1},
             Fall{"12.50000", '.', 0, 1250},
             Fall{"12.505", '.', 0, std::nullopt},
             Fall{"-1.234,56", ',', '.', -123456},
             Fall{"1.234,56-", ',', '.', -123456},
             Fall{"+3,00", ',', '.', 300},
             Fall{"1..234,56", ',', '.', std::nullopt},
             Fall{".5", '.', 0, 50},
             Fall{"", '.', 0, std::nullopt},
             Fall{".", '.', 0, std::nullopt},
             Fall{"12a", '.', 0, std::nullopt},
             Fall{"1.234", ',', '.', 123400},
             Fall{"1234567890123456", '.', 0, std::nullopt},
             Fall{"999999999999999.99", '.', 0, 99999999999999999},
         })
        EXPECT_EQ(centLesen(f.text, f.dezimal, f.tausender), f.cent) << f.text;
}

TEST(Bankwerte, Daten) {
    EXPECT_EQ(isoDatum("2026-02-28"), (Datum{2026, 2, 28}));
    EXPECT_EQ(isoDatum("2024-02-29T10:00:00+01:00"), (Datum{2024, 2, 29}));
    for (const char* falsch : {"2026-02-29", "2026-13-01", "2026-1-01", "20260101", "2026-01-01X"})
        EXPECT_EQ(isoDatum(falsch), std::nullopt) << falsch;

    struct Fall {
        const char* text;
        const char* format;
        std::optional<Datum> datum;
    };
    for (const Fall& f : {
             Fall{"07.03.2026", "TT.MM.JJJJ", Datum{2026, 3, 7}},
             Fall{"7.3.2026", "TT.MM.JJJJ", Datum{2026, 3, 7}},
             Fall{"07.03.26", "TT.MM.JJ", Datum{2026, 3, 7}},
             Fall{"07.03.99", "TT.MM.JJ", Datum{1999, 3, 7}},
             Fall{"2026-03-07", "JJJJ-MM-TT", Datum{2026, 3, 7}},
             Fall{"07/03/2026", "TT.MM.JJJJ", std::nullopt},
             Fall{"31.04.2026", "TT.MM.JJJJ", std::nullopt},
             Fall{"07.03.2026 ", "TT.MM.JJJJ", std::nullopt},
         })
        EXPECT_EQ(datumNachFormat(f.text, f.format), f.datum) << f.text;
}

TEST(Bankwerte, Texte) {
    EXPECT_EQ(leerraumBereinigen("  Beitrag\r\n 2026\t Anna  "), "Beitrag 2026 Anna");
    EXPECT_TRUE(gueltigesUtf8("Grüße"));
    for (const char* falsch : {"Gr\xFC\xDF"
                               "e",
                               "\xC3", "\xC0\x80", "\xED\xA0\x80"})
        EXPECT_FALSE(gueltigesUtf8(falsch));
    EXPECT_EQ(alsUtf8("Gr\xFC\xDF"
                      "e"),
              "Grüße");
    EXPECT_EQ(alsUtf8("Grüße"), "Grüße");
}

} // namespace
} // namespace zalvor::bank
