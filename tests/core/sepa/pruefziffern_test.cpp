// IBAN, creditor identifier and BIC: published examples and table-driven wrong ones.
#include "core/sepa/pruefziffern.h"

#include <gtest/gtest.h>

namespace zalvor::sepa {
namespace {

TEST(Iban, VeroeffentlichteBeispiele) {
    for (const char* iban :
         {"DE89 3704 0044 0532 0130 00", "AT61 1904 3002 3457 3201", "CH93 0076 2011 6238 5295 7",
          "FR14 2004 1010 0505 0001 3M02 606", "NL91 ABNA 0417 1643 00", "BE68 5390 0754 7034",
          "LU28 0019 4006 4475 0000", "IT60 X054 2811 1010 0000 0123 456",
          "ES91 2100 0418 4502 0005 1332", "GB29 NWBK 6016 1331 9268 19"}) {
        std::string ohneBlanks(iban);
        std::erase(ohneBlanks, ' ');
        EXPECT_EQ(ibanPruefen(iban), ohneBlanks) << iban;
    }
}

TEST(Iban, BlanksUndKleinbuchstabenWerdenNormalisiert) {
    EXPECT_EQ(ibanPruefen(" de89 3704 0044 0532 0130 00 "), "DE89370400440532013000");
    EXPECT_EQ(ibanPruefen("nl91abna0417164300"), "NL91ABNA0417164300");
}

TEST(Iban, Falsche) {
    for (const char* iban :
         {"DE89370400440532013001",  // one digit wrong
          "DE89730400440532013000",  // two digits swapped
          "DE98370400440532013000",  // check digits swapped
          "DE8937040044053201300",   // one short
          "DE893704004405320130000", // one long
          "US89370400440532013000",  // no SEPA country
          "1E89370400440532013000",  // no country code
          "DEX9370400440532013000",  // check digits not digits
          "DE89-3704-0044-0532-0130-00", "DE89\t370400440532013000", "", "DE89",
          // 01, 99 and 00 leave the same remainder as 98, 02 and 97 but are never issued.
          "DE01370400440532013032", "DE99370400440532013014", "DE00370400440532013050"}) {
        EXPECT_FALSE(ibanPruefen(iban).has_value()) << iban;
    }
    for (const char* iban :
         {"DE98370400440532013032", "DE02370400440532013014", "DE97370400440532013050"})
        EXPECT_TRUE(ibanPruefen(iban).has_value()) << iban;
}

TEST(GlaeubigerId, Beispiele) {
    EXPECT_EQ(glaeubigerIdPruefen("DE98ZZZ09999999999"), "DE98ZZZ09999999999");
    EXPECT_EQ(glaeubigerIdPruefen("de98 zzz 0999 9999 999"), "DE98ZZZ09999999999");
    // The business code is not part of the check.
    EXPECT_EQ(glaeubigerIdPruefen("DE98ABC09999999999"), "DE98ABC09999999999");
    // Other countries' national parts of other lengths.
    for (const char* id :
         {"AT92ZZZ00000012345", "NL69ZZZ123456780000", "FR72ZZZ123456", "IT58ZZZ0000012345678901"})
        EXPECT_TRUE(glaeubigerIdPruefen(id).has_value()) << id;
}

TEST(GlaeubigerId, Falsche) {
    for (const char* id :
         {"DE98ZZZ09999999998",  // one digit wrong
          "DE98ZZZ90999999999",  // two digits swapped
          "DE89ZZZ09999999999",  // check digits swapped
          "DE98ZZZ0999999999",   // German ids have 18 characters
          "DE98ZZZ099999999999", // and not 19
          "US98ZZZ09999999999",  // no SEPA country
          "DE98ZZ!09999999999", "DE98ZZZ", "AT92ZZZ00000012345678901234567890123", ""}) {
        EXPECT_FALSE(glaeubigerIdPruefen(id).has_value()) << id;
    }
}

TEST(Bic, AchtOderElfZeichen) {
    EXPECT_EQ(bicPruefen("COBADEFFXXX"), "COBADEFFXXX");
    EXPECT_EQ(bicPruefen("cobade ff"), "COBADEFF");
    EXPECT_EQ(bicPruefen("MARKDEF1100"), "MARKDEF1100");
    for (const char* bic :
         {"COBADEF", "COBADEFFX", "COBADEFFXX", "COBADEFFXXXX", "COBA1EFF", "COBA-EFF", ""})
        EXPECT_FALSE(bicPruefen(bic).has_value()) << bic;
}

} // namespace
} // namespace zalvor::sepa
