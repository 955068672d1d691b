// Templates: made from a booking, the window's checks and grid, deleting, booking, and the
// repetition dialog.
#include "schablonenumgebung.h"

#include "core/entry/buchungseingabe.h"
#include "core/templates/schablonenfenster.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;
using test::Schablonenumgebung;
using test::Vorlage;

TEST(SchabloneAnlegen, AusDemBuchungsdialogMitWaehrungsvermerk) {
    Schablonenumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "27", "27"};
    auto start = buchungStarten(u.s, std::nullopt, true);
    auto d = buchungsDlgFuellen(u.s, start);
    d.eingaben.betrag = "51,13";
    d.eingaben.waehrung = "EUR";
    d.eingaben.text = A("Spende Bäckerei");
    d.eingaben.schablone = true;
    ASSERT_TRUE(buchungsDlgBuchen(u.s, d.maske, d.eingaben, false));
    auto alle = u.alle();
    ASSERT_EQ(alle.size(), 1u);
    EXPECT_NEAR(static_cast<double>(alle[0].satz.betrag.wert()), 100.0, 1e-9)
        << "typed in Euro, stored in the year's national currency like the booking";
    EXPECT_EQ(alle[0].satz, u.satz(0));

    // A second template is appended; a stray byte in the unused account becomes code 0.
    TBuchung b = u.satz(0);
    b.kontoVon = 7;
    schabloneAnlegen(u.s.verein, u.s.person, b, false);
    alle = u.alle();
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_EQ(alle[1].code(), kCodeNie);
    EXPECT_EQ(alle[1].satz.kontoNach, 1);
    EXPECT_EQ(u.anzahl(), 1u) << "a template is no booking";
}

TEST(SchablonenFenster, MeldungenVorDemOeffnen) {
    const struct {
        const char* name;
        bool datei;
        std::vector<Vorlage> vorlagen;
        bool zeigen;
        const char* text;
    } faelle[] = {
        {"keine Datei", false, {}, false, "\r\rSie haben noch keine Schablonen angelegt."},
        {"leer", true, {}, false, "\r\rDie Schablonendatei ist leer!"},
        {"alle gelöscht",
         true,
         {{.betrag = 0}, {.betrag = 0}},
         false,
         "\r\r Sie haben alle Schablonen gelöscht!"},
        {"eine lebt", true, {{.betrag = 0}, {}}, true, nullptr},
    };
    for (const auto& f : faelle) {
        Schablonenumgebung u;
        if (f.datei) u.anlegen(f.vorlagen);
        int gezeigt = 0;
        schablonenBefehl(u.s, [&](const Raster& r) {
            ++gezeigt;
            EXPECT_EQ(r.zeilen.size(), f.vorlagen.size()) << "deleted rows are shown too";
        });
        EXPECT_EQ(gezeigt, f.zeigen ? 1 : 0) << f.name;
        EXPECT_EQ(dateiExistiert(u.schablonen()), f.zeigen) << f.name;
        const auto m = u.meldungen();
        if (f.text) {
            ASSERT_EQ(m.size(), 1u) << f.name;
            EXPECT_EQ(m[0].art, Art::Nachricht);
            EXPECT_EQ(m[0].titel, "Information");
            EXPECT_EQ(m[0].text, f.text);
        } else {
            EXPECT_TRUE(m.empty()) << f.name;
        }
        EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Voll}) << f.name;
        EXPECT_EQ(u.ui.statuszeilen, 1) << f.name;
    }
}

TEST(SchablonenFenster, ZellenJeSpalte) {
    Schablonenumgebung u;
    u.s.verein.def.typen.setzeTypName(Seite::Einnahme, 21, "Zinsen");
    u.anlegen({
        {.tag = 5, .code = 4, .konto = 3, .text = "Hallenmiete", .geplant = true},
        {.einnahme = true,
         .tag = 15,
         .monat = 6,
         .code = 13,
         .betrag = 1234.5L,
         .text = "Sch\x81tzenfest",
         .typ = 0},
        {.betrag = 0, .text = "weg"},
        {.einnahme = true, .code = 15, .text = "Anfangsbestand", .typ = 0},
        {.einnahme = true, .tag = 31, .code = 16, .text = "Zins", .typ = 23},
        {.code = 1, .typ = 22},
    });
    auto alle = u.alle();
    alle[3].satz.bunr.setze("AB");
    schabloneSchreiben(u.schablonen(), 3, alle[3]);

    const Raster r = schablonenRaster(schablonenLesen(u.s.verein.dateien().schablonen()),
                                      u.s.verein.def, u.s.waehrungstext());
    EXPECT_EQ(r.titel, "Schablonen");
    EXPECT_EQ(r.kopf, (std::vector<std::string>{"Typ", "Buchungstext", "Betrag (DM)", "E/A", "Kto",
                                                "Wiederholung"}));
    const std::vector<std::vector<std::string>> erwartet = {
        {"Miete", "Hallenmiete", "    25.00", " A", "(3)", "monatl. 5."},
        {"Sonstige", A("Schützenfest"), "  1234.50", " E", " 1", A("jährl. 15.6.")},
        {A("* gelöscht *"), "", " -------", " -", "---", "Nie"},
        {"", "Anfangsbestand", "    25.00", " -", " 1", "monatl. 5."},
        {"Zinsen", "Zins", "    25.00", " E", " 1", "Nie"},
        {"Beitrag", "Miete", "    25.00", " A", " 1", "monatl. 5."},
    };
    EXPECT_EQ(r.zeilen, erwartet);

    u.s.verein.def.waehrung = {"DM", 1.95583L, "02", "03"};
    EXPECT_EQ(schablonenRaster(schablonenLesen(u.s.verein.dateien().schablonen()), u.s.verein.def,
                               u.s.waehrungstext())
                  .kopf[2],
              "Betrag(EUR)");
}

