// Duplicate keys: the bank's reference, else the line's fields; repeats within a statement.
#include "core/bank/dublette.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

Auszugszeile zeile(const std::string& ref, std::int64_t cent, const std::string& name) {
    Auszugszeile z;
    z.buchungsdatum = Datum{2026, 1, 5};
    z.cent = cent;
    z.bankreferenz = ref;
    z.name = name;
    z.text = "Beitrag";
    return z;
}

TEST(Dublette, ReferenzOderFelder) {
    const Auszugszeile a = zeile("REF1", 100, "Anna");
    EXPECT_EQ(dublettenSchluessel(a), dublettenSchluessel(zeile("REF1", 999, "Bernd")));
    EXPECT_NE(dublettenSchluessel(a), dublettenSchluessel(zeile("REF2", 100, "Anna")));

    const Auszugszeile ohne = zeile("", 100, "Anna");
    Auszugszeile gross = ohne;
    gross.name = "ANNA";
    EXPECT_EQ(dublettenSchluessel(ohne), dublettenSchluessel(gross));
    Auszugszeile andere = ohne;
    andere.richtung = Richtung::Soll;
    EXPECT_NE(dublettenSchluessel(ohne), dublettenSchluessel(andere));
    andere = ohne;
    andere.buchungsdatum.tag = 6;
    EXPECT_NE(dublettenSchluessel(ohne), dublettenSchluessel(andere));
    andere = ohne;
    andere.text = "Spende";
    EXPECT_NE(dublettenSchluessel(ohne), dublettenSchluessel(andere));
    EXPECT_NE(dublettenSchluessel(ohne), dublettenSchluessel(zeile("", 101, "Anna")));
    Auszugszeile zins = ohne, gebuehr = ohne;
    zins.text = gebuehr.text = "";
    zins.zusatzinfo = "Zinsen";
    gebuehr.zusatzinfo = "Kontoführung";
    EXPECT_NE(dublettenSchluessel(zins), dublettenSchluessel(gebuehr));
}

TEST(Dublette, TeileEinesSammlersUndWiederholungen) {
    Kontoauszug a;
    for (int teil = 1; teil <= 2; ++teil) {
        a.zeilen.push_back(zeile("SAMMLER", 40, "x"));
        a.zeilen.back().teil = teil;
    }
    a.zeilen.push_back(zeile("", 50, "Anna"));
    a.zeilen.push_back(zeile("", 50, "Anna"));
    const auto schluessel = dublettenSchluessel(a);
    ASSERT_EQ(schluessel.size(), 4U);
    EXPECT_NE(schluessel[0], schluessel[1]);
    EXPECT_NE(schluessel[2], schluessel[3]);
    EXPECT_EQ(schluessel[2], dublettenSchluessel(a.zeilen[2]));
    EXPECT_EQ(dublettenSchluessel(a), schluessel); // read again: the same keys
}

} // namespace
} // namespace zalvor::bank
