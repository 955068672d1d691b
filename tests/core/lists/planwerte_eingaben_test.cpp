// What a damaged disk or a foreign tool leaves in the plan file: the dialog and the
// target/actual comparison read every case soundly and nothing is written.
#include "../files/buchungsdaten.h"
#include "ordnerbild.h"

#include "core/common/fehler.h"
#include "core/files/oeffnen.h"
#include "core/lists/planvorgaben.h"
#include "core/lists/planwerte.h"
#include "core/lists/sollist.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zalvor::test {
namespace {

// The file with the first record (expense type 1) holding the given bits and flag byte.
std::vector<std::uint8_t> planMit(std::uint64_t bits, std::uint8_t flag, std::size_t saetze = 198) {
    std::vector<std::uint8_t> b(saetze * 9, 0);
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
    b[8] = flag;
    return b;
}

std::uint64_t bits(double d) {
    return std::bit_cast<std::uint64_t>(d);
}

TEST(SchlechteEingaben, PlanFile) {
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> inhalt;
        double wert; // of expense type 1 after reading
        // Beyond the stored real's range: the comparison ends with "Gleitkommaüberlauf".
        bool ueberlauf = false;
    };
    auto acht = planMit(bits(5), 0, 1);
    acht.pop_back();
    auto schief = planMit(bits(5), 0);
    schief.push_back(0x7F);
    const Fall faelle[] = {
        {"leer", {}, 0},
        {"ein Byte", {0x40}, 0},
        {"8 Bytes", acht, 0},
        {"199 Saetze und ein Byte", schief, 5},
        {"78 Saetze", planMit(bits(5), 0, 78), 5},
        {"NaN", planMit(bits(std::numeric_limits<double>::quiet_NaN()), 0), 0},
        {"unendlich", planMit(bits(-std::numeric_limits<double>::infinity()), 0), 0},
        {"1e308", planMit(bits(1e308), 0), 1e308, true},
        {"-0", planMit(bits(-0.0), 0), 0},
        {"kleinste Zahl", planMit(1, 0), std::numeric_limits<double>::denorm_min()},
        {"Kennung 255", planMit(bits(5), 0xFF), 5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        bytesSchreiben(k.s.verein.datei.dateien().planwerte(), f.inhalt);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        planwerteEinlesen(k.s.verein, k.s.person);
        EXPECT_TRUE(k.s.verein.planvorgaben);
        EXPECT_EQ(k.s.verein.plan[static_cast<int>(Seite::Ausgabe)][1].wert, f.wert);
        for (Seite seite : {Seite::Ausgabe, Seite::Einnahme}) {
            const Planvorgabenmodell modell(k.s.verein, k.s.person, seite);
            EXPECT_EQ(modell.raster().zeilen.size(), 99u);
        }
        if (f.ueberlauf)
            EXPECT_THROW(sollIstVergleich(k.s.verein, k.s.person, k.s.uhr, k.s.euroText),
                         UeberlaufFehler);
        else
            EXPECT_TRUE(sollIstVergleich(k.s.verein, k.s.person, k.s.uhr, k.s.euroText));
        EXPECT_TRUE(k.person.meldungen().empty());
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

} // namespace
} // namespace zalvor::test
