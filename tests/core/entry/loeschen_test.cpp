// Deleting the selected booking: confirmation, amount 0 in place, indexes untouched.
#include "eingabeumgebung.h"

#include "core/mainwindow/loeschen.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;
using test::Eingabeumgebung;

void zweiBuchungen(Eingabeumgebung& u) {
    TBuchung b;
    b.bunr.setze("1");
    b.betrag = Real6::aus(12.5L);
    b.tag = 1;
    b.monat = 1;
    b.kontoVon = 1;
    buchungAnhaengen(u.s.verein, u.s.person, b, {false, false, true, false});
    b.bunr.setze("2");
    b.betrag = Real6::aus(3);
    buchungAnhaengen(u.s.verein, u.s.person, b, {false, false, true, false});
}

TEST(Loeschen, NachBestaetigungWirdDerBetragNull) {
    Eingabeumgebung u;
    zweiBuchungen(u);
    std::vector<std::vector<std::uint8_t>> indexe;
    for (int k = 1; k <= 9; ++k)
        indexe.push_back(u.index(k));
    const TBuchung vorher = u.satz(0);

    u.person.antworte(Knopf::Ja);
    EXPECT_TRUE(satzLoeschen(u.s, 0));
    auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].art, Art::Frage);
    EXPECT_EQ(m[0].titel, "Löschen!");
    EXPECT_EQ(m[0].text, "Satz wirklich löschen?");
    EXPECT_EQ(m[0].symbol, Symbol::Warnung);
    EXPECT_EQ(m[0].knoepfe, (std::vector<Knopf>{Knopf::Ja, Knopf::Nein}));

    EXPECT_EQ(u.anzahl(), 2u);
    TBuchung b = u.satz(0);
    EXPECT_TRUE(b.geloescht());
    EXPECT_EQ(b.betrag.bytes, (std::array<std::uint8_t, 6>{}));
    b.betrag = vorher.betrag;
    EXPECT_EQ(b, vorher) << "only the amount changes";
    EXPECT_FALSE(u.satz(1).geloescht());
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(u.index(k), indexe[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Auffrischen});
}

TEST(Loeschen, NeinUndLeereLetzteZeileAendernNichts) {
    Eingabeumgebung u;
    zweiBuchungen(u);
    u.person.antworte(Knopf::Nein);
    EXPECT_FALSE(satzLoeschen(u.s, 1));
    u.person.antworte(std::nullopt);
    EXPECT_FALSE(satzLoeschen(u.s, 1));
    EXPECT_FALSE(u.satz(1).geloescht());

    u.person.leeren();
    EXPECT_FALSE(satzLoeschen(u.s, 2)) << "the empty last row";
    EXPECT_TRUE(u.meldungen().empty());
    EXPECT_TRUE(u.ui.tabellen.empty());
}

TEST(Loeschen, NurLesenLoeschtNicht) {
    Eingabeumgebung u;
    zweiBuchungen(u);
    u.s.verein.nurLesen = true;
    EXPECT_FALSE(satzLoeschen(u.s, 0));
    EXPECT_TRUE(u.meldungen().empty());
    EXPECT_FALSE(u.satz(0).geloescht());
}

} // namespace
} // namespace zalvor
