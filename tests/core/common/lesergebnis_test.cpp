// The readers' results: the notices shown in order, and the status each reader gives for a
// file that is missing, unreadable, cut short, in an older format or sound.
#include "aufzeichnendeperson.h"

#include "core/common/lesergebnis.h"
#include "core/files/buchungsdatei.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "core/lists/planwerte.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace zalvor {
namespace {

TEST(Lesergebnis, HinweiseInIhrerReihenfolgeUndIhrerArt) {
    test::AufzeichnendePerson person;
    hinweiseZeigen({{"Eins", "a", Symbol::Warnung}, {"Zwei", "b", Symbol::Keins, true}}, person);
    const auto m = person.meldungen();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].art, test::Art::Meldung);
    EXPECT_EQ(m[0].titel, "Eins");
    EXPECT_EQ(m[0].symbol, Symbol::Warnung);
    EXPECT_EQ(m[1].art, test::Art::Nachricht);
    EXPECT_EQ(m[1].text, "b");
}

using Bytes = std::vector<std::uint8_t>;

// Status and number of notices of a reading.
using Auszug = std::pair<Lesestatus, std::size_t>;
template <typename T>
Auszug auszug(const Gelesen<T>& g) {
    return {g.status, g.hinweise.size()};
}

struct Fall {
    const char* name;
    std::function<Auszug(const Dateiinhalt&)> lesen;
    Dateiinhalt inhalt;
    Lesestatus status;
    std::size_t hinweise;
};

const Bytes kLeer;
const Bytes kSiebzehn(17, 1);
const Bytes kBeitraege(Beitragssaetze::kGroesse, 0);
// Lines 1..46 of a definitions file of before version 2.1.
const Bytes kDefinitionenV20 = [] {
    std::vector<std::string> z(46);
    z[39] = "1";
    z[40] = "0";
    return textinhalt(z);
}();

Auszug definitionen(const Dateiinhalt& i) {
    return auszug(definitionenAusBytes(i, {}, "V.DEF", false));
}
Auszug beitraege(const Dateiinhalt& i) {
    return auszug(beitragssaetzeAusBytes(i, TDefinitionen{}));
}
Auszug plan(const Dateiinhalt& i) {
    return auszug(planwerteAusBytes(i, {}));
}
Auszug buchungen(const Dateiinhalt& i) {
    return auszug(buchungenAusBytes(i.bytes));
}
Auszug index(const Dateiinhalt& i) {
    return auszug(indexAusBytes(i.bytes));
}
Auszug mitglieder(const Dateiinhalt& i) {
    return auszug(mitgliederAusBytes(i.bytes));
}

TEST(Lesergebnis, StatusJeLeser) {
    const Dateiinhalt fehlt(Lesestatus::Fehlt), unlesbar(Lesestatus::Unlesbar);
    const std::vector<Fall> faelle = {
        {"Definitionen fehlen", definitionen, fehlt, Lesestatus::Fehlt, 1},
        {"Definitionen unlesbar", definitionen, unlesbar, Lesestatus::Unlesbar, 1},
        {"Definitionen leer", definitionen, Dateiinhalt(kLeer), Lesestatus::Beschaedigt, 1},
        {"Definitionen V2.0", definitionen, Dateiinhalt(kDefinitionenV20), Lesestatus::AltesFormat,
         2},
        {"Beitraege fehlen", beitraege, fehlt, Lesestatus::Fehlt, 0},
        {"Beitraege unlesbar", beitraege, unlesbar, Lesestatus::Unlesbar, 1},
        {"Beitraege kurz", beitraege, Dateiinhalt(kSiebzehn), Lesestatus::Beschaedigt, 1},
        {"Beitraege ganz", beitraege, Dateiinhalt(kBeitraege), Lesestatus::Gelesen, 0},
        {"Plan fehlt", plan, fehlt, Lesestatus::Fehlt, 0},
        {"Plan unlesbar", plan, unlesbar, Lesestatus::Unlesbar, 1},
        {"Plan leer", plan, Dateiinhalt(kLeer), Lesestatus::Gelesen, 0},
        {"Buchungen mit Rest", buchungen, Dateiinhalt(kSiebzehn), Lesestatus::Beschaedigt, 0},
        {"Buchungen leer", buchungen, Dateiinhalt(kLeer), Lesestatus::Gelesen, 0},
        {"Index ungerade", index, Dateiinhalt(kSiebzehn), Lesestatus::Beschaedigt, 0},
        {"Mitglieder mit Rest", mitglieder, Dateiinhalt(kSiebzehn), Lesestatus::Beschaedigt, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.lesen(f.inhalt), Auszug(f.status, f.hinweise));
    }
}

TEST(Lesergebnis, UnlesbareBeitraegeWerdenNieGeschrieben) {
    const auto g = beitragssaetzeAusBytes(Dateiinhalt(Lesestatus::Unlesbar), TDefinitionen{});
    EXPECT_TRUE(g.wert.unlesbar);
    EXPECT_FALSE(beitragssaetzeAusBytes(Dateiinhalt(kSiebzehn), TDefinitionen{}).wert.unlesbar);
}

} // namespace
} // namespace zalvor
