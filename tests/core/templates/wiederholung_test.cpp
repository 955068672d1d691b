// The repetition rules: the code the dialog stores and the bookings a code makes due.
#include "core/templates/wiederholung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

struct CodeFall {
    Wiederholung wahl;
    int tag, monat;
    Datum heute;
    std::uint8_t code;
};

TEST(Wiederholungsdialog, CodeNachDerRegel) {
    const CodeFall faelle[] = {
        {Wiederholung::Nie, 5, 3, {2026, 4, 10}, 0},
        // Monthly: this month while the day is ahead, else the next month.
        {Wiederholung::Monatlich, 5, 3, {2026, 4, 3}, 4},
        {Wiederholung::Monatlich, 5, 3, {2026, 4, 5}, 5},
        {Wiederholung::Monatlich, 5, 3, {2026, 4, 10}, 5},
        {Wiederholung::Monatlich, 20, 1, {2026, 1, 10}, 15}, // January of an even year
        {Wiederholung::Monatlich, 20, 1, {2027, 1, 10}, 1},
        {Wiederholung::Monatlich, 5, 1, {2025, 12, 20}, 15}, // after December of an odd year
        {Wiederholung::Monatlich, 5, 1, {2026, 12, 20}, 1},
        {Wiederholung::Monatlich, 25, 1, {2025, 12, 20}, 12},
        // Yearly: the parity of the year in which the date comes next.
        {Wiederholung::Jaehrlich, 15, 6, {2026, 3, 20}, 13},
        {Wiederholung::Jaehrlich, 15, 6, {2027, 3, 20}, 14},
        {Wiederholung::Jaehrlich, 15, 6, {2026, 6, 15}, 14},
        {Wiederholung::Jaehrlich, 16, 6, {2026, 6, 15}, 13},
        {Wiederholung::Jaehrlich, 15, 6, {2027, 7, 1}, 13},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(wiederholungsCode(f.wahl, f.tag, f.monat, f.heute), f.code)
            << f.tag << "." << f.monat << ". am " << f.heute.tag << "." << f.heute.monat << "."
            << f.heute.jahr;
}

struct FaelligFall {
    const char* name;
    std::uint8_t code;
    int tag, monat;
    Datum heute;
    std::vector<Faelligkeit> faellig;
};

TEST(Faelligkeiten, MonatlichUndJaehrlich) {
    const FaelligFall faelle[] = {
        {"10. April, Code 2", 2, 5, 1, {2026, 4, 10}, {{2, 3}, {3, 4}, {4, 5}}},
        {"3. April, Code 2", 2, 5, 1, {2026, 4, 3}, {{2, 3}, {3, 4}}},
        {"am Tag selbst", 4, 5, 1, {2026, 4, 5}, {{4, 5}}},
        {"noch nicht fällig", 5, 5, 1, {2026, 4, 10}, {}},
        {"15 im geraden Jahr ab Januar", 15, 5, 1, {2026, 3, 10}, {{1, 2}, {2, 3}, {3, 4}}},
        {"15 im ungeraden Jahr nie", 15, 5, 1, {2027, 3, 10}, {}},
        {"1 im ungeraden Jahr ab Januar", 1, 5, 1, {2027, 2, 1}, {{1, 2}}},
        {"1 im geraden Jahr nicht", 1, 5, 1, {2026, 12, 31}, {}},
        {"Dezember gerade", 12, 5, 1, {2026, 12, 10}, {{12, 1}}},
        {"Dezember ungerade", 12, 5, 1, {2027, 12, 10}, {{12, 15}}},
        {"der 31. in jedem Monat", 2, 31, 1, {2026, 3, 31}, {{2, 3}, {3, 4}}},
        {"jährlich 13 vor dem Tag", 13, 15, 6, {2026, 6, 14}, {}},
        {"jährlich 13 am Tag", 13, 15, 6, {2026, 6, 15}, {{6, 14}}},
        {"jährlich 13 danach", 13, 15, 6, {2026, 9, 1}, {{6, 14}}},
        {"jährlich 13 im ungeraden Jahr", 13, 15, 6, {2027, 9, 1}, {}},
        {"jährlich 14 im ungeraden Jahr", 14, 15, 6, {2027, 9, 1}, {{6, 13}}},
        {"jährlich 14 im geraden Jahr", 14, 15, 6, {2026, 9, 1}, {}},
        {"nie", 0, 5, 1, {2026, 12, 31}, {}},
        {"über 15 wie nie", 16, 5, 1, {2026, 12, 31}, {}},
    };
    for (const auto& f : faelle) {
        const auto ist = faelligkeiten(f.code, f.tag, f.monat, f.heute);
        ASSERT_EQ(ist.size(), f.faellig.size()) << f.name;
        for (std::size_t i = 0; i < ist.size(); ++i) {
            EXPECT_EQ(ist[i].monat, f.faellig[i].monat) << f.name;
            EXPECT_EQ(ist[i].neuerCode, f.faellig[i].neuerCode) << f.name;
        }
    }
}

TEST(Faelligkeiten, DezemberImUngeradenJahrFuehrtInDenJanuar) {
    // Booked in December of an odd year: code 15, due again from January of the even year.
    const auto dezember = faelligkeiten(12, 5, 1, {2025, 12, 10});
    ASSERT_EQ(dezember.size(), 1u);
    EXPECT_EQ(dezember[0].neuerCode, kCodeJanuarGerade);
    const auto januar = faelligkeiten(dezember[0].neuerCode, 5, 1, {2026, 1, 5});
    ASSERT_EQ(januar.size(), 1u);
    EXPECT_EQ(januar[0].monat, 1);
}

} // namespace
} // namespace zalvor
