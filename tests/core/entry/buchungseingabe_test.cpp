// The booking dialog: start logic, what it shows, its checks in order, storing and re-filing.
#include "eingabeumgebung.h"

#include "core/entry/buchungseingabe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zalvor {
namespace {

using test::Art;
using test::Eingabeumgebung;

BuchungsDlgInhalt neu(Eingabeumgebung& u, bool einnahme) {
    const BuchungsStart start = buchungStarten(u.s, std::nullopt, einnahme);
    EXPECT_EQ(start.dialog, BuchungsDialog::Buchung);
    return buchungsDlgFuellen(u.s, start);
}

BuchungsDlgInhalt aendern(Eingabeumgebung& u, std::uint32_t satz) {
    const BuchungsStart start = buchungStarten(u.s, satz);
    EXPECT_EQ(start.dialog, BuchungsDialog::Buchung);
    return buchungsDlgFuellen(u.s, start);
}

// Books an expense from the account entry "1: Kasse" with the given amount and number.
void ausgabe(Eingabeumgebung& u, const std::string& betrag, const std::string& bunr = {}) {
    auto d = neu(u, false);
    d.eingaben.betrag = betrag;
    if (!bunr.empty()) d.eingaben.bunr = bunr;
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
}

void erwarteFehler(Eingabeumgebung& u, Art art, const std::string& text) {
    auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u) << text;
    EXPECT_EQ(m[0].art, art);
    EXPECT_EQ(m[0].titel, "Fehler!");
    EXPECT_EQ(m[0].text, text);
    if (art == Art::Meldung) {
        EXPECT_EQ(m[0].symbol, Symbol::Warnung);
    }
    u.person.leeren();
}

TEST(Buchungsdialog, PruefungenInFesterReihenfolge) {
    Eingabeumgebung u;
    auto d = neu(u, false);
    auto& e = d.eingaben;
    e.tag = "0";
    e.monat = "13";
    e.bunr = "";
    e.typ = "";
    e.konto = "";
    auto buchen = [&] { return buchungsDlgBuchen(u.s, d.maske, e, false); };

    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Meldung, "Kein Betrag angegeben!");
    e.betrag = "12,345";
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Nachricht, "12.345 hat kein gültiges Betragsformat!");
    e.betrag = "12,34";
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Nachricht, "0 ist kein Tag eines Monats!");
    e.tag = "32";
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Nachricht, "32 ist kein Tag eines Monats!");
    e.tag = "31";
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Nachricht, "13 ist kein Monat!");
    e.monat = "2"; // day 31 passes for every month
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Meldung, "Keine Buchungsnummer!");
    e.bunr = "7";
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Meldung, "Kein Buchungstyp angegeben!");
    e.typ = d.maske.typen[21];
    EXPECT_FALSE(buchen());
    erwarteFehler(u, Art::Meldung, "Kein Konto angegeben!");
    EXPECT_EQ(u.anzahl(), 0u) << "nothing is stored before all checks pass";

    e.konto = "3: Bank";
    EXPECT_TRUE(buchen());
    EXPECT_TRUE(u.meldungen().empty());
    const TBuchung b = u.satz(0);
    EXPECT_EQ(b.tag, 31);
    EXPECT_EQ(b.monat, 2);
    EXPECT_NEAR(static_cast<double>(b.betrag.wert()), 12.34, 1e-9);
    EXPECT_EQ(b.typcode, 23);
    EXPECT_EQ(b.kontoVon, 3);
    EXPECT_EQ(b.kontoNach, 0);
    EXPECT_EQ(b.einnahme, 0);
    EXPECT_EQ(b.geplant, 0);
    EXPECT_EQ(b.bunr.text(), "7");
}

TEST(Buchungsdialog, UngueltigeBetraegeUndTexteDerMeldung) {
    Eingabeumgebung u;
    auto d = neu(u, true);
    for (const char* text : {"1.2.3", "12a", ".505", " ", "1e99"}) {
        d.eingaben.betrag = text;
        EXPECT_FALSE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false)) << text;
        erwarteFehler(u, Art::Nachricht, std::string(text) + " hat kein gültiges Betragsformat!");
    }
    d.eingaben.betrag = "5";
    d.eingaben.tag = "x";
    EXPECT_FALSE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    erwarteFehler(u, Art::Nachricht, "x ist kein Tag eines Monats!");
    EXPECT_EQ(u.anzahl(), 0u);
}

