// Assignment rules keep their order; a rule without pattern or with a type out of range is
// refused and nothing is replaced.
#include "datenbankhilfe.h"

#include "core/database/zuordnungsregeln.h"

namespace zalvor::test {
namespace {

TEST(Zuordnungsregeln, KeepTheirOrderAndAreReplacedWhole) {
    Vereinsdatenbank v;
    const std::vector<Zuordnungsregel> regeln{
        {"miete", Seite::Ausgabe, 3}, {"beitrag", Seite::Einnahme, 90}, {".*", Seite::Ausgabe, 0}};
    ASSERT_TRUE(v.aendern([&](Transaktion& t) { return regelnSetzen(t, regeln); }));
    EXPECT_EQ(regelnLesen(v.db), regeln);
    for (const auto& falsch :
         {Zuordnungsregel{"", Seite::Ausgabe, 1}, Zuordnungsregel{"x", Seite::Ausgabe, 100},
          Zuordnungsregel{"x", Seite::Ausgabe, -1}})
        EXPECT_FALSE(v.aendern([&](Transaktion& t) {
            return regelnSetzen(t, {regeln[0], falsch});
        }));
    EXPECT_EQ(regelnLesen(v.db), regeln);
}

} // namespace
} // namespace zalvor::test
