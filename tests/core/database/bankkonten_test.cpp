// Bank accounts: one IBAN per account in its electronic form, never two accounts with one.
#include "datenbankhilfe.h"

#include "core/database/bankkonten.h"
#include "core/database/mandate.h"

namespace zalvor::test {
namespace {

constexpr const char* kGiro = "DE89370400440532013000";

TEST(Bankkonten, KeepsTheIbanInItsElectronicFormAndFindsItInAnySpelling) {
    Vereinsdatenbank v;
    ASSERT_TRUE(v.aendern([](Transaktion& t) {
        return bankkontoSetzen(t, 3, "de89 3704 0044 0532 0130 00", "Sparkasse");
    }));
    EXPECT_EQ(bankkontenLesen(v.db), (std::vector<Bankkonto>{{3, kGiro, "Sparkasse"}}));
    EXPECT_EQ(kontoZurIban(v.db, "DE89 3704 0044 0532 0130 00"), 3);
    EXPECT_EQ(kontoZurIban(v.db, "DE02120300000000202051"), std::nullopt);

    ASSERT_TRUE(v.aendern([](Transaktion& t) { return bankkontoSetzen(t, 3, kGiro, "Bank"); }));
    EXPECT_EQ(bankkontenLesen(v.db), (std::vector<Bankkonto>{{3, kGiro, "Bank"}}));
}

TEST(Bankkonten, RefusesWhatCannotBeAnAccountsIban) {
    Vereinsdatenbank v;
    ASSERT_TRUE(v.aendern([](Transaktion& t) { return bankkontoSetzen(t, 1, kGiro, ""); }));
    const std::vector<std::pair<int, std::string>> faelle{{0, kGiro},
                                                          {10, kGiro},
                                                          {2, "DE89"},
                                                          {2, "1E89370400440532013000"},
                                                          {2, "DE8937040044053201300!"},
                                                          {2, kGiro} /* account 1 has it */};
    for (const auto& [konto, iban] : faelle) {
        const auto e =
            v.aendern([&](Transaktion& t) { return bankkontoSetzen(t, konto, iban, ""); });
        EXPECT_FALSE(e) << konto << " " << iban;
    }
    EXPECT_EQ(bankkontenLesen(v.db).size(), 1u);
}

TEST(Bankkonten, TheCollectingAccountCannotLoseItsIban) {
    Vereinsdatenbank v;
    v.aendern([](Transaktion& t) {
        ASSERT_TRUE(bankkontoSetzen(t, 1, kGiro, ""));
        ASSERT_TRUE(bankkontoSetzen(t, 2, "DE02120300000000202051", ""));
        ASSERT_TRUE(glaeubigerSetzen(t, {"DE98ZZZ09999999999", "Sportverein", 1}));
    });
    const auto e = v.aendern([](Transaktion& t) { return bankkontoEntfernen(t, 1); });
    EXPECT_FALSE(e);
    EXPECT_TRUE(v.aendern([](Transaktion& t) { return bankkontoEntfernen(t, 2); }));
    EXPECT_EQ(bankkontenLesen(v.db).size(), 1u);
}

} // namespace
} // namespace zalvor::test
