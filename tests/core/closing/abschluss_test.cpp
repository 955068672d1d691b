// The closing: one pass against the literal per-account, per-type reading, and the window's
// figures for the cases that tend to go wrong.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"

#include "core/closing/abschlussbericht.h"
#include "core/closing/grafikdaten.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;

long double r6(long double x) {
    return durchReal6(x);
}

// The closing as the step-by-step description reads it: the whole file once per account and
// once per type.
struct Woertlich {
    std::string datei;
    int monat;

    Tripel konto(int a) const {
        Tripel t;
        for (const TBuchung& b : alleBuchungenLesen(datei)) {
            if (monat != 0 && b.monat > monat) continue;
            const long double x = b.betrag.wert();
            if (b.typcode == 21) {
                if (b.kontoVon == a) t.real = r6(t.real - x);
                if (b.kontoNach == a) t.real = r6(t.real + x);
            } else if (b.einnahme != 0) {
                if (b.kontoNach == a)
                    (b.geplant ? t.geplant : t.real) = r6((b.geplant ? t.geplant : t.real) + x);
            } else if (b.kontoVon == a) {
                (b.geplant ? t.geplant : t.real) = r6((b.geplant ? t.geplant : t.real) - x);
            }
        }
        t.summe = r6(t.real + t.geplant);
        return t;
    }
    Tripel ausgabe(int code) const {
        Tripel t;
        for (const TBuchung& b : alleBuchungenLesen(datei)) {
            if (b.typcode != code || (monat != 0 && b.monat != monat) || b.einnahme) continue;
            (b.geplant ? t.geplant : t.real) =
                r6((b.geplant ? t.geplant : t.real) + b.betrag.wert());
        }
        t.summe = r6(t.real + t.geplant);
        return t;
    }
    Tripel einnahme(int code, int nurMonat) const {
        Tripel t;
        for (const TBuchung& b : alleBuchungenLesen(datei)) {
            if (b.typcode != code || (nurMonat != 0 && b.monat != nurMonat)) continue;
            if (b.bunr.text() == "AB") continue;
            if (!b.geplant) {
                if (code == 22 || b.einnahme) t.real = r6(t.real + b.betrag.wert());
            } else if (b.einnahme) {
                t.geplant = r6(t.geplant + b.betrag.wert());
            }
        }
        t.summe = r6(t.real + t.geplant);
        return t;
    }
};

void bitgleich(const Tripel& a, const Tripel& b, const std::string& was) {
    EXPECT_EQ(Real6::aus(a.real), Real6::aus(b.real)) << was;
    EXPECT_EQ(Real6::aus(a.geplant), Real6::aus(b.geplant)) << was;
    EXPECT_EQ(Real6::aus(a.summe), Real6::aus(b.summe)) << was;
    EXPECT_EQ(std::memcmp(&a.real, &b.real, 10), 0) << was;
}

void schreiben(const std::string& datei, const std::vector<TBuchung>& buchungen) {
    std::vector<std::uint8_t> bytes;
    for (const auto& b : buchungen) {
        const auto p = b.packen();
        bytes.insert(bytes.end(), p.begin(), p.end());
    }
    test::bytesSchreiben(datei, bytes);
}

// Random records: every type, account and month byte, a third of them planned, some opening
// balances and deleted ones.
std::vector<TBuchung> zufallsbuchungen() {
    std::mt19937 zufall(20260308);
    std::uniform_int_distribution<int> code(0, 54), konto(0, 10), monat(0, 13), cent(-5000, 900000);
    std::vector<TBuchung> buchungen;
    for (int i = 0; i < 3000; ++i) {
        TBuchung b;
        b.typcode = static_cast<std::uint8_t>(code(zufall));
        b.einnahme = static_cast<std::uint8_t>(zufall() % 2);
        b.geplant = static_cast<std::uint8_t>(zufall() % 3 == 0);
        b.monat = static_cast<std::uint8_t>(monat(zufall));
        b.kontoVon = static_cast<std::uint8_t>(konto(zufall));
        b.kontoNach = static_cast<std::uint8_t>(konto(zufall));
        // Thirds of a cent and odd fractions make every rounding step count.
        b.betrag = Real6::aus(cent(zufall) / 3.0L / 100.0L);
        if (i % 97 == 0) b.bunr.setze("AB");
        if (i % 50 == 0) b.betrag = Real6{};
        buchungen.push_back(b);
    }
    return buchungen;
}

