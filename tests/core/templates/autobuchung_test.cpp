// Automatic bookings: due months and years, the order of the bookings, the other-year
// message, where they run, and what a failure leaves.
#include "schablonenumgebung.h"
#include "testmasken.h"

#include "core/common/fehler.h"
#include "core/files/definitionen.h"
#include "core/files/naechstesjahr.h"
#include "core/files/oeffnen.h"
#include "core/templates/autobuchung.h"
#include "core/templates/schablonenfenster.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zalvor {
namespace {

using test::Art;
using test::Schablonenumgebung;
using test::Vorlage;

constexpr const char* kHinweis = "Es wurde(n) automatische Buchung(en) vorgenommen! "
                                 "\rÜberprüfen Sie, ob die entsprechenden Zahlungen wirklich "
                                 "getätigt wurden!";

// Opens the file as "Ö&ffnen..." does, on the given day.
void oeffnen(Schablonenumgebung& u, Datum heute, bool automatisch = true) {
    u.uhr.setze(heute);
    u.person.leeren();
    u.ui.tabellen.clear();
    ASSERT_EQ(dateiOeffnenBefehl(u.s, u.datei(), {.automatischeBuchungen = automatisch}),
              OeffnenErgebnis::Geoeffnet);
}

class AutoBuchung : public ::testing::Test {
  protected:
    explicit AutoBuchung(const std::string& jahr = "26") : u(jahr) {
        definitionenSchreiben(u.s.verein.datei.basisname, u.s.verein.def, u.person);
    }
    std::vector<int> monate() const {
        std::vector<int> m;
        for (const auto& b : u.buchungen())
            m.push_back(b.monat);
        return m;
    }
    Schablonenumgebung u;
};

TEST_F(AutoBuchung, ZehnterAprilBuchtFebruarBisAprilInDieserReihenfolge) {
    u.anlegen({{.tag = 5, .code = 2, .konto = 3, .text = "Miete"}});
    oeffnen(u, {2026, 4, 10}, false);
    EXPECT_EQ(u.anzahl(), 0u) << "only the open command books";

    oeffnen(u, {2026, 4, 10});
    EXPECT_EQ(monate(), (std::vector<int>{2, 3, 4}));
    const auto b = u.buchungen();
    for (std::size_t i = 0; i < b.size(); ++i) {
        EXPECT_EQ(b[i].tag, 5);
        EXPECT_EQ(b[i].bunr.text(), std::to_string(i + 1));
        EXPECT_EQ(b[i].kontoVon, 3);
        EXPECT_EQ(b[i].kontoNach, 0) << "the repetition byte is cleared in the booking";
    }
    EXPECT_EQ(u.code(), 5);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(u.index(k).size(), 6u) << "three entries in index " << k;
    const auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].art, Art::Nachricht);
    EXPECT_EQ(m[0].titel, "Information");
    EXPECT_EQ(m[0].text, kHinweis);
    EXPECT_EQ(u.ui.tabellen.back(), TabellenModus::Voll);
    EXPECT_EQ(u.ui.tabellen.size(), 2u) << "the opening's fill, then the refill";

    oeffnen(u, {2026, 4, 30});
    EXPECT_EQ(u.anzahl(), 3u) << "nothing is due twice";
    EXPECT_TRUE(u.meldungen().empty());
}

TEST_F(AutoBuchung, DritterAprilBuchtFebruarUndMaerz) {
    u.anlegen({{.tag = 5, .code = 2}});
    oeffnen(u, {2026, 4, 3});
    EXPECT_EQ(monate(), (std::vector<int>{2, 3}));
    EXPECT_EQ(u.code(), 4);
}

TEST_F(AutoBuchung, JaehrlichAmFuenfzehntenJuni) {
    u.anlegen({{.tag = 15, .monat = 6}});
    u.uhr.setze({2026, 3, 20});
    wiederholungSetzen(u.s.verein.dateien(), u.s.uhr, 0, Wiederholung::Jaehrlich);
    EXPECT_EQ(u.code(), kCodeJaehrlichGerade);
    oeffnen(u, {2026, 6, 14});
    EXPECT_EQ(u.anzahl(), 0u);
    EXPECT_TRUE(u.meldungen().empty()) << "no message when nothing was booked";
    oeffnen(u, {2026, 6, 15});
    ASSERT_EQ(monate(), std::vector<int>{6});
    EXPECT_EQ(u.buchungen()[0].tag, 15);
    EXPECT_EQ(u.code(), kCodeJaehrlichUngerade);
    oeffnen(u, {2026, 12, 31});
    EXPECT_EQ(u.anzahl(), 1u);
}

TEST_F(AutoBuchung, SchablonenInDateireihenfolgeGeloeschteUndNieUebersprungen) {
    u.anlegen({{.tag = 1, .code = 3, .text = "A"},
               {.tag = 1, .code = 3, .betrag = 0, .text = "weg"},
               {.tag = 1, .code = kCodeNie, .text = "nie"},
               {.einnahme = true, .tag = 2, .code = 4, .konto = 3, .text = "B"}});
    oeffnen(u, {2026, 4, 2});
    std::vector<std::string> texte;
    for (const auto& b : u.buchungen())
        texte.push_back(b.text.text() + std::to_string(b.monat));
    EXPECT_EQ(texte, (std::vector<std::string>{"A3", "A4", "B4"}));
    EXPECT_EQ(u.buchungen()[2].kontoNach, 3);
    EXPECT_EQ(u.buchungen()[2].kontoVon, 0);
    EXPECT_EQ(u.code(0), 5);
    EXPECT_EQ(u.code(1), 3) << "a deleted template keeps its code";
    EXPECT_EQ(u.code(3), 5);
}

