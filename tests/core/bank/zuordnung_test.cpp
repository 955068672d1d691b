// Type proposals: the first matching rule of the side, what the booking file teaches, else 0.
#include "core/bank/zuordnung.h"

#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

Auszugszeile zeile(Richtung r, const std::string& name, const std::string& text) {
    Auszugszeile z;
    z.richtung = r;
    z.name = name;
    z.text = text;
    return z;
}

TBuchung buchung(bool einnahme, const std::string& anVonUtf8, std::uint8_t typ, int monat,
                 int tag) {
    TBuchung b;
    b.einnahme = einnahme ? 1 : 0;
    b.anVon.setze(AnsiNachOem(utf8NachAnsi(anVonUtf8)));
    b.typcode = typ;
    b.monat = static_cast<std::uint8_t>(monat);
    b.tag = static_cast<std::uint8_t>(tag);
    b.betrag = Real6::aus(10);
    b.bunr.setze("1");
    return b;
}

TEST(TypZuordnung, ErsteRegelDerSeite) {
    const RegelnGelesen r = regelnLesen("stadtwerke => A 3\n"
                                        "ÜBUNGSLEITER => A 25\n"
                                        "beitrag => E 1\n"
                                        "beitrag|spende => 2\n"
                                        "^kasse => 4\n");
    ASSERT_TRUE(r.fehler.empty());
    struct Fall {
        Richtung richtung;
        const char* name;
        const char* text;
        std::optional<std::uint8_t> typcode;
    };
    for (const Fall& f : {
             Fall{Richtung::Soll, "STADTWERKE Musterstadt", "Abschlag", 3},
             Fall{Richtung::Haben, "Stadtwerke Musterstadt", "Erstattung", std::nullopt},
             Fall{Richtung::Soll, "übungsleiterin Graf", "März", 27}, // type 25 is code 27
             Fall{Richtung::Haben, "Anna", "Beitrag 2026", 1},
             Fall{Richtung::Soll, "Anna", "Beitrag zurück", 2},
             Fall{Richtung::Haben, "Bernd", "Spende", 2},
             Fall{Richtung::Haben, "Bernd", "Kasse", std::nullopt}, // "^" is the name's start
             Fall{Richtung::Haben, "Kasse", "Sommerfest", 4},
         })
        EXPECT_EQ(typNachRegel(r.regeln.regeln, zeile(f.richtung, f.name, f.text)), f.typcode)
            << f.name << " " << f.text;
}

TEST(TypZuordnung, GrossbuchstabenNachDemRueckstrichBleiben) {
    const RegelnGelesen r = regelnLesen("^\\D+ RE\\d{3}$ => 7\n");
    ASSERT_TRUE(r.fehler.empty());
    EXPECT_EQ(typNachRegel(r.regeln.regeln, zeile(Richtung::Soll, "Kühn", "re123")), 7);
    EXPECT_EQ(typNachRegel(r.regeln.regeln, zeile(Richtung::Soll, "K2", "RE123")), std::nullopt);
}

TEST(TypZuordnung, GelerntVonDerSpaetestenBuchungDerSeite) {
    std::vector<TBuchung> datei{
        buchung(false, "Stadtwerke", 3, 2, 1),
        buchung(false, "Stadtwerke", 5, 3, 1),  // latest by date
        buchung(false, "Stadtwerke", 7, 1, 15), // later in the file, earlier in the year
        buchung(true, "Stadtwerke", 9, 4, 1),   // the other side
        buchung(true, "  Jörg WEISS ", 2, 1, 1),
        buchung(true, "Jörg Weiß", 6, 1, 1), // same date: the later record
        buchung(true, "Vereinsheim-Kasse", 8, 1, 1),
    };
    TBuchung umbuchung = buchung(true, "Kasse", 21, 5, 1);
    TBuchung beitrag = buchung(true, "Kasse", 22, 5, 1);
    TBuchung anfang = buchung(true, "Kasse", 11, 5, 1);
    anfang.bunr.setze("AB");
    TBuchung geloescht = buchung(true, "Kasse", 12, 5, 1);
    geloescht.betrag = Real6{};
    datei.insert(datei.end(), {umbuchung, beitrag, anfang, geloescht});
    const Lerngedaechtnis g(datei);
    EXPECT_EQ(g.typ(Seite::Ausgabe, "stadtwerke "), 5);
    EXPECT_EQ(g.typ(Seite::Einnahme, "Stadtwerke"), 9);
    EXPECT_EQ(g.typ(Seite::Einnahme, "jörg weiß"), 6);
    EXPECT_EQ(g.typ(Seite::Einnahme, "JÖRG WEISS"), 2);
    // An/Von holds 15 characters: a longer name compares by its first 15.
    EXPECT_EQ(g.typ(Seite::Einnahme, "Vereinsheim-Kasse Nord"), 8);
    EXPECT_EQ(g.typ(Seite::Einnahme, "Kasse"), std::nullopt);
    EXPECT_EQ(g.typ(Seite::Einnahme, ""), std::nullopt);
}

TEST(TypZuordnung, RegelVorGelerntVorSonstige) {
    const RegelnGelesen r = regelnLesen("strom => A 3\n");
    const Lerngedaechtnis g(std::vector<TBuchung>{buchung(false, "Stadtwerke", 5, 1, 1)});
    const auto vorschlag = [&](const char* name, const char* text) {
        return typVorschlagen(r.regeln.regeln, g, zeile(Richtung::Soll, name, text));
    };
    EXPECT_EQ(vorschlag("Stadtwerke", "Strom").quelle, Typquelle::Regel);
    EXPECT_EQ(vorschlag("Stadtwerke", "Strom").typcode, 3);
    EXPECT_EQ(vorschlag("Stadtwerke", "Gas").quelle, Typquelle::Gelernt);
    EXPECT_EQ(vorschlag("Stadtwerke", "Gas").typcode, 5);
    EXPECT_EQ(vorschlag("Bäcker", "Brötchen").quelle, Typquelle::Keine);
    EXPECT_EQ(vorschlag("Bäcker", "Brötchen").typcode, 0);
}

} // namespace
} // namespace zalvor::bank