TEST(Abschluss, EinLesedurchgangGleichtDerWoertlichenRechnungBitFuerBit) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.datei("Zufall.26");
    const std::vector<TBuchung> buchungen = zufallsbuchungen();
    schreiben(datei, buchungen);
    for (int m : {0, 1, 3, 12}) {
        const Abschlusssummen z = summenBilden(alleBuchungenLesen(datei), m);
        const Woertlich w{datei, m};
        for (int a = 1; a <= 9; ++a) {
            Tripel t = z.konten[static_cast<std::size_t>(a)];
            t.summe = r6(t.real + t.geplant);
            bitgleich(t, w.konto(a), "Konto " + std::to_string(a));
        }
        for (int c = 0; c <= 52; ++c) {
            Tripel aus = z.ausgaben[static_cast<std::size_t>(c)];
            aus.summe = r6(aus.real + aus.geplant);
            bitgleich(aus, w.ausgabe(c), "Ausgabe " + std::to_string(c));
            Tripel ein = z.einnahmen[static_cast<std::size_t>(c)];
            ein.summe = r6(ein.real + ein.geplant);
            bitgleich(ein, w.einnahme(c, m), "Einnahme " + std::to_string(c));
        }
        for (int vm = 1; vm <= 12; ++vm)
            EXPECT_EQ(z.beitragJeMonat[static_cast<std::size_t>(vm)], w.einnahme(22, vm).real);
    }
}

// The program reads the file in pieces through one small buffer.
TEST(Abschluss, DateiInStueckenGleichtEinemDurchgangUndMeldetLesefehler) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.datei("Zufall.26");
    const std::vector<TBuchung> buchungen = zufallsbuchungen();
    schreiben(datei, buchungen);
    for (int m : {0, 3}) {
        const Abschlusssummen a = summenAusDatei(datei, m);
        const Abschlusssummen b = summenBilden(buchungen, m);
        for (std::size_t k = 1; k <= 9; ++k)
            bitgleich(a.konten[k], b.konten[k], "Konto " + std::to_string(k));
        for (std::size_t c = 0; c < 256; ++c) {
            bitgleich(a.ausgaben[c], b.ausgaben[c], "Ausgabe " + std::to_string(c));
            bitgleich(a.einnahmen[c], b.einnahmen[c], "Einnahme " + std::to_string(c));
        }
        EXPECT_EQ(a.beitragJeMonat, b.beitragJeMonat);
    }
    testhaken::fehlerBeiSchritt(3, EIO);
    EXPECT_THROW(summenAusDatei(datei, 0), EAFehler);
    EXPECT_EQ(testhaken::ausgeloesterFehler(), testhaken::Vorgang::Lesen);
    testhaken::zuruecksetzen();
}

class Fenster : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int k = 1; k <= 9; ++k)
            def.konten[static_cast<std::size_t>(k)] = kUnbenannt;
        def.konten[1] = "Kasse";
        def.konten[2] = "Bank";
        def.typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        def.typen.setzeTypName(Seite::Ausgabe, 21, "Porto");
        def.typen.setzeTypName(Seite::Einnahme, 1, "Spenden");
        def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(1.95583L), "02", "03"};
    }

    TBuchung buchung(int code, bool einnahme, int monat, const char* betrag, int von, int nach,
                     bool geplant = false) {
        TBuchung b;
        b.typcode = static_cast<std::uint8_t>(code);
        b.einnahme = einnahme;
        b.geplant = geplant;
        b.monat = static_cast<std::uint8_t>(monat);
        b.tag = 1;
        b.betrag = Real6::aus(std::stold(betrag));
        b.kontoVon = static_cast<std::uint8_t>(von);
        b.kontoNach = static_cast<std::uint8_t>(nach);
        return b;
    }

    Bericht bericht(int monat, bool umrechnen = false, long double forderung = 0,
                    const std::string& jahr = "26") {
        abschluss = abschlussRechnen(def, jahr, "EUR", summenBilden(buchungen, monat),
                                     {monat, umrechnen}, forderung, person);
        return abschlussBericht(abschluss, def);
    }

    static const Raster& grid(const Bericht& b, int reiter, int nr = 0) {
        return b.reiter[static_cast<std::size_t>(reiter)].raster[static_cast<std::size_t>(nr)];
    }

    TDefinitionen def;
    std::vector<TBuchung> buchungen;
    Abschluss abschluss;
    AufzeichnendePerson person;
};

