// The SEPA character set: transliteration, replacement, cutting, and identifiers.
#include "core/sepa/sepazeichen.h"

#include <gtest/gtest.h>

namespace zalvor::sepa {
namespace {

TEST(SepaText, Umschrift) {
    const std::vector<std::pair<std::string, std::string>> faelle{
        {"Jürgen Weiß", "Juergen Weiss"},
        {"ÄÖÜäöüßẞ", "AeOeUeaeoeuessSS"},
        {"Crème brûlée à l'Élysée", "Creme brulee a l'Elysee"},
        {"Łukasz Żółć, Ærø, Œuvre, Ștefan", "Lukasz Zolc, AEro, OEuvre, Stefan"},
        {"Mu\u0308ller, Rene\u0301", "Mueller, Rene"}, // accents as combining marks
        {"Ab9/-?:().,'+ z", "Ab9/-?:().,'+ z"},        // the set itself stays
        {"Smith & Co. <GmbH>", "Smith   Co.  GmbH"},
        {"50 € für 2×", "50   fuer 2"},
        {"Tab\there\r\n", "Tab here"},
        {"A\xFF\xC3"
         "B\xE2\x82",
         "A  B"},                       // no UTF-8
        {"\xC0\xAF\xED\xA0\x80x", "x"}, // overlong form and surrogate
        {"  ä  ", "ae"},
        {"€☺", ""},
    };
    for (const auto& [ein, aus] : faelle)
        EXPECT_EQ(sepaText(ein, kSepaNamenLaenge), aus) << ein;
}

TEST(SepaText, GekuerztNachDerUmschrift) {
    EXPECT_EQ(sepaText(std::string(69, 'a') + "ü", kSepaNamenLaenge), std::string(69, 'a') + "u");
    EXPECT_EQ(sepaText(std::string(200, 'x'), kSepaVerwendungszweckLaenge).size(), 140U);
    EXPECT_EQ(sepaText("abc def", 4), "abc"); // no blank left at the cut
}

TEST(SepaKennung, ZeichenUndLaenge) {
    for (const char* gut : {"MANDAT-0001", "m/2024/7", "A+B?C:D(E).F,G'H", "x"})
        EXPECT_TRUE(sepaKennungGueltig(gut)) << gut;
    EXPECT_TRUE(sepaKennungGueltig(std::string(35, 'M')));
    for (const char* schlecht :
         {"", "MIT LEER", "Müller", "/M1", "M1/", "M//1", "a&b", "a|b", "a_b", "a\tb"})
        EXPECT_FALSE(sepaKennungGueltig(schlecht)) << schlecht;
    EXPECT_FALSE(sepaKennungGueltig(std::string(36, 'M')));
}

} // namespace
} // namespace zalvor::sepa