TEST(Buchungsdialog, NullUndNegativeBetraegeWerdenGespeichert) {
    Eingabeumgebung u;
    ausgabe(u, "0");
    ausgabe(u, "-5");
    ASSERT_EQ(u.anzahl(), 2u);
    EXPECT_TRUE(u.satz(0).geloescht());
    EXPECT_NEAR(static_cast<double>(u.satz(1).betrag.wert()), -5.0, 1e-12);
}

TEST(Buchungsdialog, TypnummernUndTypcodes) {
    for (int n = 0; n <= 20; ++n)
        EXPECT_EQ(typcodeAusNummer(n), n);
    EXPECT_EQ(typcodeAusNummer(21), 23);
    EXPECT_EQ(typcodeAusNummer(50), 52);
    EXPECT_EQ(typcodeAusNummer(80), 21);
    EXPECT_EQ(typcodeAusNummer(90), 22);
    EXPECT_FALSE(typcodeAusNummer(51));
    EXPECT_FALSE(typcodeAusNummer(-1));
    EXPECT_EQ(nummerAusTypcode(23), 21);
    EXPECT_EQ(nummerAusTypcode(52), 50);
    EXPECT_EQ(nummerAusTypcode(21), 80);
    EXPECT_EQ(nummerAusTypcode(22), 90);
    EXPECT_EQ(nummerAusTypcode(53), -1);

    Eingabeumgebung u;
    const auto typen = typListe(u.s.verein.def, false);
    ASSERT_EQ(typen.size(), 51u);
    EXPECT_EQ(typen[0], " 0: Sonstige");
    EXPECT_EQ(typen[1], " 1: Miete");
    EXPECT_EQ(typen[21], "21: Porto");
    EXPECT_EQ(typen[50], "50: ");
    EXPECT_EQ(ansiNachUtf8(typListe(u.s.verein.def, true)[1]), " 1: Spenden");
}

TEST(Buchungsdialog, AenderungZeigtGespeichertenTypUndBeitragAllein) {
    Eingabeumgebung u;
    TBuchung b;
    b.bunr.setze("1");
    b.typcode = 52;
    b.betrag = Real6::aus(3);
    b.tag = 2;
    b.monat = 2;
    b.kontoVon = 1;
    buchungAnhaengen(u.s.verein, u.s.person, b, {});
    b.typcode = 22;
    b.einnahme = 1;
    b.kontoVon = 0;
    b.kontoNach = 3;
    buchungAnhaengen(u.s.verein, u.s.person, b, {});

    auto d = aendern(u, 0);
    EXPECT_EQ(d.eingaben.typ, "50: ");
    EXPECT_EQ(ansiNachUtf8(d.maske.titel), "Ausgabe ändern");
    EXPECT_EQ(d.eingaben.betrag, " 3.00");

    auto beitrag = aendern(u, 1);
    EXPECT_EQ(ansiNachUtf8(beitrag.maske.titel), "Einnahme ändern");
    EXPECT_EQ(beitrag.maske.typen, std::vector<std::string>{"90: Beitrag"});
    EXPECT_EQ(beitrag.eingaben.typ, "90: Beitrag");
    EXPECT_TRUE(buchungsDlgBuchen(u.s, beitrag.maske, beitrag.eingaben, false));
    EXPECT_EQ(u.satz(1).typcode, 22);
}

