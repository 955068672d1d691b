// Assignment rules keep their order and side; a rule without pattern, with an invalid one or
// with a type out of range is refused and nothing is replaced.
#include "datenbankhilfe.h"

#include "core/database/zuordnungsregeln.h"

namespace zalvor::test {
namespace {

bank::Zuordnungsregel regel(const char* muster, std::optional<Seite> seite, int typ) {
    bank::Zuordnungsregel r;
    r.muster = muster;
    r.seite = seite;
    r.typ = typ;
    return r;
}

std::vector<std::string> texte(const std::vector<bank::Zuordnungsregel>& regeln) {
    std::vector<std::string> t;
    for (const auto& r : regeln)
        t.push_back(r.muster + "|" + (r.seite ? (*r.seite == Seite::Ausgabe ? "A" : "E") : "-") +
                    "|" + std::to_string(r.typ));
    return t;
}

TEST(Zuordnungsregeln, KeepTheirOrderAndAreReplacedWhole) {
    Vereinsdatenbank v;
    const std::vector<bank::Zuordnungsregel> regeln{regel("miete", Seite::Ausgabe, 3),
                                                    regel("beitrag", Seite::Einnahme, 50),
                                                    regel("stadt(werke)?", std::nullopt, 0)};
    ASSERT_TRUE(v.aendern([&](Transaktion& t) { return regelnSpeichern(t, regeln); }));
    const auto gelesen = gespeicherteRegeln(v.db);
    EXPECT_EQ(texte(gelesen), texte(regeln));
    bank::Auszugszeile z;
    z.name = "Stadtwerke Nord";
    EXPECT_TRUE(std::regex_search(bank::suchtext(z), gelesen[2].ausdruck));
    for (const auto& falsch : {regel("", Seite::Ausgabe, 1), regel("x", Seite::Ausgabe, 51),
                               regel("x", Seite::Ausgabe, -1), regel("(", std::nullopt, 1)})
        EXPECT_FALSE(v.aendern([&](Transaktion& t) {
            return regelnSpeichern(t, {regeln[0], falsch});
        })) << falsch.muster;
    EXPECT_EQ(texte(gespeicherteRegeln(v.db)), texte(regeln));
}

} // namespace
} // namespace zalvor::test