TEST_F(Fenster, MaerzZeigtBestaendeBisMaerzAberTypsummenNurDesMaerz) {
    buchungen = {buchung(1, false, 1, "100", 1, 0), buchung(1, false, 3, "30", 1, 0),
                 buchung(1, false, 4, "7", 1, 0),   buchung(22, true, 1, "20", 0, 1),
                 buchung(22, true, 2, "25", 0, 1),  buchung(22, true, 3, "10", 0, 1)};
    const Bericht b = bericht(3, false, 40);
    EXPECT_EQ(b.fenstertitel, A("Monatsabschluß für März "));
    const Raster& konten = grid(b, 0);
    EXPECT_EQ(konten.zeilen[0], (std::vector<std::string>{"Kasse", betragZelle(-75), betragZelle(0),
                                                          betragZelle(-75)}));
    EXPECT_EQ(grid(b, 1).zeilen[0][2], betragZelle(30));
    // Paid before: January and February; 10 paid in March, reached by one period of 40.
    const Beitragszeile& z = abschluss.beitraege;
    EXPECT_EQ(z.vorherBezahlt, 45.0L);
    EXPECT_EQ(z.bezahlt, 10.0L);
    EXPECT_EQ(z.perioden, 1);
    EXPECT_EQ(z.gefordert, 40.0L);
    EXPECT_EQ(z.ausstehend, -15.0L);
    const auto& e = grid(b, 2).zeilen;
    EXPECT_EQ(e[5], (std::vector<std::string>{"", "   1", betragZelle(10), betragZelle(-15),
                                              betragZelle(40)}));
    EXPECT_EQ(e[7], (std::vector<std::string>{"Einnahmen gesamt:", "", betragZelle(10),
                                              betragZelle(-15), betragZelle(40)}));
}

TEST_F(Fenster, UnbenanntUmbuchungAnfangsbestandUndPlanung) {
    def.konten[2] = kUnbenannt;
    def.konten[3] = "Sparbuch";
    TBuchung ab = anfangsbestandsBuchung(3, 500);
    buchungen = {ab, buchung(21, false, 2, "200", 3, 1), buchung(1, false, 5, "80", 1, 0, true),
                 buchung(1, true, 5, "9", 0, 2)};
    const Bericht b = bericht(0);
    const Raster& k = grid(b, 0);
    ASSERT_EQ(k.zeilen.size(), 4u); // Kasse, Sparbuch, empty row, Geldbestand
    EXPECT_EQ(k.zeilen[0][1], betragZelle(200));
    EXPECT_EQ(k.zeilen[0][2], betragZelle(-80));
    EXPECT_EQ(k.zeilen[1][1], betragZelle(300));
    EXPECT_EQ(k.zeilen[3], (std::vector<std::string>{"Geldbestand:", betragZelle(500),
                                                     betragZelle(-80), betragZelle(420)}));
    const auto& aus = grid(b, 1).zeilen;
    EXPECT_EQ(aus[0], (std::vector<std::string>{" ( keine )", "Miete", betragZelle(0),
                                                betragZelle(80), betragZelle(80)}));
    // "AB" counts in no income sum, not even "Sonstige"; the transfer in no type sum.
    const auto& ein = grid(b, 2).zeilen;
    EXPECT_EQ(ein[1], (std::vector<std::string>{"", "Sonstige", betragZelle(0), betragZelle(0),
                                                betragZelle(0)}));
    EXPECT_EQ(aus[2], (std::vector<std::string>{"", "Sonstige", betragZelle(0), betragZelle(0),
                                                betragZelle(0)}));
    // Without demand the contributions row keeps what was paid: one period.
    EXPECT_EQ(ein[5][1], "   1");
}

