// The sort order choice: item texts, command-line names, the check of the files it needs.
#include "buchungsdaten.h"

#include "core/files/sortierung.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Kassenbuch;

struct ZaehlendeOberflaeche : Oberflaeche {
    std::vector<TabellenModus> tabellen;
    int statuszeilen = 0;
    void tabelleFuellen(TabellenModus m) override { tabellen.push_back(m); }
    void statuszeileAktualisieren() override { ++statuszeilen; }
};

const char* const kHinweis =
    "Eine Indexdatei existiert nicht, die für diese Sortierung notwendig ist. Sie muß durch "
    "eine Reorganisation neu erstellt werden. Mit OK starten Sie eine Reorganisation...";

TEST(ListSort, TexteUndNamen) {
    EXPECT_EQ(sortierungText(Sortierung::Nummer), "Buchungs&Nummer");
    EXPECT_EQ(sortierungText(Sortierung::Typ), "Buchungs&Typ");
    EXPECT_EQ(sortierungText(Sortierung::Text), "BuchungsTe&xt");
    EXPECT_EQ(sortierungText(Sortierung::Betrag), "Buchungs&Betrag");
    EXPECT_EQ(sortierungText(Sortierung::Datum), "Buchungs&Datum");
    for (Sortierung s : kSortierungen)
        EXPECT_EQ(sortierungAusName(sortierungName(s)), s);
    EXPECT_EQ(sortierungAusName("Betrag"), Sortierung::Betrag);
    EXPECT_EQ(sortierungAusName("TEXT"), Sortierung::Text);
    EXPECT_FALSE(sortierungAusName("datum2"));
    EXPECT_FALSE(sortierungAusName(""));
}

class SortDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        kb.buchen({.bunr = "1", .betrag = 0});
        kb.buchen({.bunr = "2"});
        kb.s.oberflaeche = &ui;
    }
    Kassenbuch kb;
    ZaehlendeOberflaeche ui;
};

TEST_F(SortDialog, VorhandeneIndizesFragenNichts) {
    EXPECT_EQ(sortierungWaehlen(kb.s, Sortierung::Datum), SortierErgebnis::Gesetzt);
    EXPECT_EQ(kb.s.verein.sortierung, Sortierung::Datum);
    EXPECT_TRUE(kb.person.eintraege().empty());
    EXPECT_TRUE(ui.tabellen.empty());
    EXPECT_EQ(ui.statuszeilen, 1);
}

TEST_F(SortDialog, NummerBrauchtNurDieDateiUndIndex4) {
    dateiLoeschen(kb.index(1));
    dateiLoeschen(kb.index(8));
    EXPECT_EQ(sortierungWaehlen(kb.s, Sortierung::Nummer), SortierErgebnis::Gesetzt);
    EXPECT_TRUE(kb.person.eintraege().empty());

    dateiLoeschen(kb.index(4));
    kb.person.antworte(Knopf::Abbruch);
    EXPECT_EQ(sortierungWaehlen(kb.s, Sortierung::Nummer), SortierErgebnis::OhneReorganisation);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    const auto f = kb.person.meldungen()[0];
    EXPECT_EQ(f.titel, "Hinweis");
    EXPECT_EQ(f.text, kHinweis);
    EXPECT_EQ(f.symbol, Symbol::Warnung);
    EXPECT_EQ(f.knoepfe, (std::vector<Knopf>{Knopf::Ok, Knopf::Abbruch}));
    // Cancel: the order is still the chosen one, nothing was rebuilt.
    EXPECT_EQ(kb.s.verein.sortierung, Sortierung::Nummer);
    EXPECT_FALSE(dateiExistiert(kb.index(4)));
    EXPECT_TRUE(ui.tabellen.empty());
}

TEST_F(SortDialog, OkReorganisiertUndFuelltDieTabelle) {
    dateiLoeschen(kb.index(6));
    kb.person.antworte(Knopf::Ok);
    EXPECT_EQ(sortierungWaehlen(kb.s, Sortierung::Betrag), SortierErgebnis::Reorganisiert);
    EXPECT_EQ(kb.s.verein.sortierung, Sortierung::Betrag);
    EXPECT_EQ(satzAnzahl(kb.datei()), 1u);
    EXPECT_EQ(kb.eintraege(6), (std::vector<std::uint16_t>{0}));
    EXPECT_EQ(ui.tabellen, (std::vector<TabellenModus>{TabellenModus::Voll}));
    EXPECT_EQ(ui.statuszeilen, 1);
    EXPECT_EQ(kb.person.meldungen().back().titel, "Fertig");
}

TEST_F(SortDialog, FehlenderErsterIndexZaehltAuch) {
    dateiLoeschen(kb.index(3));
    kb.person.antworte(std::nullopt); // box closed
    EXPECT_EQ(sortierungWaehlen(kb.s, Sortierung::Typ), SortierErgebnis::OhneReorganisation);
    EXPECT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(satzAnzahl(kb.datei()), 2u);
}

} // namespace
} // namespace zalvor
