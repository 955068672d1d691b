// The Euro symbol option: the answer and the file "EUROSYMB" beside the program.
#include "eingabeumgebung.h"

#include "core/entry/eurosymbolwahl.h"
#include "core/files/eurotext.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Eingabeumgebung;

TEST(EuroSymbol, JaUndNeinSchreibenDieDatei) {
    Eingabeumgebung u;
    const std::string datei = u.dir.datei("EUROSYMB");
    EXPECT_TRUE(euroSymbolAnwenden(u.s, Knopf::Ja));
    EXPECT_EQ(u.s.euroText, "\x80");
    EXPECT_EQ(test::textLesen(datei), "\x80\r\n");
    EXPECT_EQ(euroTextLaden({u.dir.pfad(), {}}), "\x80");
    EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Voll});

    EXPECT_TRUE(euroSymbolAnwenden(u.s, Knopf::Nein));
    EXPECT_EQ(u.s.euroText, "EUR");
    EXPECT_EQ(test::textLesen(datei), "EUR\r\n");
}

TEST(EuroSymbol, AbbruchSchreibtNichts) {
    Eingabeumgebung u;
    u.s.euroText = "\x80";
    EXPECT_FALSE(euroSymbolAnwenden(u.s, Knopf::Abbruch));
    EXPECT_FALSE(euroSymbolAnwenden(u.s, std::nullopt));
    EXPECT_FALSE(dateiExistiert(u.dir.datei("EUROSYMB")));
    EXPECT_EQ(u.s.euroText, "\x80");
    EXPECT_TRUE(u.ui.tabellen.empty());
}

TEST(EuroSymbol, TexteMitAuszeichnung) {
    const auto t = euroSymbolTexte();
    EXPECT_EQ(t.titel, "Euro-Symbol verwenden?");
    EXPECT_EQ(ansiNachUtf8(t.test), "Im Folgenden wird getestet, ob das Euro-Symbol bei Ihnen "
                                    "installiert ist:\\lb \\BSehen Sie in den vier Kästchen "
                                    "jeweils ein Euro-Symbol?");
    EXPECT_EQ(ansiNachUtf8(t.erklaerung),
              "Wenn Sie \\IJa\\i anklicken, wird das Programm die angezeigten Zeichen verwenden, "
              "antworten Sie mit \\INein\\i, so wird der Schriftzug \"EUR\" benutzt.");
}

} // namespace
} // namespace zalvor
