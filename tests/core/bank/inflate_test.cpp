// The DEFLATE decoder on the three kinds of block, and its refusals.
#include "auszugtext.h"

#include "core/bank/inflate.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

const std::string kOrdner = "data/bank/deflate/";

TEST(Inflate, GespeichertFestUndDynamisch) {
    const std::string text = test::dateiInhalt(kOrdner + "text.txt");
    ASSERT_FALSE(text.empty());
    for (const char* datei : {"gespeichert.bin", "fest.bin", "dynamisch.bin"})
        EXPECT_EQ(inflate(test::dateiInhalt(kOrdner + datei), text.size()), text) << datei;
}

TEST(Inflate, KaputteDatenWerdenAbgelehnt) {
    const std::string dyn = test::dateiInhalt(kOrdner + "dynamisch.bin");
    const std::string gesp = test::dateiInhalt(kOrdner + "gespeichert.bin");
    std::string falscheLaenge = gesp;
    falscheLaenge[3] = static_cast<char>(falscheLaenge[3] ^ 1); // NLEN no longer ~LEN
    // A fixed block whose first code is a match: it reaches before the start of the data.
    const std::string vorDenAnfang("\x03\x02", 2);
    for (const std::string& daten : {dyn.substr(0, dyn.size() / 2), std::string("\x07", 1),
                                     falscheLaenge, vorDenAnfang, std::string()})
        EXPECT_THROW(inflate(daten, 1 << 20), EntpackFehler);
}

TEST(Inflate, GrenzeDerEntpacktenGroesse) {
    const std::string text = test::dateiInhalt(kOrdner + "text.txt");
    for (const char* datei : {"gespeichert.bin", "dynamisch.bin"})
        EXPECT_THROW(inflate(test::dateiInhalt(kOrdner + datei), text.size() - 1), EntpackFehler)
            << datei;
}

} // namespace
} // namespace zalvor::bank
