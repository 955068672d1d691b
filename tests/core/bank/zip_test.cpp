// ZIP archives: members in directory order with their check sums.
#include "auszugtext.h"

#include "core/bank/zip.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

TEST(Zip, GespeicherteUndGepackteDateien) {
    const auto eintraege = zipLesen(test::dateiInhalt("data/bank/camt053_zwei.zip"), 1 << 20);
    ASSERT_EQ(eintraege.size(), 3U);
    EXPECT_EQ(eintraege[0].name, "januar.xml");
    EXPECT_EQ(eintraege[0].inhalt, test::dateiInhalt("data/bank/camt053_02.xml"));
    EXPECT_EQ(eintraege[1].name, "februar.xml");
    EXPECT_EQ(eintraege[1].inhalt, test::dateiInhalt("data/bank/camt053_04.xml"));
    EXPECT_EQ(eintraege[2].name, "liesmich.txt");
}

TEST(Zip, GrenzeUeberAlleDateien) {
    const std::string archiv = test::dateiInhalt("data/bank/camt053_zwei.zip");
    const std::size_t januar = test::dateiInhalt("data/bank/camt053_02.xml").size();
    EXPECT_THROW(zipLesen(archiv, januar + 10), AuszugFehler);
    EXPECT_THROW(zipLesen(archiv.substr(0, archiv.size() - 30), 1 << 20), AuszugFehler);
}

TEST(Zip, Pruefsumme) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926U);
    EXPECT_EQ(crc32(""), 0U);
}

} // namespace
} // namespace zalvor::bank
