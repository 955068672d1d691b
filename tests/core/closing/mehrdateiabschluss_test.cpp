// The multi-file closing: which bookings count on which side, a missing file, the month,
// the first file's currency settings and the reduced window.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"

#include "core/closing/abschlussbericht.h"
#include "core/closing/mehrdateiabschluss.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;
using Zeile = std::vector<std::string>;

TBuchung buchung(int code, bool einnahme, int monat, long double betrag, bool geplant = false,
                 const char* bunr = "") {
    TBuchung b;
    b.typcode = static_cast<std::uint8_t>(code);
    b.einnahme = einnahme;
    b.geplant = geplant;
    b.monat = static_cast<std::uint8_t>(monat);
    b.betrag = Real6::aus(betrag);
    b.bunr.setze(bunr);
    return b;
}

class Mehrdatei : public ::testing::Test {
  protected:
    void verein(const std::string& basis, const std::string& jahr,
                const std::vector<TBuchung>& buchungen, long double kurs) {
        TDefinitionen def;
        def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(kurs), "02", "03"};
        AufzeichnendePerson p;
        ASSERT_TRUE(definitionenSchreiben(dir.datei(basis), def, p));
        std::vector<std::uint8_t> bytes;
        for (const TBuchung& b : buchungen) {
            const auto g = b.packen();
            bytes.insert(bytes.end(), g.begin(), g.end());
        }
        test::bytesSchreiben(dir.datei(basis + "." + jahr), bytes);
    }
    void SetUp() override {
        // A: expense real and planned, a transfer, an opening balance, income, contributions
        // with and without the income flag, planned income. B: other settings, no rate.
        for (const char* jahr : {"26", "03"}) {
            verein("A", jahr,
                   {buchung(1, false, 3, 100), buchung(2, false, 3, 50, true),
                    buchung(21, false, 3, 1000), buchung(0, true, 1, 500, false, "AB"),
                    buchung(1, true, 3, 200), buchung(22, true, 3, 30), buchung(22, false, 4, 20),
                    buchung(3, true, 5, 70, true), buchung(1, false, 5, 0)},
                   1.95583L);
            verein("B", jahr, {buchung(4, false, 4, 10), buchung(2, true, 3, 5)}, 0);
        }
    }
    std::vector<std::string> liste(const std::string& jahr) {
        return {dir.datei("A." + jahr), dir.datei("Fehlt." + jahr), dir.datei("B." + jahr)};
    }
    static Zeile zeile(const std::string& name, long double r, long double p, long double s) {
        return {name, betragZelle(r), betragZelle(p), betragZelle(s)};
    }
    test::TempVerzeichnis dir;
    AufzeichnendePerson person;
};

TEST_F(Mehrdatei, JahrUndMonatZaehlenJedeSeiteOhneUmbuchungUndAnfangsbestand) {
    struct Fall {
        int monat;
        const char* titel;
        Tripel ausA, einA, ausB, einB;
    };
    const Fall faelle[] = {
        {0, "Mehr-Datei-Jahresabschluß", {100, 50, 150}, {250, 70, 320}, {10, 0, 10}, {5, 0, 5}},
        {3, "Mehr-Datei-Monatsabschluß für März ", {100, 50, 150}, {230, 0, 230}, {}, {5, 0, 5}},
        {4, "Mehr-Datei-Monatsabschluß für April ", {}, {20, 0, 20}, {10, 0, 10}, {}},
    };
    for (const Fall& f : faelle) {
        person.leeren();
        const auto a = mehrdateiabschlussErstellen(liste("26"), {f.monat, false}, "EUR", person);
        ASSERT_TRUE(a);
        const Bericht b = mehrdateiBericht(*a);
        EXPECT_EQ(b.fenstertitel, A(f.titel));
        EXPECT_EQ(b.waehrungszeile, A("Alle Beträge in EUR"));
        EXPECT_EQ(b.andereWaehrung, "");
        ASSERT_EQ(b.reiter.size(), 4u);
        EXPECT_FALSE(b.reiter[0].raster[0].sichtbar);
        for (int seite : {1, 2}) {
            const auto& r = b.reiter[static_cast<std::size_t>(seite)].raster;
            EXPECT_FALSE(r[1].sichtbar);
            EXPECT_EQ(r[0].kopf, (Zeile{"Datei", "real", "Planungen", "Summe"}));
            const Tripel& ta = seite == 1 ? f.ausA : f.einA;
            const Tripel& tb = seite == 1 ? f.ausB : f.einB;
            const Zeile gesamt{seite == 1 ? "Ausgaben gesamt:" : "Einnahmen gesamt:", "", "",
                               betragZelle(ta.summe + tb.summe)};
            EXPECT_EQ(r[0].zeilen,
                      (std::vector<Zeile>{zeile(dir.datei("A.26"), ta.real, ta.geplant, ta.summe),
                                          zeile(dir.datei("Fehlt.26"), 0, 0, 0),
                                          zeile(dir.datei("B.26"), tb.real, tb.geplant, tb.summe),
                                          Zeile(4), gesamt}))
                << f.monat;
        }
        const Tripel aus{f.ausA.real + f.ausB.real, f.ausA.geplant + f.ausB.geplant,
                         f.ausA.summe + f.ausB.summe};
        const Tripel ein{f.einA.real + f.einB.real, f.einA.geplant + f.einB.geplant,
                         f.einA.summe + f.einB.summe};
        EXPECT_EQ(b.reiter[3].raster[0].zeilen, gewinnVerlustRaster(aus, ein).zeilen);
        // The missing file: once for the expenses, once for the income.
        const auto m = person.meldungen();
        ASSERT_EQ(m.size(), 2u);
        for (const auto& e : m) {
            EXPECT_EQ(e.art, test::Art::Nachricht);
            EXPECT_EQ(e.text, "Datei " + dir.datei("Fehlt.26") + " nicht gefunden!!!");
        }
    }
    EXPECT_FALSE(mehrdateiabschlussErstellen({}, {}, "EUR", person));
}

TEST_F(Mehrdatei, WaehrungUndUmrechnungNachDerErstenDatei) {
    // In 03 the first file knows both currencies: the button offers DM, the converted
    // closing rounds every figure of every file on its own.
    auto a = mehrdateiabschlussErstellen(liste("03"), {0, false}, "EUR", person);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->andereWaehrung, "DM");
    a = mehrdateiabschlussErstellen(liste("03"), {0, true}, "EUR", person);
    ASSERT_TRUE(a);
    const Bericht b = mehrdateiBericht(*a);
    EXPECT_EQ(b.waehrungszeile, A("Alle Beträge in DM (umgerechnet und gerundet!)"));
    EXPECT_EQ(b.andereWaehrung, "");
    EXPECT_EQ(b.reiter[1].raster[0].zeilen[0], zeile(dir.datei("A.03"), 195.58L, 97.79L, 293.37L));
    EXPECT_EQ(b.reiter[1].raster[0].zeilen[2], zeile(dir.datei("B.03"), 19.56L, 0, 19.56L));
    EXPECT_EQ(betragZelle(a->ausgabenGesamt.summe), betragZelle(312.93L));

    // With B first, B's settings (no rate) apply: no second currency.
    a = mehrdateiabschlussErstellen({dir.datei("B.03"), dir.datei("A.03")}, {0, false}, "EUR",
                                    person);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->andereWaehrung, "");
}

} // namespace
} // namespace zalvor
