// Templates in the reorganisation: deleted ones dropped with their codes kept for the rest,
// and the amounts converted at the change into the first Euro year.
#include "schablonenumgebung.h"
#include "testmasken.h"

#include "core/files/naechstesjahr.h"
#include "core/files/reorganisation.h"
#include "core/templates/schablonenfenster.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Schablonenumgebung;

TEST(SchablonenReorganisation, GeloeschteFallenWegDieAnderenBehaltenIhrenCode) {
    Schablonenumgebung u;
    u.anlegen({{.code = 4, .text = "A"}, {.text = "B"}, {.code = 13, .text = "C"}});
    u.person.antworte(Knopf::Ja);
    ASSERT_TRUE(schabloneLoeschen(u.s.verein.dateien(), u.s.person, 1));
    const auto vorher = test::bytesLesen(u.schablonen());
    ASSERT_TRUE(reorganisieren(u.s.verein, u.s.person, false));
    const auto alle = u.alle();
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_EQ(alle[0].satz.text.text(), "A");
    EXPECT_EQ(alle[0].code(), 4);
    EXPECT_EQ(alle[1].satz.text.text(), "C");
    EXPECT_EQ(alle[1].code(), 13);
    EXPECT_EQ(test::bytesLesen(u.dir.datei("~erein.SBD")), vorher);
    EXPECT_EQ(schablonenRaster(schablonenLesen(u.s.verein.dateien().schablonen()), u.s.verein.def,
                               u.s.waehrungstext())
                  .zeilen.size(),
              2u);
}

struct Jahreswechsel {
    const char* name;
    std::string von, nach;
    long double betrag; // of the live template afterwards
};

TEST(SchablonenReorganisation, UmrechnungNurBeimWechselInsErsteEurojahr) {
    const Jahreswechsel faelle[] = {
        {"ins erste Eurojahr", "01", "02", 100.00L},
        {"vor dem Euro", "00", "01", 195.58L},
        {"nach dem Wechsel", "02", "03", 195.58L},
    };
    for (const auto& f : faelle) {
        Schablonenumgebung u(f.von);
        test::TestMasken masken;
        masken.jahre.push_back(f.nach);
        u.s.masken = &masken;
        u.s.verein.def.waehrung = {"DM", durchReal6(1.95583L), "02", "03"};
        u.anlegen({{.code = 4, .betrag = 195.58L}, {.betrag = 0}});
        u.person.antworte(Knopf::Ok); // the changeover's question
        naechstesJahr(u.s);
        ASSERT_EQ(u.s.verein.datei.jahr, f.nach) << f.name;
        const auto alle = u.alle();
        ASSERT_EQ(alle.size(), 1u) << f.name;
        EXPECT_EQ(alle[0].satz.betrag, Real6::aus(f.betrag)) << f.name;
        EXPECT_EQ(alle[0].code(), 4) << f.name;
    }
}

} // namespace
} // namespace zalvor