class AutoBuchungVorjahr : public AutoBuchung {
  protected:
    AutoBuchungVorjahr() : AutoBuchung("25") {}
};

TEST_F(AutoBuchungVorjahr, AndereJahreBuchenNichtsUndSagenWarum) {
    oeffnen(u, {2026, 4, 10});
    EXPECT_TRUE(u.meldungen().empty()) << "silent without a template file";

    u.anlegen({{.tag = 5, .code = 2}});
    oeffnen(u, {2026, 4, 10});
    EXPECT_EQ(u.anzahl(), 0u);
    EXPECT_EQ(u.code(), 2);
    const auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].art, Art::Meldung);
    EXPECT_EQ(m[0].titel, "Autom. Buchen (Schablonen)");
    EXPECT_EQ(m[0].symbol, Symbol::Information);
    EXPECT_EQ(m[0].text, "Automatische Buchungen funktionieren nur im aktuellen Jahr, \rwerden "
                         "in dieser Datei daher nicht ausgeführt...");
}

TEST_F(AutoBuchungVorjahr, NaechstesJahrBuchtNachDerLetztenMeldung) {
    test::TestMasken masken;
    masken.jahre.push_back(std::string("26"));
    u.s.masken = &masken;
    u.uhr.setze({2026, 3, 10});
    u.anlegen({{.tag = 5, .code = 15}});
    naechstesJahr(u.s);
    ASSERT_EQ(u.s.verein.datei.jahr, "26");
    EXPECT_EQ(monate(), (std::vector<int>{1, 2, 3})) << "opening balances of 0 are dropped";
    EXPECT_EQ(u.code(), 4);
    const auto m = u.meldungen();
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m[m.size() - 2].titel, "Achtung!!");
    EXPECT_EQ(m.back().text, kHinweis);
}

TEST_F(AutoBuchung, NurLesenBuchtNichts) {
    u.anlegen({{.tag = 5, .code = 2}});
    u.uhr.setze({2026, 4, 10});
    u.s.verein.nurLesen = true;
    EXPECT_EQ(automatischeBuchungen(u.s), 0);
    EXPECT_EQ(u.anzahl(), 0u);
    EXPECT_EQ(u.code(), 2);
}

TEST_F(AutoBuchung, VolleBuchungsdateiLaesstDenCodeStehen) {
    u.anlegen({{.tag = 5, .code = 2}});
    test::bytesSchreiben(u.datei(), std::vector<std::uint8_t>(70u * 65535u, 0));
    u.uhr.setze({2026, 4, 10});
    EXPECT_THROW(automatischeBuchungen(u.s), BefehlAbgebrochen);
    EXPECT_EQ(u.anzahl(), 65535u);
    EXPECT_EQ(u.code(), 2) << "the refused booking leaves February due";
}

// A device that fails from the n-th write on, at every n through the whole run: whatever
// was booked stays, in order; the code never says less than was booked, so nothing is
// booked twice when the next opening catches up.
TEST_F(AutoBuchung, AusfallNachJedemSchreibvorgang) {
    for (int n = 0;; ++n) {
        Schablonenumgebung v;
        v.anlegen({{.tag = 5, .code = 2}, {.tag = 1, .code = 4, .text = "Zweite"}});
        v.uhr.setze({2026, 4, 10});
        testhaken::schreibfehlerNach(n, ENOSPC);
        bool fehler = false;
        try {
            automatischeBuchungen(v.s);
        } catch (const EAFehler& e) {
            fehler = true;
            EXPECT_EQ(e.nummer(), ENOSPC);
        }
        testhaken::zuruecksetzen();
        const auto gebucht = v.buchungen();
        EXPECT_EQ(unvollstaendigeBytes(v.datei()), 0u) << n;
        const auto b = static_cast<int>(gebucht.size());
        const int ersteMonate = std::min(b, 3);
        for (int i = 0; i < ersteMonate; ++i)
            EXPECT_EQ(gebucht[static_cast<std::size_t>(i)].monat, 2 + i) << n;
        const int c0 = v.code(0);
        EXPECT_TRUE(c0 == 2 + ersteMonate || (c0 == 3 + ersteMonate && ersteMonate < 3)) << n;
        if (fehler && b > 0) {
            EXPECT_EQ(v.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Voll}) << n;
        }

        // The next opening books what is still due, and nothing twice.
        v.person.leeren();
        automatischeBuchungen(v.s);
        std::vector<std::string> alle;
        for (const auto& x : v.buchungen())
            alle.push_back(x.text.text() + std::to_string(x.monat));
        std::vector<std::string> einmal = alle;
        std::sort(einmal.begin(), einmal.end());
        EXPECT_EQ(std::adjacent_find(einmal.begin(), einmal.end()), einmal.end()) << n;
        EXPECT_EQ(v.code(0), 5) << n;
        EXPECT_EQ(v.code(1), 5) << n;
        if (!fehler) {
            EXPECT_EQ(alle, (std::vector<std::string>{"Miete2", "Miete3", "Miete4", "Zweite4"}));
            EXPECT_GT(n, 10) << "the whole run takes a code, a record and indexes per booking";
            break;
        }
    }
}

} // namespace
} // namespace zalvor
