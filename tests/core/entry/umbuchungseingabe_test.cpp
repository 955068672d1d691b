// The transfer dialog: proposals, its checks (all in the program's own box), storing.
#include "eingabeumgebung.h"

#include "core/entry/buchen.h"
#include "core/entry/umbuchungseingabe.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;
using test::Eingabeumgebung;

void erwarteNachricht(Eingabeumgebung& u, const std::string& text) {
    auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u) << text;
    EXPECT_EQ(m[0].art, Art::Nachricht);
    EXPECT_EQ(m[0].titel, "Fehler!");
    EXPECT_EQ(m[0].text, text);
    u.person.leeren();
}

TEST(Umbuchungsdialog, VorschlaegeEinerNeuenUmbuchung) {
    Eingabeumgebung u;
    u.s.verein.datei.naechsteNummer = 8;
    auto d = umbuchungsDlgFuellen(u.s, std::nullopt);
    EXPECT_EQ(d.maske.titel, "Umbuchung");
    EXPECT_EQ(d.eingaben.text, "Umbuchung ");
    EXPECT_EQ(d.eingaben.bunr, "8");
    EXPECT_EQ(d.eingaben.beleg, "");
    EXPECT_EQ(d.eingaben.betrag, "");
    EXPECT_EQ(d.eingaben.tag, "5");
    EXPECT_EQ(d.eingaben.von, "1: Kasse");
    EXPECT_EQ(d.eingaben.nach, "1: Kasse");
    EXPECT_EQ(d.maske.konten, (std::vector<std::string>{"1: Kasse", "3: Bank"}));
    EXPECT_EQ(u.s.buchungstexte, std::vector<std::string>{"Umbuchung "});
}

TEST(Umbuchungsdialog, PruefungenInFesterReihenfolge) {
    Eingabeumgebung u;
    u.s.verein.def.konten[2] = "Sparbuch";
    auto d = umbuchungsDlgFuellen(u.s, std::nullopt);
    auto& e = d.eingaben;
    e.tag = "32";
    e.monat = "0";
    e.bunr = "";
    e.von = "";
    e.nach = "";
    auto buchen = [&] { return umbuchungsDlgBuchen(u.s, d.maske, e); };

    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "Kein Betrag angegeben!");
    e.betrag = "1,234";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "1.234 hat kein gültiges Betragsformat!");
    e.betrag = "-7,5";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "32 ist kein Tag eines Monats!");
    e.tag = "31";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "0 ist kein Monat!");
    e.monat = "4";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "Keine Buchungsnummer!");
    e.bunr = "12";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "Kein Quellkonto angegeben!");
    e.von = "2: Sparbuch";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "Kein Zielkonto angegeben!");
    e.nach = "2: Sparbuch";
    EXPECT_FALSE(buchen());
    erwarteNachricht(u, "Quell- und Zielkonto sind identisch!");
    EXPECT_EQ(u.anzahl(), 0u);

    e.nach = "3: Bank";
    EXPECT_TRUE(buchen());
    const TBuchung b = u.satz(0);
    EXPECT_EQ(b.typcode, 21);
    EXPECT_EQ(b.einnahme, 0);
    EXPECT_EQ(b.geplant, 0);
    EXPECT_EQ(b.kontoVon, 2);
    EXPECT_EQ(b.kontoNach, 3);
    EXPECT_NEAR(static_cast<double>(b.betrag.wert()), -7.5, 1e-12);
    EXPECT_EQ(b.text.text(), "Umbuchung ");
    EXPECT_EQ(u.s.verein.datei.naechsteNummer, 13);
    EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Anhaengen});
}

TEST(Umbuchungsdialog, AenderungBehaeltGegenseiteUndOrdnetNeuEin) {
    Eingabeumgebung u;
    TBuchung b;
    b.typcode = 21;
    b.bunr.setze("5");
    b.text.setze("Umbuchung ");
    b.anVon.setze("Hausbank");
    b.betrag = Real6::aus(50);
    b.tag = 1;
    b.monat = 2;
    b.kontoVon = 3;
    b.kontoNach = 1;
    buchungAnhaengen(u.s.verein, u.s.person, b, {false, false, true, false});
    const auto davor = u.index(2);

    auto d = umbuchungsDlgFuellen(u.s, 0u, u.satz(0));
    EXPECT_EQ(ansiNachUtf8(d.maske.titel), "Umbuchung ändern");
    EXPECT_EQ(d.eingaben.von, "3: Bank");
    EXPECT_EQ(d.eingaben.nach, "1: Kasse");
    EXPECT_EQ(d.eingaben.betrag, "50.00");
    EXPECT_FALSE(d.maske.waehrungWaehlbar);
    d.eingaben.betrag = "60";
    ASSERT_TRUE(umbuchungsDlgBuchen(u.s, d.maske, d.eingaben));
    EXPECT_EQ(u.anzahl(), 1u);
    EXPECT_EQ(u.satz(0).anVon.text(), "Hausbank");
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 60.0, 1e-12);
    EXPECT_EQ(u.index(2), davor) << "one record: re-filed at the same place";
    EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Auffrischen});
}

