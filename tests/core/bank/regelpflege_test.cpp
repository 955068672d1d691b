// The club's rules as the person changes them: a rule is added only when its pattern is a
// regular expression and its type is named on every side it holds for, removed only when
// it is there; a refusal stores nothing.
#include "../database/datenbankhilfe.h"

#include "core/bank/regelpflege.h"
#include "core/common/zeichensatz.h"
#include "core/database/zuordnungsregeln.h"

namespace zalvor::test {
namespace {

using Regel = bank::Zuordnungsregel;

Regel regel(const char* muster, std::optional<Seite> seite, int typ) {
    Regel r;
    r.muster = muster;
    r.seite = seite;
    r.typ = typ;
    return r;
}

class Regelpflege : public ::testing::Test {
  protected:
    void SetUp() override {
        def.typen.setzeTypName(Seite::Einnahme, 1, "Spenden");
        def.typen.setzeTypName(Seite::Einnahme, 5, A("Kursgebühren"));
        def.typen.setzeTypName(Seite::Ausgabe, 3, "Strom");
        def.typen.setzeTypName(Seite::Ausgabe, 5, "Trainer");
        ASSERT_TRUE(v.aendern([](Transaktion& t) {
            return regelnSpeichern(t, {regel("kursgeb", Seite::Einnahme, 5)});
        }));
    }

    std::vector<std::vector<std::string>> zeilen() {
        return bank::regelnRaster(gespeicherteRegeln(v.db), def).zeilen;
    }

    Vereinsdatenbank v;
    TDefinitionen def;
};

TEST_F(Regelpflege, AddsACheckedRuleBehindTheStoredOnesAndRemovesByNumber) {
    const struct {
        Regel regel;
        std::vector<std::string> zeile;
    } faelle[] = {
        {regel("stadtwerke|strom", Seite::Ausgabe, 3),
         {"2", "stadtwerke|strom", "Ausgabe", " 3: Strom"}},
        {regel("  halle ", std::nullopt, 5), {"2", "halle", "", A(" 5: Kursgebühren / Trainer")}},
        {regel("sonst", std::nullopt, 0), {"2", "sonst", "", " 0: Sonstige"}},
    };
    for (const auto& f : faelle) {
        SetUp();
        ASSERT_TRUE(
            v.aendern([&](Transaktion& t) { return bank::regelHinzufuegen(t, f.regel, def); }));
        auto z = zeilen();
        ASSERT_EQ(z.size(), 2u) << f.regel.muster;
        EXPECT_EQ(z[1], f.zeile);
        ASSERT_TRUE(v.aendern([](Transaktion& t) { return bank::regelEntfernen(t, 1); }));
        z = zeilen();
        ASSERT_EQ(z.size(), 1u);
        EXPECT_EQ(z[0][1], f.zeile[1]);
    }
}

TEST_F(Regelpflege, ARefusedChangeStoresNothing) {
    const auto vorher = zeilen();
    const auto hinzu = [&](Regel r) {
        return [this, r](Transaktion& t) { return bank::regelHinzufuegen(t, r, def); };
    };
    const struct {
        std::function<Ergebnis<void>(Transaktion&)> aenderung;
        std::string meldung;
    } faelle[] = {
        {hinzu(regel(" ", Seite::Einnahme, 1)), "Regel ohne Muster"},
        {hinzu(regel("(", Seite::Einnahme, 1)), A("ungültiges Muster \"(\"")},
        {hinzu(regel("#x", Seite::Einnahme, 1)), A("ungültiges Muster \"#x\"")},
        {hinzu(regel("x", Seite::Ausgabe, 1)), "Typ 1 ist als Ausgabetyp nicht benannt"},
        {hinzu(regel("x", std::nullopt, 3)), "Typ 3 ist als Einnahmetyp nicht benannt"},
        {[](Transaktion& t) { return bank::regelEntfernen(t, 2); }, "Es gibt keine Regel 2!"},
        {[&](Transaktion& t) {
             return bank::regelnUebernehmen(
                 t, {regel("strom", Seite::Ausgabe, 3), regel("x", Seite::Ausgabe, 1)}, def);
         },
         "Regel 2: Typ 1 ist als Ausgabetyp nicht benannt"},
    };
    for (const auto& f : faelle) {
        const auto e = v.aendern(f.aenderung);
        EXPECT_EQ(e.meldung().substr(0, f.meldung.size()), f.meldung);
        EXPECT_EQ(zeilen(), vorher) << f.meldung;
    }
}

} // namespace
} // namespace zalvor::test
