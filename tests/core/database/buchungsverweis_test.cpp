// A link finds its booking after the record numbers changed, and after a change that keeps
// the booking's stable fields; never a deleted record, never one of another year.
#include "core/database/buchungsverweis.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

TBuchung satz(const std::string& bunr, const std::string& text, long double betrag,
              std::uint8_t tag = 5) {
    TBuchung b;
    b.bunr.setze(bunr);
    b.text.setze(text);
    b.betrag = Real6::aus(betrag);
    b.einnahme = 1;
    b.kontoNach = 2;
    b.tag = tag;
    b.monat = 3;
    b.typcode = 1;
    return b;
}

using Treffer = std::vector<std::optional<std::size_t>>;

TEST(Buchungsverweis, FindsItsBookingAfterDeletedRecordsWereDropped) {
    // Records 0, 2 and 4 deleted; the links point at records 1, 3 and 5.
    std::vector<TBuchung> datei;
    for (int i = 0; i < 6; ++i)
        datei.push_back(satz(std::to_string(i + 1), "Beitrag", i % 2 ? 25 : 0));
    std::vector<Buchungsverweis> verweise;
    for (std::size_t nr : {5u, 1u, 3u})
        verweise.push_back(buchungsverweis("26", datei[nr]));
    EXPECT_EQ(verweiseFinden(verweise, "26", datei), (Treffer{5, 1, 3}));

    std::erase_if(datei, [](const TBuchung& b) { return b.geloescht(); }); // reorganised
    EXPECT_EQ(verweiseFinden(verweise, "26", datei), (Treffer{2, 0, 1}));
}

TEST(Buchungsverweis, FindsAChangedBookingByTheFieldsAChangeKeeps) {
    const TBuchung alt = satz("7", "Miete", 40);
    TBuchung beleg = alt; // voucher, type, payee and stray text bytes changed
    beleg.beleg.setze("B12");
    beleg.typcode = 9;
    beleg.anVon.setze("Hausverwaltung");
    beleg.text.roh[20] = 0x55;
    TBuchung anderer = alt; // the amount changed: another booking
    anderer.betrag = Real6::aus(41);
    const std::vector<TBuchung> datei{anderer, beleg};
    EXPECT_EQ(verweiseFinden(std::vector{buchungsverweis("26", alt)}, "26", datei), (Treffer{1}));
}

TEST(Buchungsverweis, EachRecordAnswersOneLinkAndOnlyInItsYear) {
    const TBuchung b = satz("1", "Beitrag", 25);
    TBuchung geaendert = b;
    geaendert.beleg.setze("X");
    // Two equal bookings and a changed third: exact matches go first, the earliest first.
    const std::vector<TBuchung> datei{geaendert, b, b};
    const std::vector<Buchungsverweis> verweise(4, buchungsverweis("26", b));
    EXPECT_EQ(verweiseFinden(verweise, "26", datei), (Treffer{1, 2, 0, std::nullopt}));
    EXPECT_EQ(verweiseFinden(std::vector{buchungsverweis("25", b)}, "26", datei),
              (Treffer{std::nullopt}));
}

} // namespace
} // namespace zalvor::test
