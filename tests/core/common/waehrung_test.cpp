// Currency rules: year order, which files are in Euro, conversions, the Euro label file.
#include "tempverzeichnis.h"

#include "core/common/real6.h"
#include "core/common/uhr.h"
#include "core/common/waehrung.h"
#include "core/files/eurotext.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

WaehrungsEinstellungen dm() {
    return {"DM", durchReal6(1.95583L), "02", "03"};
}

TEST(Waehrung, JahrVorMitJahrhundertfenster) {
    EXPECT_TRUE(JahrVor("99", "02"));
    EXPECT_FALSE(JahrVor("02", "99"));
    EXPECT_FALSE(JahrVor("90", "91")); // 2090 is later than 1991
    EXPECT_TRUE(JahrVor("91", "90"));
    EXPECT_FALSE(JahrVor("02", "02"));
    EXPECT_TRUE(JahrVor("00", "01"));
    EXPECT_TRUE(JahrVor("0299", "03")); // only two characters count
}

TEST(Waehrung, DateiInEuroFolgtDemDateijahr) {
    auto w = dm();
    EXPECT_FALSE(DateiInEuro(w, "01"));
    EXPECT_FALSE(DateiInEuro(w, "99"));
    EXPECT_TRUE(DateiInEuro(w, "02"));
    EXPECT_TRUE(DateiInEuro(w, "26"));
    // Moving the changeover year changes only the interpretation.
    w.Umstellungsjahr = "01";
    EXPECT_TRUE(DateiInEuro(w, "01"));
    // No rate, or a rate at the threshold: no Euro at all.
    for (long double kurs : {0.0L, 0.00001L, -1.0L}) {
        w.Kurs = kurs;
        EXPECT_FALSE(DateiInEuro(w, "26"));
        EXPECT_FALSE(BeideWaehrungen(w, "02"));
    }
    w.Kurs = 0.000011L;
    EXPECT_TRUE(DateiInEuro(w, "26"));
}

TEST(Waehrung, BeideWaehrungenBisZumLetztenUebergangsjahr) {
    auto w = dm();
    EXPECT_TRUE(BeideWaehrungen(w, "99"));
    EXPECT_TRUE(BeideWaehrungen(w, "02"));
    EXPECT_TRUE(BeideWaehrungen(w, "03"));
    EXPECT_FALSE(BeideWaehrungen(w, "04"));
    EXPECT_FALSE(BeideWaehrungen(w, "90"));
}

TEST(Waehrung, UmrechnungAufCent) {
    auto w = dm();
    EXPECT_EQ(InEuro(w, 100), durchReal6(51.13L));
    EXPECT_EQ(InLandeswaehrung(w, durchReal6(51.13L)), 100.0L);
    EXPECT_EQ(InEuro(w, -100), durchReal6(-51.13L));
    EXPECT_EQ(InEuro(w, 0), 0.0L);
    // Exact halves of a cent go to the even cent.
    w.Kurs = 1;
    EXPECT_EQ(InEuro(w, 0.125L), durchReal6(0.12L));
    EXPECT_EQ(InEuro(w, 0.375L), durchReal6(0.38L));
    EXPECT_EQ(InEuro(w, -0.125L), durchReal6(-0.12L));
    w.Kurs = 2;
    EXPECT_EQ(InLandeswaehrung(w, 0.0625L), durchReal6(0.12L));
    EXPECT_EQ(InEuro(w, 0.25L), durchReal6(0.12L));
}

TEST(Waehrung, Waehrungstexte) {
    auto w = dm();
    EXPECT_EQ(dateiWaehrungstext(w, "26", "\x80"), "\x80");
    EXPECT_EQ(andererWaehrungstext(w, "26", "\x80"), "DM");
    EXPECT_EQ(dateiWaehrungstext(w, "01", "EUR"), "DM");
    EXPECT_EQ(andererWaehrungstext(w, "01", "EUR"), "EUR");
    w.Kurs = 0;
    w.Waehrung = "CHF";
    EXPECT_EQ(dateiWaehrungstext(w, "26", "EUR"), "CHF");
}

TEST(Waehrung, KalenderjahrUndJahre) {
    FesteUhr uhr(Datum{2026, 12, 7});
    EXPECT_EQ(Kalenderjahr(uhr), "26");
    uhr.setze(Datum{2005, 1, 1});
    EXPECT_EQ(Kalenderjahr(uhr), "05");
    uhr.setze(Datum{2000, 1, 1});
    EXPECT_EQ(Kalenderjahr(uhr), "00");
    uhr.setze(Datum{1999, 12, 31});
    EXPECT_EQ(Kalenderjahr(uhr), "99");
    EXPECT_EQ(volljahr("91"), 1991);
    EXPECT_EQ(volljahr("90"), 2090);
    EXPECT_EQ(volljahr("02"), 2002);
    EXPECT_EQ(volljahr("ab"), -1);
}

TEST(Waehrung, EuroTextAusDatei) {
    test::TempVerzeichnis tmp;
    EXPECT_EQ(euroTextLaden({tmp.pfad(), {}}), "EUR");
    test::textSchreiben(tmp.datei("EUROSYMB"), "\x80\r\n");
    EXPECT_EQ(euroTextLaden({tmp.pfad(), {}}), "\x80");
    test::textSchreiben(tmp.datei("EUROSYMB"), "EURO");
    EXPECT_EQ(euroTextLaden({tmp.pfad(), {}}), "EUR");
    euroTextSpeichern({tmp.pfad(), {}}, "\x80");
    EXPECT_EQ(test::textLesen(tmp.datei("EUROSYMB")), "\x80\r\n");
    EXPECT_EQ(euroTextLaden({tmp.pfad(), {}}), "\x80");
}

TEST(Waehrung, EuroTextDateinameOhneGrossschreibung) {
    test::TempVerzeichnis tmp;
    test::textSchreiben(tmp.datei("Eurosymb"), "\x80\n");
    EXPECT_EQ(euroTextLaden({tmp.pfad(), {}}), "\x80");
    euroTextSpeichern({tmp.pfad(), {}}, "EUR");
    EXPECT_EQ(test::textLesen(tmp.datei("Eurosymb")), "EUR\r\n");
}

} // namespace
} // namespace zalvor
