// The currency settings dialog: warnings, field fill, list entries, year fields, checks.
#include "eingabeumgebung.h"

#include "core/entry/waehrungspruefung.h"
#include "core/files/definitionen.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;
using test::Eingabeumgebung;

const char* const kWarnung = "W A R N U N G ! ! !";

WaehrungsEingaben gueltig() {
    return {"DM", "1.95583", "27", "28"};
}

void erwarteFehler(Eingabeumgebung& u, const std::string& text) {
    auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u) << text;
    EXPECT_EQ(m[0].art, Art::Meldung);
    EXPECT_EQ(m[0].titel, "Fehler");
    EXPECT_EQ(m[0].symbol, Symbol::Information);
    EXPECT_EQ(m[0].text, text);
    u.person.leeren();
}

TEST(Waehrungsdialog, KeineWarnungOhneKurs) {
    Eingabeumgebung u;
    waehrungsWarnungen(u.s.verein, u.s.person);
    EXPECT_TRUE(u.meldungen().empty());
}

TEST(Waehrungsdialog, WarnungenBeiKursUndEuroDatei) {
    Eingabeumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "27", "28"};
    waehrungsWarnungen(u.s.verein, u.s.person);
    auto m = u.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, kWarnung);
    EXPECT_EQ(m[0].symbol, Symbol::Warnung);
    EXPECT_EQ(m[0].text,
              "Sie haben bereits einen Wechselkurs für den Euro eingestellt! Unter Umständen wurde "
              "der eingegebene Kurs auch schon für Umrechnungen benutzt. Sie können den Kurs zwar "
              "noch ändern, aber die mit dem bisherigen Kurs vorgenommenen Berechnungen werden "
              "nicht geändert, also dem neuen Kurs nicht mehr entsprechen!");
    u.person.leeren();

    u.s.verein.def.waehrung.Umstellungsjahr = "26";
    waehrungsWarnungen(u.s.verein, u.s.person);
    m = u.meldungen();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1].text,
              "Das eingestellte Euro-Umstellungsjahr wurde erreicht und es wurden bereits "
              "Buchungen in Euro erfaßt (mindestens die Anfangsbestände) ! Ändern Sie daher auf "
              "keinen Fall mehr das Umstellungsjahr, eine Erhöhung würde dazu führen, daß "
              "Euro-Beträge als DM-Beträge interpretiert würden, eine Senkung, daß DM-Beträge "
              "früherer Jahre als Euro-Beträge interpretiert würden!!!");
    u.person.leeren();

    u.s.verein.def.waehrung.Umstellungsjahr = "99"; // 1999, long past
    waehrungsWarnungen(u.s.verein, u.s.person);
    m = u.meldungen();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_TRUE(m[1].text.starts_with(
        "Das eingestellte Euro-Umstellungsjahr wurde überschritten, es wurden also sicher "
        "schon Buchungen in Euro erfaßt! Ändern Sie daher"))
        << m[1].text;
}

TEST(Waehrungsdialog, FelderUndAuswahlliste) {
    Eingabeumgebung u;
    auto e = waehrungsDlgFuellen(u.s.verein.def.waehrung, true);
    EXPECT_EQ(e.waehrung, "") << "no rate: the currency field starts empty";
    EXPECT_EQ(e.kurs, "0.000000");
    EXPECT_EQ(e.umstellungsjahr, "02");
    EXPECT_EQ(e.umstellungBis, "03");

    u.s.verein.def.waehrung = {"DM", 1.95583L, "02", "03"};
    EXPECT_EQ(waehrungsDlgFuellen(u.s.verein.def.waehrung, true).waehrung, "DM");
    EXPECT_EQ(waehrungsDlgFuellen(u.s.verein.def.waehrung, true).kurs, "1.955830");
    EXPECT_EQ(waehrungsDlgFuellen(u.s.verein.def.waehrung, false).waehrung, "")
        << "new file: empty";

    EXPECT_EQ(waehrungsListe(), (std::vector<std::string>{"DM", "\xD6S", "SFr", ""}));
    WaehrungsEingaben w{"", "x", "05", "06"};
    waehrungGewaehlt("DM", w);
    EXPECT_EQ(w.kurs, "1.95583");
    waehrungGewaehlt("\xD6S", w);
    EXPECT_EQ(w.kurs, "13.7603");
    EXPECT_EQ(w.umstellungsjahr, "05");
    waehrungGewaehlt("SFr", w);
    EXPECT_EQ(w.kurs, "0.0");
    EXPECT_EQ(w.umstellungsjahr, "89");
    waehrungGewaehlt("USD", w);
    waehrungGewaehlt("", w);
    EXPECT_EQ(w.kurs, "0.0");
    EXPECT_EQ(w.umstellungsjahr, "89");
}

TEST(Waehrungsdialog, JahresfelderNehmenNurZiffern) {
    EXPECT_EQ(jahrFeldGeaendert("0", "02"), "0");
    EXPECT_EQ(jahrFeldGeaendert("", "02"), "");
    EXPECT_EQ(jahrFeldGeaendert("0a", "0"), "0");
    EXPECT_EQ(jahrFeldGeaendert("-1", "02"), "02");
    EXPECT_EQ(jahrFeldGeaendert(" 2", "02"), "02");
}