TEST(SchablonenFenster, LoeschenFragtUndBehaeltDenPlatz) {
    Schablonenumgebung u;
    u.anlegen({{.text = "A"}, {.text = "B"}});
    const auto vorher = test::bytesLesen(u.schablonen());
    u.person.antworte(Knopf::Nein);
    EXPECT_FALSE(schabloneLoeschen(u.s.verein.dateien(), u.s.person, 1));
    EXPECT_EQ(test::bytesLesen(u.schablonen()), vorher);
    const auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "A C H T U N G !");
    EXPECT_EQ(m[0].text, "Wollen Sie diese Schablone wirklich löschen?");
    EXPECT_EQ(m[0].symbol, Symbol::Warnung);
    EXPECT_EQ(m[0].knoepfe, (std::vector<Knopf>{Knopf::Ja, Knopf::Nein}));

    u.person.antworte({Knopf::Ja, Knopf::Ja});
    ASSERT_TRUE(schabloneLoeschen(u.s.verein.dateien(), u.s.person, 0));
    auto alle = u.alle();
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_TRUE(alle[0].geloescht());
    EXPECT_EQ(alle[1].satz.text.text(), "B");

    // Deleting the last live one: the next opening deletes the file with its message.
    ASSERT_TRUE(schabloneLoeschen(u.s.verein.dateien(), u.s.person, 1));
    EXPECT_TRUE(dateiExistiert(u.schablonen()));
    u.person.leeren();
    EXPECT_FALSE(schablonenFensterPruefen(u.s.verein.dateien(), u.s.person));
    EXPECT_FALSE(dateiExistiert(u.schablonen()));
    ASSERT_EQ(u.meldungen().size(), 1u);
    EXPECT_EQ(u.meldungen()[0].text, "\r\r Sie haben alle Schablonen gelöscht!");
}

TEST(SchablonenFenster, BuchenMitHeutigemDatumUndNaechsterNummer) {
    Schablonenumgebung u;
    u.anlegen({{.einnahme = true, .tag = 28, .monat = 11, .code = 4, .konto = 3}, {.betrag = 0}});
    u.s.verein.datei.naechsteNummer = 17;
    schabloneBuchen(u.s.verein, u.s.person, u.s.uhr, 0);
    ASSERT_EQ(u.anzahl(), 1u);
    const TBuchung b = u.satz(0);
    EXPECT_EQ(b.tag, 5);
    EXPECT_EQ(b.monat, 3);
    EXPECT_EQ(b.bunr.text(), "17");
    EXPECT_EQ(b.kontoVon, 0) << "the repetition byte is cleared";
    EXPECT_EQ(b.kontoNach, 3);
    EXPECT_EQ(u.s.verein.datei.naechsteNummer, 18);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(u.index(k).size(), 2u) << "filed into index " << k;
    EXPECT_EQ(u.code(0), 4) << "the template keeps its code";

    schabloneBuchen(u.s.verein, u.s.person, u.s.uhr, 1);
    EXPECT_TRUE(u.satz(1).geloescht()) << "a deleted row books a record of amount 0";
}

TEST(Wiederholungsdialog, ZeigtTagUndMonatUndSchreibtDenCode) {
    Schablonenumgebung u;
    u.anlegen({{.einnahme = true, .tag = 15, .monat = 6, .code = 13, .konto = 7}});
    WiederholungsMaske m = wiederholungsMaske(schabloneLesen(u.s.verein.dateien().schablonen(), 0));
    EXPECT_EQ(m.titel, "Wiederholung");
    EXPECT_EQ(m.text, "Bestimmen Sie, ob und wann die Schablone automatisch gebucht werden soll.");
    EXPECT_EQ(m.gruppe, "&Wiederholung (automatische Buchung)");
    EXPECT_EQ(m.eintraege[0], "Nie");
    EXPECT_EQ(m.eintraege[1], "&Monatlich (am 15.)");
    EXPECT_EQ(m.eintraege[2], A("&Jährlich (am 15.6.)"));
    EXPECT_EQ(m.vorwahl, Wiederholung::Jaehrlich);

    // 5 March: the 15th is still ahead, so March is due.
    wiederholungSetzen(u.s.verein.dateien(), u.s.uhr, 0, Wiederholung::Monatlich);
    const TSchablone t = u.alle()[0];
    EXPECT_EQ(t.satz.kontoVon, 3) << "an income's code sits in the from-account byte";
    EXPECT_EQ(t.satz.kontoNach, 7);
    EXPECT_EQ(wiederholungsMaske(schabloneLesen(u.s.verein.dateien().schablonen(), 0)).vorwahl,
              Wiederholung::Monatlich);
    wiederholungSetzen(u.s.verein.dateien(), u.s.uhr, 0, Wiederholung::Nie);
    EXPECT_EQ(u.code(), kCodeNie);
    EXPECT_EQ(u.alle()[0].satz.kontoNach, 7);
}

} // namespace
} // namespace zalvor
