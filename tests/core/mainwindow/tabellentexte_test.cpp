// Texts of the booking table: live, deleted, opening balance, planned, transfer, header.
#include "../files/buchungsdaten.h"

#include "core/common/zeichensatz.h"
#include "core/mainwindow/tabellentexte.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Satz;

// Cells in UTF-8 for readable comparisons.
std::vector<std::string> zeile(const Satz& s, const Typverwaltung& typen = {}) {
    std::vector<std::string> out;
    for (const auto& z : tabellenZeile(test::buchung(s), typen))
        out.push_back(ansiNachUtf8(z));
    return out;
}

using Z = std::vector<std::string>;

TEST(Tabelle, LebendeAusgabeUndEinnahme) {
    Typverwaltung typen;
    typen.setzeTypName(Seite::Ausgabe, 3, A("Gebühren"));
    typen.setzeTypName(Seite::Einnahme, 3, "Spenden");
    EXPECT_EQ(zeile({"12", "M\x81ll", 234.5L, false, 3, 3, 11, 2}, typen),
              (Z{"12", " 3.11.", "Gebühren", "Müll", "   234.50", " A", " 2"}));
    EXPECT_EQ(zeile({"0013", "Spende", 5, true, 3, 24, 12, 7}, typen),
              (Z{"0013", "24.12.", "Spenden", "Spende", "     5.00", " E", " 7"}));
    // Code 0 is "Sonstige"; a user type code 25 is type 23 of its side.
    typen.setzeTypName(Seite::Ausgabe, 23, "Porto");
    EXPECT_EQ(zeile({.typ = 0})[2], "Sonstige");
    EXPECT_EQ(zeile({.typ = 25}, typen)[2], "Porto");
}

TEST(Tabelle, GeloeschteBuchung) {
    EXPECT_EQ(zeile({.bunr = "9", .betrag = 0, .typ = 21}),
              (Z{"9", "--.--.", "* gelöscht *", "", " -------", " -", "---"}));
}

TEST(Tabelle, AnfangsbestandUmbuchungBeitrag) {
    EXPECT_EQ(zeile({"AB", "Anfangsbestand", 1500, true, 0, 1, 1, 4}),
              (Z{"AB", " 1. 1.", "", "Anfangsbestand", "  1500.00", " -", " 4"}));
    Satz umbuchung{"5", "Bank", 100, false, 21, 15, 6};
    TBuchung b = test::buchung(umbuchung);
    b.kontoVon = 1;
    b.kontoNach = 3;
    auto z = tabellenZeile(b, {});
    EXPECT_EQ(ansiNachUtf8(z[2]), "Umbuchung");
    EXPECT_EQ(z[5], " -");
    EXPECT_EQ(ansiNachUtf8(z[6]), "1»3");
    EXPECT_EQ(zeile({.einnahme = true, .typ = 22})[2], "Beitrag");
    EXPECT_EQ(zeile({.einnahme = true, .typ = 22})[5], " E");
}

TEST(Tabelle, GeplantUndBreiteBetraege) {
    EXPECT_EQ(zeile({.einnahme = false, .konto = 2, .geplant = true})[6], "(2)");
    EXPECT_EQ(zeile({.einnahme = true, .konto = 9, .geplant = true})[6], "(9)");
    EXPECT_EQ(zeile({.betrag = -0.5L})[4], "    -0.50");
    // A million or more widens the cell.
    EXPECT_EQ(zeile({.betrag = 1234567.891L})[4], "1234567.89");
}

TEST(Tabelle, KopfMitWaehrung) {
    EXPECT_EQ(betragsKopf("DM"), "Betrag (DM)");
    EXPECT_EQ(betragsKopf("EUR"), "Betrag(EUR)");
    test::Kassenbuch kb;
    kb.s.euroText = "\x80";
    auto kopf = tabellenKopf(kb.s.waehrungstext());
    EXPECT_EQ(kopf[4], "Betrag (DM)"); // no rate: national currency
    kb.s.verein.def.waehrung.Kurs = 1.95583L;
    kopf = tabellenKopf(kb.s.waehrungstext());
    EXPECT_EQ(ansiNachUtf8(kopf[4]), "Betrag (€)");
    EXPECT_EQ(kopf[0], "BuNr");
    EXPECT_EQ(kopf[3], "Buchungstext");
    EXPECT_EQ(kopf[6], "Kto");
}

} // namespace
} // namespace zalvor