TEST(Waehrungsdialog, PruefungenInFesterReihenfolge) {
    Eingabeumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "27", "28"}; // changeover still ahead of 2026
    WaehrungsEingaben e{"", "1,9", "2", "x"};
    auto ok = [&] { return waehrungsDlgOk(u.s.verein, u.s.person, u.s.uhr, e, true); };

    EXPECT_FALSE(ok());
    erwarteFehler(u, "Ungültige Eingabe als Umstellungsjahr: 2stellige Zahl eingeben!");
    e.umstellungsjahr = "2a";
    EXPECT_FALSE(ok());
    erwarteFehler(u, "Ungültige Eingabe als Umstellungsjahr: 2stellige Zahl eingeben!");
    e.umstellungsjahr = "+2";
    EXPECT_FALSE(ok());
    erwarteFehler(u, "Ungültige Eingabe als Umstellungsjahr: 2stellige Zahl eingeben!");
    e.umstellungsjahr = "26";
    EXPECT_FALSE(ok());
    erwarteFehler(u, "Sie können das Umstellungsjahr nur auf ZUKÜNFTIGE Jahre setzen!!");
    e.umstellungsjahr = "99";
    EXPECT_FALSE(ok()) << "1999 is no future year";
    erwarteFehler(u, "Sie können das Umstellungsjahr nur auf ZUKÜNFTIGE Jahre setzen!!");
    e.umstellungsjahr = "30";
    EXPECT_FALSE(ok());
    erwarteFehler(u, "Ungültige Eingabe als Jahr (\"Umstellungszeitraum bis\"): 2stellige Zahl "
                     "eingeben!");
    e.umstellungBis = "31";
    EXPECT_FALSE(ok());
    erwarteFehler(u, "Ungültige Eingabe als EuroKurs: Zahl eingeben!");
    e.kurs = "1.9";
    EXPECT_FALSE(ok());
    erwarteFehler(u, "Sie müssen eine Währung auswählen oder eingeben!");
    EXPECT_EQ(u.s.verein.def.waehrung.Umstellungsjahr, "27")
        << "nothing taken before all checks pass";

    e.waehrung = "Lira";
    EXPECT_TRUE(ok());
    EXPECT_TRUE(u.meldungen().empty());
    TDefinitionen d;
    d = angezeigt(definitionenLaden(u.s.verein.datei.basisname), u.person);
    EXPECT_EQ(d.waehrung.Waehrung, "Lir");
    EXPECT_NEAR(static_cast<double>(d.waehrung.Kurs), 1.9, 1e-9);
    EXPECT_EQ(d.waehrung.Umstellungsjahr, "30");
    EXPECT_EQ(d.waehrung.UmstellungBis, "31");
    EXPECT_EQ(u.s.verein.def.waehrung.Waehrung, "Lir");
}

TEST(Waehrungsdialog, ErreichtesUmstellungsjahrLaesstJedenWertZu) {
    Eingabeumgebung u;
    u.s.verein.def.waehrung = {"DM", 1.95583L, "02", "03"};
    WaehrungsEingaben e = gueltig();
    e.umstellungsjahr = "01";
    EXPECT_TRUE(waehrungsDlgOk(u.s.verein, u.s.person, u.s.uhr, e, true));

    // While a new file is made the future rule does not apply.
    Eingabeumgebung v;
    v.s.verein.def.waehrung = {"DM", 0, "27", "28"};
    e.umstellungsjahr = "20";
    EXPECT_TRUE(waehrungsDlgOk(v.s.verein, v.s.person, v.s.uhr, e, false));
}

TEST(Waehrungsdialog, AblaufAusDemMenue) {
    Eingabeumgebung u;
    int gezeigt = 0;
    EXPECT_TRUE(waehrungsDialog(u.s, true, [&](WaehrungsEingaben& e) {
        ++gezeigt;
        waehrungGewaehlt("SFr", e);
        e.waehrung = gezeigt == 1 ? "" : "SFr";
        return true;
    }));
    EXPECT_EQ(gezeigt, 2);
    EXPECT_EQ(u.s.verein.def.waehrung.Waehrung, "SFr");
    EXPECT_EQ(u.s.verein.def.waehrung.Kurs, 0);
    EXPECT_EQ(u.s.verein.def.waehrung.Umstellungsjahr, "89");
    EXPECT_EQ(u.ui.tabellen, std::vector<TabellenModus>{TabellenModus::Voll});

    u.person.leeren();
    u.s.verein.def.waehrung = {"DM", 1.95583L, "26", "27"};
    EXPECT_FALSE(waehrungsDialog(u.s, true, [](WaehrungsEingaben& e) {
        e.kurs = "2";
        return false;
    }));
    EXPECT_EQ(u.meldungen().size(), 2u) << "both warnings before the dialog";
    EXPECT_NEAR(static_cast<double>(u.s.verein.def.waehrung.Kurs), 1.95583, 1e-9);

    u.person.leeren();
    EXPECT_FALSE(waehrungsDialog(u.s, false, [](WaehrungsEingaben&) { return false; }));
    EXPECT_TRUE(u.meldungen().empty()) << "no warnings while a new file is made";
}

} // namespace
} // namespace zalvor