TEST(Umbuchungsdialog, InEuroGetipptWirdUmgerechnet) {
    Eingabeumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "27", "27"};
    auto d = umbuchungsDlgFuellen(u.s, std::nullopt);
    ASSERT_TRUE(d.maske.waehrungWaehlbar);
    d.eingaben.betrag = "51.13";
    d.eingaben.waehrung = "EUR";
    d.eingaben.nach = "3: Bank";
    ASSERT_TRUE(umbuchungsDlgBuchen(u.s, d.maske, d.eingaben));
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 100.0, 1e-9);
}

TEST(Umbuchungsdialog, NurLesenSpeichertNicht) {
    Eingabeumgebung u;
    u.s.verein.nurLesen = true;
    auto d = umbuchungsDlgFuellen(u.s, std::nullopt);
    EXPECT_TRUE(d.maske.nurLesen);
    d.eingaben.betrag = "1";
    d.eingaben.nach = "3: Bank";
    EXPECT_FALSE(umbuchungsDlgBuchen(u.s, d.maske, d.eingaben));
    EXPECT_EQ(u.anzahl(), 0u);
}

// A front end that answers each dialog from a script of entries.
struct SkriptFenster : BuchungsFenster {
    std::vector<std::function<DlgKnopf(BuchungsEingaben&)>> buchungen;
    std::vector<std::function<DlgKnopf(UmbuchungsEingaben&)>> umbuchungen;
    std::vector<std::string> titel;
    DlgKnopf buchung(const BuchungsMaske& m, BuchungsEingaben& e) override {
        titel.push_back(ansiNachUtf8(m.titel));
        if (buchungen.empty()) return DlgKnopf::Abbruch;
        auto f = buchungen.front();
        buchungen.erase(buchungen.begin());
        return f(e);
    }
    DlgKnopf umbuchung(const UmbuchungsMaske& m, UmbuchungsEingaben& e) override {
        titel.push_back(ansiNachUtf8(m.titel));
        if (umbuchungen.empty()) return DlgKnopf::Abbruch;
        auto f = umbuchungen.front();
        umbuchungen.erase(umbuchungen.begin());
        return f(e);
    }
};

TEST(Buchungsablauf, DialogKommtMitBehaltenenEingabenWieder) {
    Eingabeumgebung u;
    SkriptFenster f;
    f.buchungen.push_back([](BuchungsEingaben& e) {
        e.betrag = "12,345";
        e.text = "Kaffee";
        return DlgKnopf::Planen;
    });
    f.buchungen.push_back([](BuchungsEingaben& e) {
        EXPECT_EQ(e.betrag, "12,345") << "entries kept";
        EXPECT_EQ(e.text, "Kaffee");
        e.betrag = "12,35";
        return DlgKnopf::Planen;
    });
    u.person.antworte(Knopf::Eigen2);
    u.s.vorgabeTag = "1";
    EXPECT_TRUE(buchenBefehl(u.s, std::nullopt, f));
    EXPECT_EQ(f.titel, (std::vector<std::string>{"Ausgabe buchen", "Ausgabe buchen"}));
    ASSERT_EQ(u.anzahl(), 1u);
    EXPECT_EQ(u.satz(0).geplant, 1);
    EXPECT_EQ(u.satz(0).tag, 1);
    EXPECT_EQ(u.s.vorgabeTag, "5") << "reset to today after the dialog";
    EXPECT_EQ(u.ui.statuszeilen, 1);
}

TEST(Buchungsablauf, AbbruchUndUmbuchungAusDerTabelle) {
    Eingabeumgebung u;
    SkriptFenster f;
    EXPECT_FALSE(buchenBefehl(u.s, std::nullopt, f, true));
    EXPECT_EQ(u.anzahl(), 0u);
    EXPECT_EQ(u.ui.statuszeilen, 1) << "cancelled dialogs reset too";

    f.umbuchungen.push_back([](UmbuchungsEingaben& e) {
        e.betrag = "3";
        e.nach = "3: Bank";
        return DlgKnopf::Buchen;
    });
    EXPECT_TRUE(umbuchenBefehl(u.s, f));
    EXPECT_EQ(u.ui.statuszeilen, 2);

    f.umbuchungen.push_back([](UmbuchungsEingaben& e) {
        e.betrag = "4";
        return DlgKnopf::Buchen;
    });
    f.titel.clear();
    EXPECT_TRUE(buchenBefehl(u.s, 0u, f));
    EXPECT_EQ(f.titel, std::vector<std::string>{"Umbuchung ändern"});
    EXPECT_NEAR(static_cast<double>(u.satz(0).betrag.wert()), 4.0, 1e-12);
    EXPECT_EQ(u.satz(0).typcode, 21);
}

} // namespace
} // namespace zalvor
