// The VAT rate dialog: field text, check box, the number rule and the definitions file.
#include "eingabeumgebung.h"

#include "core/entry/mwstsatz.h"
#include "core/files/definitionen.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;
using test::Eingabeumgebung;

long double gespeicherterSatz(Eingabeumgebung& u) {
    TDefinitionen d;
    d = angezeigt(definitionenLaden(u.s.verein.datei.basisname), u.person);
    return d.mwstSatz;
}

TEST(Mehrwertsteuer, FeldUndKaestchen) {
    Eingabeumgebung u;
    u.s.verein.def.mwstSatz = 16;
    EXPECT_EQ(mwstDlgFuellen(u.s.verein.def).satz, "16.00");
    EXPECT_TRUE(mwstDlgFuellen(u.s.verein.def).aktiv);
    u.s.verein.def.mwstSatz = 0;
    EXPECT_EQ(mwstDlgFuellen(u.s.verein.def).satz, "0.00");
    EXPECT_FALSE(mwstDlgFuellen(u.s.verein.def).aktiv);
    EXPECT_EQ(ansiNachUtf8(mwstDlgText()),
              "Wenn Sie das Feld unten ankreuzen, wird im Abschluß aus der Summe der Ausgaben der "
              "enthaltene Mehrwertsteuer-Anteil zu nachfolgendem Steuersatz herausgerechnet. Der "
              "Wert stimmt natürlich nur, wenn auch alle Ausgaben diesem Steuersatz unterworfen "
              "waren!");
}

TEST(Mehrwertsteuer, KommaWirdAbgelehntPunktGespeichert) {
    Eingabeumgebung u;
    u.s.verein.def.mwstSatz = 7;
    for (const char* falsch : {"16,5", "abc", "", "-16", "1e9999"}) {
        EXPECT_FALSE(mwstDlgOk(u.s.verein, u.s.person, {falsch, true})) << falsch;
        auto m = u.meldungen();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].art, Art::Meldung);
        EXPECT_EQ(m[0].titel, "Fehler");
        EXPECT_EQ(m[0].text, "Ungültige Eingabe als Steuersatz: Zahl eingeben!");
        EXPECT_EQ(m[0].symbol, Symbol::Fehler);
        u.person.leeren();
        EXPECT_EQ(u.s.verein.def.mwstSatz, 7) << "rate unchanged";
    }
    EXPECT_FALSE(dateiExistiert(u.s.verein.datei.dateien().definitionen()));

    EXPECT_TRUE(mwstDlgOk(u.s.verein, u.s.person, {"16.5", true}));
    EXPECT_EQ(mwstDlgFuellen(u.s.verein.def).satz, "16.50");
    EXPECT_NEAR(static_cast<double>(gespeicherterSatz(u)), 16.5, 1e-9);
}

TEST(Mehrwertsteuer, OhneKaestchenUndMitNull) {
    Eingabeumgebung u;
    u.s.verein.def.mwstSatz = 16;
    EXPECT_TRUE(mwstDlgOk(u.s.verein, u.s.person, {"unsinn", false}))
        << "the field is not read when unchecked";
    EXPECT_EQ(u.s.verein.def.mwstSatz, 0);
    EXPECT_EQ(gespeicherterSatz(u), 0);
    EXPECT_EQ(mwstDlgFuellen(u.s.verein.def).satz, "0.00");
    EXPECT_FALSE(mwstDlgFuellen(u.s.verein.def).aktiv);

    EXPECT_TRUE(mwstDlgOk(u.s.verein, u.s.person, {"0", true}));
    EXPECT_FALSE(mwstDlgFuellen(u.s.verein.def).aktiv);
}

TEST(Mehrwertsteuer, DialogWiederholtBisGueltigOderAbbruch) {
    Eingabeumgebung u;
    u.s.verein.def.mwstSatz = 7;
    std::vector<std::string> gesehen;
    int runde = 0;
    EXPECT_TRUE(mwstDialog(u.s.verein, u.s.person, [&](MwStEingaben& e) {
        gesehen.push_back(e.satz);
        e.aktiv = true;
        e.satz = ++runde == 1 ? "19,0" : "19.0";
        return true;
    }));
    EXPECT_EQ(gesehen, (std::vector<std::string>{"7.00", "19,0"}));
    EXPECT_EQ(u.s.verein.def.mwstSatz, 19);

    EXPECT_FALSE(mwstDialog(u.s.verein, u.s.person, [](MwStEingaben& e) {
        e.satz = "5";
        return false;
    }));
    EXPECT_EQ(u.s.verein.def.mwstSatz, 19) << "cancel leaves the rate";
}

} // namespace
} // namespace zalvor