TEST(Buchungsdialog, KontenlisteOhneUnbenannteKonten) {
    Eingabeumgebung u;
    EXPECT_EQ(kontenListe(u.s.verein.def), (std::vector<std::string>{"1: Kasse", "3: Bank"}));
    auto d = neu(u, true);
    EXPECT_EQ(d.eingaben.konto, "1: Kasse");
    d.eingaben.konto = "3: Bank";
    d.eingaben.betrag = "10";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    EXPECT_EQ(u.satz(0).kontoNach, 3);
    EXPECT_EQ(u.satz(0).kontoVon, 0);
    EXPECT_EQ(aendern(u, 0).eingaben.konto, "3: Bank");

    // An entry that is not in the list (an account named "unbenannt") is no choice.
    auto f = neu(u, true);
    f.eingaben.betrag = "1";
    f.eingaben.konto = "2: unbenannt";
    EXPECT_FALSE(buchungsDlgBuchen(u.s, f.maske, f.eingaben, false));
    erwarteFehler(u, Art::Meldung, "Kein Konto angegeben!");
}

TEST(Buchungsdialog, NeueBuchungFragtEinnahmeOderAusgabe) {
    Eingabeumgebung u;
    u.person.antworte(Knopf::Eigen2);
    const BuchungsStart start = buchungStarten(u.s, std::nullopt);
    ASSERT_EQ(start.dialog, BuchungsDialog::Buchung);
    EXPECT_FALSE(start.einnahme);
    auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].art, Art::Frage);
    EXPECT_EQ(m[0].titel, "Buchen: E/A?");
    EXPECT_EQ(m[0].text, "Wollen Sie eine Einnahme oder eine Ausgabe buchen?");
    EXPECT_EQ(m[0].knoepfe, (std::vector<Knopf>{Knopf::Eigen1, Knopf::Eigen2}));

    u.person.antworte(Knopf::Eigen1);
    EXPECT_TRUE(buchungStarten(u.s, std::nullopt).einnahme);

    u.person.antworte(std::nullopt);
    u.s.vorgabeTag = "9";
    EXPECT_EQ(buchungStarten(u.s, std::nullopt).dialog, BuchungsDialog::Keiner);
    EXPECT_EQ(u.s.vorgabeTag, "9") << "closing the question leaves no trace";
    EXPECT_TRUE(u.ui.tabellen.empty());
}

TEST(Buchungsdialog, VorschlaegeUndTitelEinerNeuenBuchung) {
    Eingabeumgebung u;
    u.s.verein.datei.naechsteNummer = 17;
    u.s.buchungstexte = {"Miete"};
    auto d = neu(u, true);
    EXPECT_EQ(d.maske.titel, "Einnahme buchen");
    EXPECT_EQ(neu(u, false).maske.titel, "Ausgabe buchen");
    EXPECT_EQ(d.maske.jahrText, ".26");
    EXPECT_EQ(d.eingaben.tag, "5");
    EXPECT_EQ(d.eingaben.monat, "3");
    EXPECT_EQ(d.eingaben.bunr, "17");
    EXPECT_EQ(d.eingaben.betrag, "");
    EXPECT_EQ(d.eingaben.typ, " 0: Sonstige");
    EXPECT_EQ(d.maske.waehrungen, (std::vector<std::string>{"DM", "EUR"}));
    EXPECT_FALSE(d.maske.waehrungWaehlbar) << "no rate: no currency choice";
    EXPECT_EQ(d.maske.textListe, std::vector<std::string>{"Miete"});
    EXPECT_FALSE(d.maske.nurLesen);
}

TEST(Buchungsdialog, NaechsteNummer) {
    Eingabeumgebung u;
    ausgabe(u, "1", "17");
    EXPECT_EQ(neu(u, false).eingaben.bunr, "18");
    ausgabe(u, "1", "A1");
    EXPECT_EQ(neu(u, false).eingaben.bunr, "19") << "previous proposal + 1";
}

TEST(Buchungsdialog, NurLesenVerweigertNeueBuchungUndSpeichertNichts) {
    Eingabeumgebung u;
    ausgabe(u, "4");
    u.s.verein.nurLesen = true;
    EXPECT_EQ(buchungStarten(u.s, std::nullopt, true).dialog, BuchungsDialog::Keiner);
    EXPECT_EQ(buchungStarten(u.s, std::nullopt).dialog, BuchungsDialog::Keiner)
        << "refused before the question";
    EXPECT_EQ(buchungStarten(u.s, 1).dialog, BuchungsDialog::Keiner) << "empty last row = new";
    EXPECT_TRUE(u.meldungen().empty());

    auto d = aendern(u, 0);
    EXPECT_TRUE(d.maske.nurLesen);
    d.eingaben.betrag = "9";
    EXPECT_FALSE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 4.0, 1e-12);
}

