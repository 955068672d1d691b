// TARGET2 business days and the earliest requested collection date.
#include "core/sepa/target2.h"

#include <gtest/gtest.h>

namespace zalvor::sepa {
namespace {

TEST(Target2, Ostersonntag) {
    // 2285 and 2038 are the earliest and latest dates the computus can give.
    for (const Datum& d : {Datum{2024, 3, 31}, Datum{2025, 4, 20}, Datum{2000, 4, 23},
                           Datum{2019, 4, 21}, Datum{2038, 4, 25}, Datum{2285, 3, 22}})
        EXPECT_EQ(osterSonntag(d.jahr), d) << d.jahr;
}

TEST(Target2, Geschaeftstage) {
    const std::vector<std::pair<Datum, bool>> faelle{
        {{2024, 3, 28}, true},   {{2024, 3, 29}, false}, // Good Friday
        {{2024, 3, 30}, false},  {{2024, 3, 31}, false},
        {{2024, 4, 1}, false}, // Easter Monday
        {{2024, 4, 2}, true},    {{2024, 5, 1}, false},
        {{2024, 10, 3}, true}, // no TARGET2 day off
        {{2024, 12, 24}, true},  {{2024, 12, 25}, false},
        {{2024, 12, 26}, false}, {{2024, 12, 31}, true},
        {{2025, 1, 1}, false},   {{2025, 4, 18}, false},
        {{2025, 4, 22}, true},
    };
    for (const auto& [d, geschaeftstag] : faelle)
        EXPECT_EQ(istTarget2Tag(d), geschaeftstag) << d.jahr << "-" << d.monat << "-" << d.tag;
}

TEST(Target2, FaelligkeitMindestensEinGeschaeftstagNachHeute) {
    struct Fall {
        Datum heute;
        Datum faellig;
        bool zulaessig;
    };
    const std::vector<Fall> faelle{
        {{2024, 3, 13}, {2024, 3, 13}, false}, // Wednesday: not today
        {{2024, 3, 13}, {2024, 3, 14}, true},
        {{2024, 3, 13}, {2024, 3, 12}, false},
        {{2024, 3, 15}, {2024, 3, 16}, false}, // Friday: Saturday is no business day
        {{2024, 3, 15}, {2024, 3, 18}, true},
        {{2024, 3, 16}, {2024, 3, 18}, false}, // Saturday: the bank takes the file on Monday
        {{2024, 3, 16}, {2024, 3, 19}, true},
        {{2024, 3, 28}, {2024, 4, 1}, false}, // over Easter
        {{2024, 3, 28}, {2024, 4, 2}, true},
        {{2024, 12, 31}, {2025, 1, 1}, false},
        {{2024, 12, 31}, {2025, 1, 2}, true},
        {{2024, 3, 13}, {2024, 2, 30}, false}, // no such day
        {{2024, 3, 13}, {2024, 13, 1}, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(faelligkeitZulaessig(f.faellig, f.heute), f.zulaessig)
            << f.heute.monat << "-" << f.heute.tag << " -> " << f.faellig.monat << "-"
            << f.faellig.tag;
}

TEST(Target2, GueltigeDaten) {
    EXPECT_TRUE(gueltigesDatum({2024, 2, 29}));
    EXPECT_FALSE(gueltigesDatum({2023, 2, 29}));
    EXPECT_FALSE(gueltigesDatum({2024, 4, 31}));
    EXPECT_FALSE(gueltigesDatum({2024, 0, 1}));
    EXPECT_FALSE(gueltigesDatum({2024, 1, 0}));
    EXPECT_FALSE(gueltigesDatum({2024, 1, 256 + 1})); // not folded into a small day
    EXPECT_FALSE(gueltigesDatum({65536 + 2024, 1, 1}));
    EXPECT_FALSE(gueltigesDatum({0, 1, 1}));
}

} // namespace
} // namespace zalvor::sepa