TEST_F(Fenster, MwStZeilenNurMitSatz) {
    buchungen = {buchung(1, false, 1, "119", 1, 0)};
    def.typen.setzeGruppenName(Seite::Ausgabe, 1, "Haus");
    def.typen.setzeGruppeVon(Seite::Ausgabe, 1, 1);
    Bericht b = bericht(0);
    for (const auto& r : {grid(b, 1, 0), grid(b, 1, 1)})
        for (const auto& z : r.zeilen)
            for (const auto& c : z)
                EXPECT_EQ(c.find("MwSt"), std::string::npos);
    def.mwstSatz = 19;
    b = bericht(0);
    const auto& oben = grid(b, 1).zeilen;
    EXPECT_EQ(oben.back(), (std::vector<std::string>{"Incl. 19.00% MwSt:", "", betragZelle(19),
                                                     betragZelle(0), betragZelle(19)}));
    const auto& unten = grid(b, 1, 1).zeilen;
    EXPECT_EQ(unten.back()[1], "Incl. 19.00% MwSt:");
    EXPECT_EQ(unten.back()[2], betragZelle(19));
}

TEST_F(Fenster, GruppenrasterVerstecktOhneGruppeEinsUndLeereGruppeZeigtNullen) {
    def.typen.setzeGruppenName(Seite::Ausgabe, 2, "Verwaltung");
    def.typen.setzeGruppeVon(Seite::Ausgabe, 1, 2);
    Bericht b = bericht(0);
    EXPECT_FALSE(grid(b, 1, 1).sichtbar);
    EXPECT_FALSE(grid(b, 2, 1).sichtbar);
    def.typen.setzeGruppenName(Seite::Ausgabe, 1, "Leer");
    buchungen = {buchung(1, false, 1, "5", 1, 0)};
    b = bericht(0);
    const Raster& g = grid(b, 1, 1);
    EXPECT_TRUE(g.sichtbar);
    EXPECT_EQ(g.ueberschrift, "Einzelbilanz(en) der Ausgabe-Typengruppe(n):");
    ASSERT_EQ(g.zeilen.size(), 4u);
    EXPECT_EQ(g.zeilen[0], (std::vector<std::string>{"Leer", "S u m m e n :", betragZelle(0),
                                                     betragZelle(0), betragZelle(0)}));
    EXPECT_EQ(g.zeilen[1], std::vector<std::string>(5));
    EXPECT_EQ(g.zeilen[2][0], "Verwaltung");
    EXPECT_EQ(g.zeilen[2][1], "Miete");
    EXPECT_EQ(g.zeilen[3][1], "S u m m e n :");
    EXPECT_EQ(g.zeilen[3][4], betragZelle(5));
}

TEST_F(Fenster, VerschachtelteGruppenUndZyklusJeAbschnittEinmal) {
    auto& t = def.typen;
    t.setzeGruppenName(Seite::Einnahme, 1, "Alles");
    t.setzeGruppenName(Seite::Einnahme, 2, "Spenden");
    t.setzeGruppeVon(Seite::Einnahme, 1, 2);
    t.setzeGruppeVon(Seite::Einnahme, 52, 1);
    t.setzeGruppenName(Seite::Ausgabe, 1, "A");
    t.setzeGruppenName(Seite::Ausgabe, 2, "B");
    t.setzeGruppeVon(Seite::Ausgabe, 51, 2);
    t.setzeGruppeVon(Seite::Ausgabe, 52, 1);
    buchungen = {buchung(1, true, 1, "12.5", 0, 1)};
    const Bericht b = bericht(0);
    const auto& ein = grid(b, 2, 1).zeilen;
    EXPECT_EQ(ein[0], (std::vector<std::string>{"Alles", "Spenden", betragZelle(12.5),
                                                betragZelle(0), betragZelle(12.5)}));
    const auto m = person.meldungen();
    // A's row meets the cycle where it closes, at B; B's row then uses the cache.
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Zyklische Ausgabe-Typengruppen gefunden, Ergebnisse undefiniert!");
    EXPECT_EQ(m[0].text.substr(0, 9), "Gruppe B ");
}