TEST(Buchungsdialog, AenderungAufLeererZeileIstNeueBuchung) {
    Eingabeumgebung u;
    ausgabe(u, "4");
    u.person.antworte(Knopf::Eigen1);
    const BuchungsStart start = buchungStarten(u.s, 1);
    EXPECT_EQ(start.dialog, BuchungsDialog::Buchung);
    EXPECT_FALSE(start.satz);
    EXPECT_TRUE(start.einnahme);
}

TEST(Buchungsdialog, UmbuchungGehtZumUmbuchungsdialog) {
    Eingabeumgebung u;
    TBuchung b;
    b.typcode = 21;
    b.tag = 7;
    b.monat = 8;
    b.betrag = Real6::aus(1);
    buchungAnhaengen(u.s.verein, u.s.person, b, {});
    const BuchungsStart start = buchungStarten(u.s, 0);
    EXPECT_EQ(start.dialog, BuchungsDialog::Umbuchung);
    EXPECT_EQ(start.satz, 0u);
    EXPECT_EQ(u.s.vorgabeTag, "7");
    EXPECT_EQ(u.s.vorgabeMonat, "8");
}

TEST(Buchungsdialog, VorgabedatumWaehrendDerAenderungUndDanach) {
    Eingabeumgebung u;
    auto d = neu(u, false);
    d.eingaben.betrag = "1";
    d.eingaben.tag = "24";
    d.eingaben.monat = "12";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    auto a = aendern(u, 0);
    EXPECT_EQ(a.eingaben.tag, "24");
    EXPECT_EQ(a.eingaben.monat, "12");
    EXPECT_EQ(u.s.vorgabeTag, "24");
    buchungsDlgGeschlossen(u.s);
    EXPECT_EQ(u.s.vorgabeTag, "5");
    EXPECT_EQ(u.s.vorgabeMonat, "3");
    EXPECT_EQ(u.ui.statuszeilen, 1);
}

TEST(Buchungsdialog, PlanenTexteUndTabelle) {
    Eingabeumgebung u;
    auto d = neu(u, false);
    d.eingaben.betrag = "2,5";
    d.eingaben.text = A("Müllabfuhr");
    d.eingaben.anVon = A("Stadtwerke Köln");
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, true));
    const TBuchung b = u.satz(0);
    EXPECT_EQ(b.geplant, 1);
    EXPECT_EQ(b.text.text(), "M\x81llabfuhr") << "stored in DOS form";
    EXPECT_EQ(b.anVon.text(), "Stadtwerke K\x94ln");
    EXPECT_EQ(u.s.buchungstexte, std::vector<std::string>{A("Müllabfuhr")});
    EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Anhaengen});

    auto a = aendern(u, 0);
    EXPECT_EQ(a.eingaben.text, A("Müllabfuhr"));
    EXPECT_EQ(a.eingaben.anVon, A("Stadtwerke Köln"));
    ASSERT_TRUE(buchungsDlgBuchen(u.s, a.maske, a.eingaben, false));
    EXPECT_EQ(u.satz(0).geplant, 0) << "\"Bu&chen\" books a planned booking";
    EXPECT_EQ(u.ui.tabellen.back(), TabellenModus::Auffrischen);
    EXPECT_EQ(u.s.buchungstexte.size(), 1u);
    EXPECT_EQ(u.anzahl(), 1u);
}

TEST(Buchungsdialog, SchabloneNurWennAngekreuzt) {
    Eingabeumgebung u;
    const std::string schablonen = u.s.verein.datei.dateien().schablonen();
    auto d = neu(u, false);
    d.eingaben.betrag = "3";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    EXPECT_FALSE(dateiExistiert(schablonen));
    d = neu(u, false);
    d.eingaben.betrag = "4";
    d.eingaben.schablone = true;
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    const auto alle = alleBuchungenLesen(schablonen);
    ASSERT_EQ(alle.size(), 1u);
    EXPECT_EQ(alle[0], u.satz(1)) << "an expense's repetition byte is its unused to-account 0";
}

