// Submitted debits: recorded with their file, found again by end-to-end id, their mandates
// collected from then on; counters never give a value twice.
#include "datenbankhilfe.h"

#include "core/database/lastschriften.h"
#include "core/database/mandate.h"

namespace zalvor::test {
namespace {

struct MitMandaten : Vereinsdatenbank {
    std::int64_t anna = 0;
    std::int64_t bernd = 0;
    MitMandaten() {
        aendern([this](Transaktion& t) {
            Mandat m{0, {}, "DE02120300000000202051", "", "Anna Abel", "M1", {2025, 1, 1}, false};
            anna = *mandatSetzen(t, {"Abel", "Anna", 0}, m);
            m.referenz = "M2";
            bernd = *mandatSetzen(t, {"Berg", "Bernd", 0}, m);
        });
    }
};

Lastschrift lastschrift(std::int64_t mandat, const std::string& e2e) {
    return {mandat, "Anna Abel", "M1", 5000, e2e, "PMT-1", Sequenz::Erst, {2026, 3, 5}};
}

TEST(Lastschriften, AreFoundByEndToEndIdAndMakeTheirMandatesRecurring) {
    MitMandaten v;
    const Lastschriftdatei d{"l.xml", "MSG-1", "2026-03-01T09:00:00", {lastschrift(v.anna, "E-1")}};
    ASSERT_TRUE(v.aendern([&](Transaktion& t) { return lastschriftdateiEintragen(t, d); }));
    const auto e = lastschriftSuchen(v.db, "E-1");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->lastschrift, d.lastschriften[0]);
    EXPECT_EQ(e->nachricht, "MSG-1");
    EXPECT_EQ(e->mitglied, (Mitgliedsschluessel{"Abel", "Anna", 0}));
    EXPECT_EQ(lastschriftSuchen(v.db, "E-2"), std::nullopt);
    EXPECT_TRUE(mandatLesen(v.db, {"Abel", "Anna", 0})->eingezogen);
    EXPECT_FALSE(mandatLesen(v.db, {"Berg", "Bernd", 0})->eingezogen);
}

// One search for every line of a statement: each id found or not as alone, and no read left
// open between two (a writer can commit).
TEST(Lastschriften, OneSearchServesManyIdsAndHoldsNoLockBetween) {
    MitMandaten v;
    const Lastschriftdatei d{"l.xml",
                             "MSG-1",
                             "2026-03-01T09:00:00",
                             {lastschrift(v.anna, "E-1"), lastschrift(v.bernd, "E-2")}};
    ASSERT_TRUE(v.aendern([&](Transaktion& t) { return lastschriftdateiEintragen(t, d); }));
    Lastschriftsuche suche(v.db);
    const std::vector<std::pair<const char*, std::optional<std::int64_t>>> faelle{
        {"E-2", v.bernd}, {"E-9", std::nullopt}, {"E-1", v.anna}, {"E-2", v.bernd}};
    for (const auto& [id, mandat] : faelle) {
        const auto e = suche(id);
        EXPECT_EQ(e ? std::optional(e->lastschrift.mandat) : std::nullopt, mandat) << id;
        auto anderer = Datenbank::schreiben(v.pfad).wert();
        Transaktion t(anderer);
        zaehlerWeiter(t, "Test");
        EXPECT_NO_THROW(t.festschreiben()) << id;
    }
}

TEST(Lastschriften, RefuseIdsUsedBeforeAndDebitsWithoutMandateOrAmount) {
    MitMandaten v;
    ASSERT_TRUE(v.aendern([&](Transaktion& t) {
        return lastschriftdateiEintragen(
            t, {"l.xml", "MSG-1", "2026-03-01", {lastschrift(v.anna, "E-1")}});
    }));
    Lastschrift ohneBetrag = lastschrift(v.bernd, "E-5");
    ohneBetrag.betrag = 0;
    const std::vector<Lastschriftdatei> faelle{
        {"l.xml", "MSG-1", "2026-03-02", {lastschrift(v.bernd, "E-2")}},
        {"l.xml", "MSG-2", "2026-03-02", {lastschrift(v.bernd, "E-1")}},
        {"l.xml", "MSG-2", "2026-03-02", {lastschrift(v.bernd, "E-3"), lastschrift(v.anna, "E-3")}},
        {"l.xml", "MSG-2", "2026-03-02", {lastschrift(99, "E-4")}},
        {"l.xml", "MSG-2", "2026-03-02", {ohneBetrag}}};
    for (const auto& d : faelle)
        EXPECT_FALSE(v.aendern([&](Transaktion& t) { return lastschriftdateiEintragen(t, d); }))
            << d.nachricht << " " << d.lastschriften[0].endeZuEnde;
    EXPECT_FALSE(mandatLesen(v.db, {"Berg", "Bernd", 0})->eingezogen);
}

TEST(Zaehler, CountsEachNameOnItsOwn) {
    Vereinsdatenbank v;
    const auto werte = v.aendern([](Transaktion& t) {
        return std::vector{zaehlerWeiter(t, "MSG"), zaehlerWeiter(t, "MSG"),
                           zaehlerWeiter(t, "PMT")};
    });
    EXPECT_EQ(werte, (std::vector<std::int64_t>{1, 2, 1}));
    {
        Transaktion t(v.db); // rolled back: the value is given again
        EXPECT_EQ(zaehlerWeiter(t, "MSG"), 3);
    }
    EXPECT_EQ(v.aendern([](Transaktion& t) { return zaehlerWeiter(t, "MSG"); }), 3);
}

} // namespace
} // namespace zalvor::test