TEST_F(Fenster, GleicheSummenLassenZeileDreiLeer) {
    buchungen = {buchung(1, false, 1, "50", 1, 0), buchung(1, true, 1, "50", 0, 1),
                 buchung(1, true, 1, "20", 0, 1, true)};
    const Bericht b = bericht(0);
    const Raster& gv = grid(b, 3);
    EXPECT_EQ(gv.kopf, (std::vector<std::string>{"Ausg", "Einn", "Ausg", "Einn", "Ausg", "Einn"}));
    EXPECT_EQ(gv.zeilen[1][0], "");
    EXPECT_EQ(gv.zeilen[1][1], "");
    EXPECT_EQ(gv.zeilen[2][0], betragZelle(50));
    EXPECT_EQ(gv.zeilen[2][1], betragZelle(50));
    EXPECT_EQ(gv.zeilen[1][2], betragZelle(20));
    EXPECT_EQ(gv.zeilen[1][3], "  (Gewinn)");
    EXPECT_EQ(gv.zeilen[1][4], betragZelle(20));
}

TEST_F(Fenster, UmgerechnetRundetJedeZahlEinzeln) {
    buchungen = {buchung(1, false, 1, "0.01", 1, 0), buchung(1, false, 1, "0.01", 2, 0, true)};
    Bericht b = bericht(0, false, 0, "02");
    EXPECT_EQ(b.waehrungszeile, A("Alle Beträge in EUR"));
    EXPECT_EQ(b.andereWaehrung, "DM");
    b = bericht(0, true, 0, "02");
    EXPECT_EQ(b.waehrungszeile, A("Alle Beträge in DM (umgerechnet und gerundet!)"));
    EXPECT_EQ(b.andereWaehrung, "");
    // 0.01 EUR is 0.02 DM each, the sum 0.02 EUR is 0.04 DM; the account total adds rounded.
    EXPECT_EQ(grid(b, 1).zeilen[0][2], betragZelle(0.02L));
    EXPECT_EQ(grid(b, 1).zeilen[0][4], betragZelle(0.04L));
    EXPECT_EQ(abschluss.konten[1].real, durchReal6(-0.02L));
    b = bericht(0, false, 0, "26");
    EXPECT_EQ(b.andereWaehrung, "");
}

TEST_F(Fenster, BeitragsperiodenBisZumGezahlten) {
    buchungen = {buchung(22, true, 1, "100", 0, 1)};
    bericht(0, false, 30);
    EXPECT_EQ(abschluss.beitraege.perioden, 4);
    EXPECT_EQ(abschluss.beitraege.gefordert, 120.0L);
    EXPECT_EQ(abschluss.beitraege.ausstehend, 20.0L);
    // A demand of 0 or less would never reach the payment: one period, demanded = paid.
    for (long double f : {0.0L, -5.0L}) {
        bericht(0, false, f);
        EXPECT_EQ(abschluss.beitraege.perioden, 1);
        EXPECT_EQ(abschluss.beitraege.gefordert, 100.0L);
        EXPECT_EQ(abschluss.beitraege.ausstehend, 0.0L);
    }
}

// The periods one addition at a time, as the rule reads.
std::pair<int, long double> periodenEinzeln(long double forderung, long double bezahlt,
                                            const WaehrungsEinstellungen* umrechnen) {
    long double gefordert = 0;
    long double kopie = 0;
    int n = 0;
    do {
        gefordert = durchReal6(gefordert + forderung);
        ++n;
        kopie = umrechnen ? InLandeswaehrung(*umrechnen, gefordert) : gefordert;
    } while (kopie < bezahlt);
    return {n, kopie};
}