TEST(Buchungsdialog, InEuroGetipptWirdInDieLandeswaehrungUmgerechnet) {
    Eingabeumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "27", "27"};
    auto d = neu(u, false);
    EXPECT_EQ(d.maske.waehrungen, (std::vector<std::string>{"DM", "EUR"}));
    EXPECT_TRUE(d.maske.waehrungWaehlbar);
    EXPECT_EQ(d.eingaben.waehrung, "DM");
    d.eingaben.betrag = "51,13";
    d.eingaben.waehrung = "EUR";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 100.0, 1e-9);

    d = neu(u, false);
    d.eingaben.betrag = "10";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    EXPECT_NEAR(static_cast<double>(u.satz(1).betrag.wert()), 10.0, 1e-9);

    auto a = aendern(u, 0);
    EXPECT_FALSE(a.maske.waehrungWaehlbar) << "a change offers no currency choice";
    a.eingaben.waehrung = "EUR";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, a.maske, a.eingaben, false));
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 100.0, 1e-9);
}

TEST(Buchungsdialog, InLandeswaehrungGetipptInEineEuroDatei) {
    Eingabeumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "26", "27"};
    auto d = neu(u, true);
    EXPECT_EQ(d.maske.waehrungen, (std::vector<std::string>{"EUR", "DM"}));
    d.eingaben.betrag = "100";
    d.eingaben.waehrung = "DM";
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 51.13, 1e-9);

    // After the transition period there is no choice.
    u.s.verein.def.waehrung.UmstellungBis = "25";
    EXPECT_FALSE(neu(u, true).maske.waehrungWaehlbar);
}

TEST(Buchungsdialog, AenderungOrdnetInAllenNeunIndexenNeuEin) {
    // The changed file must have the indexes of a file into which the final records were
    // booked in order; all keys differ so that the order is unique.
    struct Werte {
        const char* bunr;
        const char* text;
        const char* betrag;
        bool einnahme;
        int typ;
        const char* tag;
        const char* monat;
    };
    const std::vector<Werte> anfang{{"1", "Alpha", "10", false, 1, "1", "1"},
                                    {"2", "Beta", "20", true, 2, "2", "2"},
                                    {"3", "Gamma", "30", false, 3, "3", "3"}};
    std::vector<Werte> ende = anfang;
    // A change keeps income or expense, so record 0 stays an expense.
    ende[0] = {"4", "Zeta", "40", false, 4, "4", "4"};

    auto buchen = [](Eingabeumgebung& u, const Werte& w, std::optional<std::uint32_t> satz) {
        auto d = satz ? aendern(u, *satz) : neu(u, w.einnahme);
        d.eingaben = {w.tag,      w.monat,
                      w.bunr,     "",
                      w.betrag,   d.maske.typen[static_cast<std::size_t>(w.typ)],
                      "1: Kasse", d.maske.waehrungen[0],
                      "",         w.text,
                      false};
        ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    };

    Eingabeumgebung geaendert;
    for (const auto& w : anfang)
        buchen(geaendert, w, std::nullopt);
    const auto vorher = geaendert.index(2);
    buchen(geaendert, ende[0], 0u);
    EXPECT_NE(geaendert.index(2), vorher);

    Eingabeumgebung erwartet;
    for (const auto& w : ende)
        buchen(erwartet, w, std::nullopt);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(geaendert.index(k), erwartet.index(k)) << "index " << k;
    // Equal but for the bytes after the new text, which a rewrite carries along.
    TBuchung b = geaendert.satz(0);
    EXPECT_EQ(b.text.text(), "Zeta");
    EXPECT_EQ(b.text.roh[5], 'a') << "rest of \"Alpha\" kept";
    b.text = erwartet.satz(0).text;
    EXPECT_EQ(b, erwartet.satz(0));
    EXPECT_EQ(geaendert.anzahl(), 3u);
}

} // namespace
} // namespace zalvor
