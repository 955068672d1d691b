// Journal export: names the accounting tools read as one account, dates that exist.
#include "core/closing/journal.h"
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

TEST(Journal, KontoteileOhneZeichenDieEinenNamenTeilen) {
    struct Fall {
        std::string ein, aus;
    } faelle[] = {
        {"Kasse", "Kasse"},
        {"  Kasse ", "Kasse"},
        {"Bank  Nord", "Bank Nord"},
        {"Bank\tNord", "Bank Nord"},
        {"Ein:Aus", "Ein.Aus"},
        {"a;b", "a,b"},
        {"   ", "Typ 7"},
        {"", "Typ 7"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kontoteil(f.ein, "Typ 7"), f.aus) << f.ein;
}

TEST(Journal, BuchungsartenDatumUndPlanung) {
    TDefinitionen def;
    for (int k = 1; k <= 9; ++k)
        def.konten[static_cast<std::size_t>(k)] = kUnbenannt;
    def.konten[1] = "Kasse";
    def.typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
    auto b = [](int code, bool ein, int tag, int monat, const char* bunr, int von, int nach) {
        TBuchung x;
        x.typcode = static_cast<std::uint8_t>(code);
        x.einnahme = ein;
        x.tag = static_cast<std::uint8_t>(tag);
        x.monat = static_cast<std::uint8_t>(monat);
        x.bunr.setze(bunr);
        x.betrag = Real6::aus(12.5L);
        x.kontoVon = static_cast<std::uint8_t>(von);
        x.kontoNach = static_cast<std::uint8_t>(nach);
        x.text.setze("Text; mit Semikolon");
        return x;
    };
    std::vector<TBuchung> bs = {b(1, false, 31, 2, "1", 1, 0), b(21, false, 0, 5, "2", 1, 3),
                                b(22, true, 1, 13, "", 0, 1),  b(0, true, 1, 1, "AB", 0, 1),
                                b(5, false, 1, 1, "5", 0, 0),  b(1, false, 1, 1, "6", 1, 0)};
    bs[4].geplant = 1;
    bs[5].betrag = Real6{};
    const auto z = journalZeilen({"Verein.24", "24", &def, "DM"}, bs);
    const std::vector<std::string> erwartet = {
        "; Verein.24",
        "",
        "2024-02-29 * (1) Text, mit Semikolon  ; gespeichertes Datum 31.2.",
        "    Ausgaben:Miete  12.50 DM",
        "    Konten:Kasse  -12.50 DM",
        "",
        "2024-05-31 * (2) Text, mit Semikolon  ; gespeichertes Datum 0.5.",
        "    Konten:Konto 3  12.50 DM",
        "    Konten:Kasse  -12.50 DM",
        "",
        "2024-01-01 * Text, mit Semikolon  ; gespeichertes Datum 1.13.",
        "    Konten:Kasse  12.50 DM",
        "    Einnahmen:Beitrag  -12.50 DM",
        "",
        "2024-01-01 * (AB) Text, mit Semikolon",
        "    Konten:Kasse  12.50 DM",
        "    Eigenkapital:Anfangsbestand  -12.50 DM",
        "",
        "2024-01-01 ! (5) Text, mit Semikolon",
        "    Ausgaben:Typ 5  12.50 DM",
        "    Konten:ohne Konto  -12.50 DM",
    };
    EXPECT_EQ(z, erwartet);
}

} // namespace
} // namespace zalvor