TEST_F(Fenster, BeitragsperiodenWieEinzelnGezaehltAuchBeiVielenPerioden) {
    struct Fall {
        const char* bezahlt;
        long double forderung;
        bool umrechnen;
    };
    const Fall faelle[] = {{"100", 30, false},
                           {"100", 0.07L, false},
                           {"99999.99", 0.1L, false},
                           {"123456.78", 1.0L / 3, false},
                           {"250000", 12.34L, true},
                           {"5000000", 47.11L, false},
                           {"0.01", 1e-3L, true},
                           {"1024", 1.0L / 1024, false},
                           {"1099511627776", 1e6L, false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.bezahlt);
        buchungen = {buchung(22, true, 1, f.bezahlt, 0, 1)};
        bericht(0, f.umrechnen, f.forderung, f.umrechnen ? "02" : "26");
        const auto [n, gefordert] = periodenEinzeln(f.forderung, abschluss.beitraege.bezahlt,
                                                    f.umrechnen ? &def.waehrung : nullptr);
        EXPECT_EQ(abschluss.beitraege.perioden, n);
        EXPECT_EQ(abschluss.beitraege.gefordert, gefordert);
    }
}

TEST_F(Fenster, BeitragsperiodenUeberIntOderOhneWachstumWieOhneForderung) {
    // 2^35 paid at 1000 per period: exact multiples, counted without adding each one.
    buchungen = {buchung(22, true, 1, "34359738368", 0, 1)};
    bericht(0, false, 1000);
    EXPECT_EQ(abschluss.beitraege.perioden, 34359739);
    EXPECT_EQ(abschluss.beitraege.gefordert, 34359739000.0L);
    // 2^43 at 1 per period needs more periods than int holds; a demand below the smallest
    // stored amount never makes the total grow.
    buchungen = {buchung(22, true, 1, "8796093022208", 0, 1)};
    for (long double f : {1.0L, 1e-45L}) {
        bericht(0, false, f);
        EXPECT_EQ(abschluss.beitraege.perioden, 1);
        EXPECT_EQ(abschluss.beitraege.gefordert, abschluss.beitraege.bezahlt);
    }
}

TEST_F(Fenster, GrafikFolgtDerWaehrungUndEndetMitDenBeitraegen) {
    buchungen = {buchung(1, false, 1, "100", 1, 0), buchung(1, false, 2, "50", 1, 0, true),
                 buchung(0, true, 1, "3", 0, 1), buchung(22, true, 1, "20", 0, 1)};
    bericht(0, true, 0, "02");
    const Abschlussgrafik g = abschlussGrafik(abschluss, def);
    EXPECT_EQ(g.waehrung, abschluss.waehrung);
    // Expense "Sonstige" holds nothing and is left out; the converted figures are the grid's.
    ASSERT_EQ(g.ausgaben.size(), 2u);
    const Tripel& miete = abschluss.typen[static_cast<std::size_t>(Seite::Ausgabe)][1];
    EXPECT_EQ(g.ausgaben[0].name, "Miete");
    EXPECT_EQ(g.ausgaben[0].real, miete.real);
    EXPECT_EQ(g.ausgaben[0].geplant, miete.geplant);
    EXPECT_NE(miete.real, 100.0L);
    ASSERT_EQ(g.einnahmen.size(), 3u);
    EXPECT_EQ(g.einnahmen[1].name, "Sonstige");
    EXPECT_EQ(g.einnahmen[2].name, A("Beiträge"));
    EXPECT_EQ(g.einnahmen[2].real, abschluss.beitraege.bezahlt);
    ASSERT_EQ(g.konten.size(), 2u);
    EXPECT_EQ(g.konten[1].name, "Bank");
    EXPECT_EQ(g.konten[0].real, abschluss.konten[1].real);
}

} // namespace
} // namespace zalvor
