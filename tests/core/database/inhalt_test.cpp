// The content of a database does not depend on how SQLite laid out its pages.
#include "datenbankhilfe.h"

#include "core/database/bankkonten.h"
#include "core/database/inhalt.h"

namespace zalvor::test {
namespace {

TEST(Datenbankinhalt, ListsRowsInKeyOrderWhateverTheirPages) {
    Vereinsdatenbank a;
    Vereinsdatenbank b;
    const std::vector<std::pair<int, const char*>> konten{{2, "DE02120300000000202051"},
                                                          {1, "DE89370400440532013000"}};
    a.aendern([&](Transaktion& t) {
        for (const auto& [k, iban] : konten)
            ASSERT_TRUE(bankkontoSetzen(t, k, iban, std::string(3000, 'x')));
    });
    b.aendern([&](Transaktion& t) {
        for (auto it = konten.rbegin(); it != konten.rend(); ++it)
            ASSERT_TRUE(bankkontoSetzen(t, it->first, it->second, std::string(3000, 'x')));
    });
    a.db.verbindung().ausfuehren("VACUUM");
    EXPECT_NE(bytesLesen(a.pfad), bytesLesen(b.pfad));
    const auto inhalt = datenbankInhalt(a.pfad);
    EXPECT_EQ(inhalt, datenbankInhalt(b.pfad));
    const auto erstes = std::find_if(inhalt.begin(), inhalt.end(), [](const std::string& z) {
        return z.rfind("bankkonto: ", 0) == 0;
    });
    ASSERT_NE(erstes, inhalt.end());
    EXPECT_EQ(erstes->substr(0, 14), "bankkonto: 1,'");

    b.aendern(
        [](Transaktion& t) { ASSERT_TRUE(bankkontoSetzen(t, 1, "DE89370400440532013000", "")); });
    EXPECT_NE(datenbankInhalt(b.pfad), inhalt);
}

} // namespace
} // namespace zalvor::test
