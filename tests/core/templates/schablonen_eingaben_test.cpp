// What a damaged disk or a foreign tool leaves in the template file: the window's grid and
// the repetition dialog read every case soundly, and a code beyond the rules books nothing.
#include "../files/buchungsdaten.h"
#include "ordnerbild.h"

#include "core/templates/autobuchung.h"
#include "core/templates/schablonendatei.h"
#include "core/templates/schablonenfenster.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

std::vector<std::uint8_t>
vorlageMit(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    const auto roh = buchung(Satz{}).packen(); // an expense: the code is the to-account byte
    std::vector<std::uint8_t> b(roh.begin(), roh.end());
    for (auto [pos, wert] : bytes)
        b[pos] = wert;
    return b;
}

TEST(SchlechteEingaben, TemplateFile) {
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> inhalt;
        std::size_t vorlagen;
    };
    auto einRestbyte = vorlageMit({{69, 16}});
    einRestbyte.push_back(1);
    const Fall faelle[] = {
        {"leer", {}, 0},
        {"ein Byte", {1}, 0},
        {"71 Bytes", einRestbyte, 1},
        {"Code 255", vorlageMit({{69, 0xFF}}), 1},
        {"Code 16, Laengenbytes 255", vorlageMit({{69, 16}, {3, 0xFF}, {52, 0xFF}}), 1},
        {"Monat 13, Tag 99, Code 200", vorlageMit({{34, 99}, {35, 13}, {69, 200}}), 1},
        {"Monat 0, Tag 0, Exponent 255", vorlageMit({{34, 0}, {35, 0}, {36, 0xFF}, {69, 0xFF}}), 1},
        {"Typcode 255, Konto 255", vorlageMit({{0, 0xFF}, {68, 0xFF}, {69, 0xFF}}), 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        for (int i = 1; i <= 9; ++i)
            bytesSchreiben(k.index(i), {});
        bytesSchreiben(k.s.verein.datei.dateien().schablonen(), f.inhalt);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        const auto alle = schablonenLesen(k.s.verein.datei.dateien().schablonen());
        ASSERT_EQ(alle.size(), f.vorlagen);
        const Raster r = schablonenRaster(schablonenLesen(k.s.verein.dateien().schablonen()),
                                          k.s.verein.def, k.s.waehrungstext());
        EXPECT_EQ(r.zeilen.size(), f.vorlagen);
        for (std::uint32_t i = 0; i < alle.size(); ++i)
            EXPECT_EQ(
                wiederholungsMaske(schabloneLesen(k.s.verein.dateien().schablonen(), i)).vorwahl,
                Wiederholung::Nie);
        EXPECT_EQ(automatischeBuchungen(k.s), 0);
        EXPECT_TRUE(k.person.meldungen().empty());
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

} // namespace
} // namespace zalvor::test
