// Definitions file: every older format with its notices, defaults, damaged lines, writing.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateieinstellungen.h"
#include "core/files/definitionen.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;
using test::TempVerzeichnis;

const std::string kV20Titel = "Bitte beachten Sie diese Versionsänderung!";
const std::string kV30Titel = "Bitte beachten Sie diese Versionsänderung";

const std::string kV20Text =
    "Die Definitionsdatei hat noch das alte Format (bis V2.0), seit Version 2.1 werden in der "
    "Definitionsdatei zusätzlich weitere Daten gesichert. Bei der nächsten Änderung der "
    "Definition wird die Datei im neuen Format gespeichert. Ältere Programmversionen können die "
    "Datei dann trotzdem noch lesen, sollten sie sie jedoch neu schreiben, gehen die neuen "
    "Informationen verloren, und die Typennamen, die jetzt 15 Zeichen lang sein dürfen, werden "
    "dann auch wieder auf 10 Zeichen gekürzt!";
const std::string kV21Text =
    "Die Definitionsdatei hat noch das alte Format (V2.1), seit Version 3.0 werden in der "
    "Definitionsdatei 20 statt bisher 10 Einn.-Typen gesichert. Bei der nächsten Änderung der "
    "Definition wird die Datei im neuen Format gespeichert. Ältere Programmversionen können die "
    "Datei dann trotzdem noch lesen, solange Sie keine der neuen Einn.-Typen 11-20 verwenden!";
const std::string kV30Text =
    "Seit Version 3.01 wird zusätzlich ein Mehrwertsteuersatz zur Berechnung der in den Ausgaben "
    "enthaltenen MwSt gespeichert, seit Version 4 auch Währungsinformationen (wegen des Euros)";
const std::string kV301Text =
    "Die Definitionsdatei hat noch das Format der Version 3.01! Seit Version 4 werden zusätzlich "
    "Euro-Kurs, \"alte\" Währung und Euro-Startjahr gespeichert.";
const std::string kV42Text =
    "Die Definitionsdatei hat noch das alte Format (bis V4.2), seit Version 4.5 können "
    "zusätzliche Buchungstypen und -Gruppen erstellt werden. Bei der nächsten Änderung der wird "
    "die Datei im neuen Format gespeichert. Ältere Programmversionen können die Datei dann "
    "trotzdem noch lesen, so lange Sie nicht mehr als 20 Typen für Einnahmen und Ausgaben und "
    "nicht mehr als jeweils 19 Typengruppen verwenden. Schreibzugriffe mit älteren Versionen von "
    "Zalvor können zum Verlust der nur von Version 4.5 unterstützten Informationen (Typen mit "
    "Nr. > 20, mehr als 19 Gruppen) führen!";

// A current-format file written by hand, line by line, in its canonical form.
std::vector<std::string> vollstaendigeZeilen() {
    std::vector<std::string> z;
    for (int n = 1; n <= 20; ++n)
        z.push_back("Aus" + std::to_string(n));
    z[0] = "B\x81"
           "cher"; // DOS form of "Bücher"
    for (int n = 1; n <= 10; ++n)
        z.push_back("Ein" + std::to_string(n));
    for (int k = 1; k <= 9; ++k)
        z.push_back("Konto" + std::to_string(k));
    z[30] = "Kasse \x84"; // DOS form stays as it is in memory
    z.push_back("3");
    z.push_back("12.50");
    for (int f = 1; f <= 5; ++f)
        z.push_back("Feld" + std::to_string(f));
    // Expense: type 1 in group 1, type 20 in group 19, group 2 in group 1.
    std::string aus(39, '0');
    aus[0] = '1';
    aus[19] = 'C';
    aus[21] = '1';
    z.push_back(aus);
    // Income: type 11 in group 3, group 19 in group 9.
    std::string ein(39, '0');
    ein[10] = '3';
    ein[38] = '9';
    z.push_back(ein);
    for (int g = 1; g <= 19; ++g)
        z.push_back("AGr" + std::to_string(g));
    for (int g = 1; g <= 19; ++g)
        z.push_back("EGr" + std::to_string(g));
    for (int n = 11; n <= 20; ++n)
        z.push_back("Ein" + std::to_string(n));
    z.push_back("7.00");
    z.push_back("DM");
    z.push_back("1.955830");
    z.push_back("02");
    z.push_back("03");
    for (int k = 1; k <= 30; ++k) {
        z.push_back("Aus" + std::to_string(20 + k));
        z.push_back(std::to_string(k % 50 == 1 ? 20 : 0));
        z.push_back("Ein" + std::to_string(20 + k));
        z.push_back(k == 30 ? "49" : "0");
        z.push_back("AGr" + std::to_string(19 + k));
        z.push_back(k == 2 ? "20" : "0");
        z.push_back("EGr" + std::to_string(19 + k));
        z.push_back("0");
        z.emplace_back();
    }
    return z;
}

std::string alsDatei(const std::vector<std::string>& zeilen, const std::string& ende = "\r\n") {
    std::string s;
    for (const auto& z : zeilen)
        s += z + ende;
    return s;
}

std::vector<std::string> ersteZeilen(std::vector<std::string> z, std::size_t n) {
    z.resize(n);
    return z;
}

// The V2.1 layout: 76 lines, a short income text, only 9 income groups.
std::vector<std::string> v21Zeilen() {
    auto z = ersteZeilen(vollstaendigeZeilen(), 76);
    z[47] = "00000000000000000003"; // 20 characters: types only, group of income type 20
    return z;
}

class DefinitionenTest : public ::testing::Test {
  protected:
    TempVerzeichnis tmp;
    AufzeichnendePerson person;
    TDefinitionen d;
    std::string basis = tmp.datei("Verein");

    void schreibe(const std::vector<std::string>& zeilen) {
        test::textSchreiben(basis + ".def", alsDatei(zeilen));
    }
    std::vector<std::string> titel() const {
        std::vector<std::string> t;
        for (const auto& e : person.meldungen())
            t.push_back(e.titel);
        return t;
    }
    void lies() { d = angezeigt(definitionenLaden(basis, d), person); }
};

TEST_F(DefinitionenTest, AktuellesFormatOhneHinweisVollstaendigGelesen) {
    schreibe(vollstaendigeZeilen());
    lies();
    EXPECT_TRUE(person.meldungen().empty());
    const Typverwaltung& t = d.typen;
    EXPECT_EQ(t.typName(Seite::Ausgabe, 1), A("Bücher"));
    EXPECT_EQ(t.typName(Seite::Ausgabe, 20), "Aus20");
    EXPECT_EQ(t.typName(Seite::Ausgabe, 50), "Aus50");
    EXPECT_EQ(t.typName(Seite::Einnahme, 10), "Ein10");
    EXPECT_EQ(t.typName(Seite::Einnahme, 11), "Ein11");
    EXPECT_EQ(t.typName(Seite::Einnahme, 50), "Ein50");
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 19), "AGr19");
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 49), "AGr49");
    EXPECT_EQ(t.gruppenName(Seite::Einnahme, 20), "EGr20");
    EXPECT_EQ(d.konten[1], "Kasse \x84");
    EXPECT_EQ(d.konten[9], "Konto9");
    EXPECT_EQ(d.mitgliedEinstellung, 3);
    EXPECT_EQ(d.standardBeitrag, 12.5L);
    EXPECT_EQ(d.freiFelder[1], "Feld1");
    EXPECT_EQ(d.freiFelder[5], "Feld5");
    EXPECT_EQ(d.mwstSatz, 7.0L);
    EXPECT_EQ(d.waehrung.Waehrung, "DM");
    EXPECT_EQ(d.waehrung.Kurs, durchReal6(1.95583L));
    EXPECT_EQ(d.waehrung.Umstellungsjahr, "02");
    EXPECT_EQ(d.waehrung.UmstellungBis, "03");
    // Compact texts and the extension.
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 1), 1);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 20), 19);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 52), 1);
    EXPECT_EQ(t.gruppeVon(Seite::Einnahme, 11), 3);
    EXPECT_EQ(t.gruppeVon(Seite::Einnahme, 69), 9);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 21), 20);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 22), 0);
    EXPECT_EQ(t.gruppeVon(Seite::Einnahme, 50), 49);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, Typverwaltung::gruppeZuPosten(21)), 20);
}

struct Formatfall {
    const char* name;
    std::vector<std::string> zeilen;
    std::vector<std::pair<std::string, std::string>> hinweise;
};

TEST_F(DefinitionenTest, JedesAlteFormatGibtSeineHinweiseInReihenfolge) {
    const auto voll = vollstaendigeZeilen();
    const std::vector<Formatfall> faelle{
        {"V2.0", ersteZeilen(voll, 46), {{kV20Titel, kV20Text}, {kV20Titel, kV42Text}}},
        {"V2.1",
         v21Zeilen(),
         {{kV20Titel, kV21Text}, {kV30Titel, kV30Text}, {kV20Titel, kV42Text}}},
        {"V3.0", ersteZeilen(voll, 96), {{kV30Titel, kV30Text}, {kV20Titel, kV42Text}}},
        {"V3.01", ersteZeilen(voll, 97), {{kV30Titel, kV301Text}, {kV20Titel, kV42Text}}},
        {"V4.2", ersteZeilen(voll, 101), {{kV20Titel, kV42Text}}},
        {"V4.5", voll, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        person.leeren();
        schreibe(f.zeilen);
        TDefinitionen neu;
        neu = angezeigt(definitionenLaden(basis), person);
        const auto m = person.meldungen();
        ASSERT_EQ(m.size(), f.hinweise.size());
        for (std::size_t i = 0; i < m.size(); ++i) {
            EXPECT_EQ(m[i].titel, f.hinweise[i].first) << i;
            EXPECT_EQ(m[i].text, f.hinweise[i].second) << i;
            EXPECT_EQ(m[i].symbol, Symbol::Information) << i;
        }
    }
}

TEST_F(DefinitionenTest, AlteFormateSetzenWaehrungswerteZurueck) {
    // Values of a previously open file must not survive in the fields an old file lacks.
    for (std::size_t n : {46u, 96u, 97u}) {
        SCOPED_TRACE(n);
        schreibe(ersteZeilen(vollstaendigeZeilen(), n));
        d.waehrung = {"CHF", 1.5L, "99", "98"};
        d.mwstSatz = 16;
        lies();
        EXPECT_EQ(d.waehrung.Kurs, 0.0L);
        EXPECT_EQ(d.waehrung.Umstellungsjahr, "02");
        EXPECT_EQ(d.waehrung.UmstellungBis, "03");
        EXPECT_EQ(d.mwstSatz, n == 97 ? 7.0L : 0.0L);
        EXPECT_EQ(d.waehrung.Waehrung, "CHF"); // not in these formats: kept
        EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 21), "");
    }
}

TEST_F(DefinitionenTest, V20HatNurZehnEinnahmetypenUndKeineGruppen) {
    schreibe(ersteZeilen(vollstaendigeZeilen(), 46));
    d.typen.setzeGruppenName(Seite::Ausgabe, 3, "alt");
    d.typen.setzeGruppeVon(Seite::Ausgabe, 1, 3);
    lies();
    EXPECT_EQ(d.typen.typName(Seite::Einnahme, 10), "Ein10");
    EXPECT_EQ(d.typen.typName(Seite::Einnahme, 11), "");
    EXPECT_EQ(d.typen.gruppenName(Seite::Ausgabe, 3), "");
    EXPECT_EQ(d.typen.gruppeVon(Seite::Ausgabe, 1), 0);
    EXPECT_EQ(d.freiFelder[5], "Feld5");
}

TEST_F(DefinitionenTest, V21LaesstNeueEinnahmenLeerUndKurzerTextHeisstKeineGruppe) {
    schreibe(v21Zeilen());
    lies();
    const Typverwaltung& t = d.typen;
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 19), "AGr19");
    EXPECT_EQ(t.gruppenName(Seite::Einnahme, 9), "EGr9");
    for (int g = 10; g <= 19; ++g)
        EXPECT_EQ(t.gruppenName(Seite::Einnahme, g), "") << g;
    for (int n = 11; n <= 20; ++n)
        EXPECT_EQ(t.typName(Seite::Einnahme, n), "") << n;
    EXPECT_EQ(t.gruppeVon(Seite::Einnahme, 20), 3);
    for (int p = 51; p <= 69; ++p)
        EXPECT_EQ(t.gruppeVon(Seite::Einnahme, p), 0) << p;
    EXPECT_EQ(t.kompakttext(Seite::Einnahme), "000000000000000000030000000000000000000");
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 52), 1);
}

TEST_F(DefinitionenTest, MitgliedseinstellungNullUndZehn) {
    auto z = vollstaendigeZeilen();
    for (auto [zeile, erwartet] :
         {std::pair{"10", 11}, {"0", 1}, {"15", 15}, {" 9 ", 9}, {"20", 11}, {"7", 7}}) {
        SCOPED_TRACE(zeile);
        z[39] = zeile;
        schreibe(z);
        person.leeren();
        lies();
        EXPECT_TRUE(person.meldungen().empty());
        EXPECT_EQ(d.mitgliedEinstellung, erwartet);
    }
}

TEST_F(DefinitionenTest, UngueltigerMwStSatzWirdNullUndLesenGehtWeiter) {
    auto z = vollstaendigeZeilen();
    z[96] = "7,00";
    schreibe(z);
    d.mwstSatz = 19;
    lies();
    const auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Fehler!");
    EXPECT_EQ(m[0].text, "Ungültiger MwSt-Satz!");
    EXPECT_EQ(m[0].symbol, Symbol::Fehler);
    EXPECT_EQ(d.mwstSatz, 0.0L);
    EXPECT_EQ(d.waehrung.Kurs, durchReal6(1.95583L));
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 50), "Aus50");
}

TEST_F(DefinitionenTest, UngueltigerKursWirdDM) {
    for (const char* kurs : {"abc", "", "1e999"}) {
        SCOPED_TRACE(kurs);
        auto z = vollstaendigeZeilen();
        z[98] = kurs;
        schreibe(z);
        person.leeren();
        lies();
        const auto m = person.meldungen();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].titel, "Fehler!");
        EXPECT_EQ(m[0].text, "Ungültiger Euro-Kurs, es wird 1.95583 (DM) angenommen!");
        EXPECT_EQ(m[0].symbol, Symbol::Warnung);
        EXPECT_EQ(d.waehrung.Kurs, durchReal6(1.95583L));
        EXPECT_EQ(d.waehrung.Umstellungsjahr, "02");
    }
}

TEST_F(DefinitionenTest, ZahlenMitBlanksSindGueltig) {
    auto z = vollstaendigeZeilen();
    z[40] = " 3.5 ";
    z[96] = " 16 ";
    z[98] = "1.95583\t";
    schreibe(z);
    lies();
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(d.standardBeitrag, 3.5L);
    EXPECT_EQ(d.mwstSatz, 16.0L);
}

TEST_F(DefinitionenTest, FehlendeDateiGibtVorgaben) {
    d.waehrung = {"CHF", 1.5L, "99", "98"};
    d.standardBeitrag = 30;
    d.freiFelder[2] = "Telefon";
    d.mwstSatz = 16;
    d.konten[1] = "Kasse";
    d.mitgliedEinstellung = 15;
    d.typen.setzeTypName(Seite::Ausgabe, 1, "alt");
    lies();
    const auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Fehler!");
    EXPECT_EQ(m[0].text, "Fehlende Definitionsdatei!!");
    EXPECT_EQ(m[0].symbol, Symbol::Fehler);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(d.konten[static_cast<std::size_t>(k)], "unbenannt");
    EXPECT_EQ(d.mitgliedEinstellung, 1);
    EXPECT_EQ(d.mwstSatz, 0.0L);
    EXPECT_EQ(d.waehrung.Kurs, 0.0L);
    EXPECT_EQ(d.waehrung.Umstellungsjahr, "02");
    EXPECT_EQ(d.waehrung.UmstellungBis, "03");
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 1), "");
    // Kept as they were.
    EXPECT_EQ(d.waehrung.Waehrung, "CHF");
    EXPECT_EQ(d.standardBeitrag, 30.0L);
    EXPECT_EQ(d.freiFelder[2], "Telefon");
}

TEST_F(DefinitionenTest, FehlendeDateiMitKennwortdateiIstGeschuetzt) {
    test::textSchreiben(basis + ".pwd", "x\r\n");
    lies();
    EXPECT_EQ(d.mitgliedEinstellung, 11);
}

TEST_F(DefinitionenTest, LesefehlerImKopfGibtMeldungUndVorgaben) {
    struct Fall {
        const char* name;
        std::vector<std::string> zeilen;
    };
    auto kaputt = [](std::size_t index, const char* text) {
        auto z = vollstaendigeZeilen();
        z[index] = text;
        return z;
    };
    const std::vector<Fall> faelle{
        {"Mitgliedszahl keine Zahl", kaputt(39, "drei")},
        {"Mitgliedszahl negativ", kaputt(39, "-1")},
        {"Beitrag keine Zahl", kaputt(40, "12,50")},
        {"Datei endet vor Zeile 40", ersteZeilen(vollstaendigeZeilen(), 35)},
        {"Datei endet vor Zeile 41", ersteZeilen(vollstaendigeZeilen(), 40)},
        {"leere Datei", {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        schreibe(f.zeilen);
        person.leeren();
        d = TDefinitionen{};
        d.standardBeitrag = 30;
        lies();
        const auto m = person.meldungen();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].titel, "FEHLER!");
        EXPECT_EQ(m[0].text, "Fehler beim Lesen der Definitionsdatei " + basis + ".DEF!");
        EXPECT_EQ(m[0].symbol, Symbol::Fehler);
        EXPECT_EQ(d.konten[1], "unbenannt");
        EXPECT_EQ(d.mitgliedEinstellung, 1);
        EXPECT_EQ(d.standardBeitrag, 30.0L);
        if (!f.zeilen.empty()) {
            EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 2), "Aus2");
        }
    }
}

TEST_F(DefinitionenTest, FehlendeFreifeldzeilenSindLeer) {
    // An editor that dropped empty last lines must not cost the account names.
    auto z = ersteZeilen(vollstaendigeZeilen(), 43);
    schreibe(z);
    lies();
    ASSERT_EQ(person.meldungen().size(), 2u);
    EXPECT_EQ(person.meldungen()[0].text, kV20Text);
    EXPECT_EQ(d.konten[9], "Konto9");
    EXPECT_EQ(d.freiFelder[2], "Feld2");
    EXPECT_EQ(d.freiFelder[3], "");
}

TEST_F(DefinitionenTest, DateiEndetMittenInDerErweiterung) {
    // Block 1 whole, block 2 ends after the income type name: its group number is missing.
    auto z = ersteZeilen(vollstaendigeZeilen(), 101 + 9 + 3);
    z[101 + 9 + 1] = "5";
    schreibe(z);
    lies();
    EXPECT_TRUE(person.meldungen().empty());
    const Typverwaltung& t = d.typen;
    EXPECT_EQ(t.typName(Seite::Ausgabe, 21), "Aus21");
    EXPECT_EQ(t.gruppenName(Seite::Einnahme, 20), "EGr20");
    EXPECT_EQ(t.typName(Seite::Ausgabe, 22), "Aus22");
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 22), 5);
    EXPECT_EQ(t.typName(Seite::Einnahme, 22), "Ein22");
    EXPECT_EQ(t.gruppeVon(Seite::Einnahme, 22), 0);
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 21), "");
    EXPECT_EQ(t.typName(Seite::Ausgabe, 23), "");
}

TEST_F(DefinitionenTest, UnlesbareGruppennummernHeissenKeineGruppe) {
    auto z = vollstaendigeZeilen();
    z[102] = "x";  // group of expense type 21
    z[104] = "77"; // group of income type 21: no such group
    z[106] = "-3"; // group of expense group 20
    schreibe(z);
    lies();
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(d.typen.gruppeVon(Seite::Ausgabe, 21), 0);
    EXPECT_EQ(d.typen.gruppeVon(Seite::Einnahme, 21), 0);
    EXPECT_EQ(d.typen.gruppeVon(Seite::Ausgabe, 70), 0);
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 50), "Aus50");
}

TEST_F(DefinitionenTest, NamenWerdenGekuerztUndUmgewandelt) {
    auto z = vollstaendigeZeilen();
    z[1] = "Stra\xE1"
           "enfest mit Grill"; // DOS sharp s, 21 characters
    z[31] = "Girokonto Sparkasse \x81";
    z[41] = "Geburtstag des Mitglieds";
    z[48] = std::string(300, 'G');
    z[101] = "Verwaltungskosten 2026";
    schreibe(z);
    lies();
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 2), A("Straßenfest mit"));
    EXPECT_EQ(d.konten[2], "Girokonto ");
    EXPECT_EQ(d.freiFelder[1], "Geburtstag");
    EXPECT_EQ(d.typen.gruppenName(Seite::Ausgabe, 1), std::string(15, 'G'));
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 21), "Verwaltungskost");
}

TEST_F(DefinitionenTest, ZeilenendenUndLetzteZeileOhneEnde) {
    const auto voll = vollstaendigeZeilen();
    for (const std::string ende : {"\n", "\r"}) {
        test::textSchreiben(basis + ".def", alsDatei(voll, ende));
        person.leeren();
        lies();
        EXPECT_TRUE(person.meldungen().empty());
        EXPECT_EQ(d.typen.gruppeVon(Seite::Einnahme, 50), 49);
    }
    // A V4.2 file whose last line has no line end, then with a DOS end-of-file mark.
    std::string v42 = alsDatei(ersteZeilen(voll, 101));
    test::textSchreiben(basis + ".def", v42.substr(0, v42.size() - 2));
    person.leeren();
    lies();
    ASSERT_EQ(person.meldungen().size(), 1u);
    EXPECT_EQ(d.waehrung.UmstellungBis, "03");
    test::textSchreiben(basis + ".def", v42 + "\x1A");
    person.leeren();
    lies();
    EXPECT_EQ(person.meldungen().size(), 1u);
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 21), "");
}

TEST_F(DefinitionenTest, DateinameOhneRuecksichtAufGrossschreibung) {
    test::textSchreiben(tmp.datei("VEREIN.DEF"), alsDatei(vollstaendigeZeilen()));
    lies();
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(d.konten[9], "Konto9");
    d.konten[9] = "Bank";
    ASSERT_TRUE(definitionenSchreiben(basis, d, person));
    EXPECT_FALSE(std::filesystem::exists(basis + ".def"));
    EXPECT_NE(test::textLesen(tmp.datei("VEREIN.DEF")).find("\r\nBank\r\n"), std::string::npos);
}

TEST_F(DefinitionenTest, SchreibenUndLesenBehaeltJedesByte) {
    const std::string original = alsDatei(vollstaendigeZeilen());
    test::textSchreiben(basis + ".def", original);
    lies();
    ASSERT_TRUE(definitionenSchreiben(basis, d, person));
    EXPECT_EQ(test::textLesen(basis + ".def"), original);
    EXPECT_TRUE(person.meldungen().empty());
}

TEST_F(DefinitionenTest, AltesFormatWirdBeimSchreibenAufgeruestet) {
    schreibe(v21Zeilen());
    lies();
    ASSERT_TRUE(definitionenSchreiben(basis, d, person));
    const auto zeilen = textdateiLesen(basis + ".def");
    ASSERT_EQ(zeilen.size(), 371u);
    EXPECT_EQ(zeilen[47], "000000000000000000030000000000000000000");
    EXPECT_EQ(zeilen[96], "0.00");
    EXPECT_EQ(zeilen[98], "0.000000");
    person.leeren();
    TDefinitionen neu;
    neu = angezeigt(definitionenLaden(basis), person);
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(neu.typen.gruppenName(Seite::Einnahme, 9), "EGr9");
    EXPECT_EQ(neu.konten[1], "Kasse \x84");
}

TEST_F(DefinitionenTest, SchreibenUnabhaengigVomGebietsschema) {
    const char* vorher = std::setlocale(LC_ALL, nullptr);
    const std::string gesichert = vorher ? vorher : "C";
    bool deutsch = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
        if (std::setlocale(LC_ALL, name)) {
            deutsch = true;
            break;
        }
    d.mwstSatz = durchReal6(7);
    d.waehrung.Kurs = durchReal6(1.95583L);
    d.standardBeitrag = durchReal6(12.5L);
    d.konten[4] = "";
    d.mitgliedEinstellung = 15;
    const bool ok = definitionenSchreiben(basis, d, person);
    d.mwstSatz = durchReal6(16);
    d.mitgliedEinstellung = 10;
    const bool ok2 = ok && (definitionenSchreiben(tmp.datei("Zwei"), d, person));
    d.mitgliedEinstellung = 0;
    const bool ok3 = ok2 && (definitionenSchreiben(tmp.datei("Drei"), d, person));
    std::setlocale(LC_ALL, gesichert.c_str());
    ASSERT_TRUE(ok3);
    const auto z = textdateiLesen(basis + ".def");
    ASSERT_EQ(z.size(), 371u);
    EXPECT_EQ(z[39], "15");
    EXPECT_EQ(z[40], "12.50");
    EXPECT_EQ(z[96], "7.00");
    EXPECT_EQ(z[98], "1.955830");
    EXPECT_EQ(z[33], "unbenannt");
    EXPECT_EQ(d.konten[4], "unbenannt");
    EXPECT_EQ(textdateiLesen(tmp.datei("Zwei.def"))[96], "16.00");
    EXPECT_EQ(textdateiLesen(tmp.datei("Zwei.def"))[39], "11");
    EXPECT_EQ(textdateiLesen(tmp.datei("Drei.def"))[39], "1");
    const std::string bytes = test::textLesen(basis + ".def");
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "0\r\n\r\n");
    if (!deutsch) std::printf("Hinweis: kein deutsches Gebietsschema installiert\n");
}

TEST_F(DefinitionenTest, ZeilenumbruchImNamenZerstoertDieDateiNicht) {
    d.typen.setzeTypName(Seite::Ausgabe, 3, "Miete\r\nBuero");
    d.konten[1] = "Kas\nse";
    ASSERT_TRUE(definitionenSchreiben(basis, d, person));
    const auto z = textdateiLesen(basis + ".def");
    ASSERT_EQ(z.size(), 371u);
    EXPECT_EQ(z[2], "Miete  Buero");
    EXPECT_EQ(z[30], "Kas se");
}

TEST_F(DefinitionenTest, SchreibfehlerLaesstAlteDateiUnversehrt) {
    const std::string original = alsDatei(vollstaendigeZeilen());
    test::textSchreiben(basis + ".def", original);
    lies();
    d.konten[1] = "Neu";
    for (int nach : {0, 1}) {
        SCOPED_TRACE(nach);
        person.leeren();
        testhaken::schreibfehlerNach(nach, ENOSPC);
        const bool ok = definitionenSchreiben(basis, d, person);
        testhaken::zuruecksetzen();
        EXPECT_FALSE(ok);
        const auto m = person.meldungen();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].titel, "FEHLER!");
        EXPECT_EQ(m[0].text, "Definitionsdatei konnte nicht neu geschrieben werden!");
        EXPECT_EQ(m[0].symbol, Symbol::Fehler);
        EXPECT_EQ(test::textLesen(basis + ".def"), original);
        EXPECT_EQ(d.konten[1], "Neu");
    }
    // Nothing left behind; the next write stores the values.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.pfad()),
                            std::filesystem::directory_iterator()),
              1);
    ASSERT_TRUE(definitionenSchreiben(basis, d, person));
    EXPECT_EQ(textdateiLesen(basis + ".def")[30], "Neu");
}

TEST_F(DefinitionenTest, OrdnerFehltGibtMeldung) {
    EXPECT_FALSE(definitionenSchreiben(tmp.datei("gibtsnicht/Verein"), d, person));
    ASSERT_EQ(person.meldungen().size(), 1u);
    EXPECT_EQ(person.meldungen()[0].titel, "FEHLER!");
}

TEST_F(DefinitionenTest, EinstellungsdialogZeigtUndSpeichert) {
    schreibe(vollstaendigeZeilen());
    lies();
    SetDefZellen z = setDefZellen(d);
    EXPECT_EQ(z.ausgaben[0].nr, " 1");
    EXPECT_EQ(z.ausgaben[0].name, A("Bücher"));
    EXPECT_EQ(z.einnahmen[49].nr, "50");
    EXPECT_EQ(z.einnahmen[49].name, "Ein50");
    EXPECT_EQ(z.konten[0].nr, "1");
    EXPECT_EQ(z.konten[0].name, A("Kasse ä"));

    z.ausgaben[1].name = A("Übungsleiterpauschale");
    z.einnahmen[30].name = "Spenden";
    z.konten[1].name = A("Girokonto Süd");
    z.konten[2].name = "";
    ASSERT_TRUE(setDefUebernehmen(z, basis, d, person));
    EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 2), A("Übungsleiterpau"));
    EXPECT_EQ(d.konten[2], "Girokonto ");
    EXPECT_EQ(d.konten[3], "unbenannt");
    EXPECT_EQ(d.typen.gruppenName(Seite::Ausgabe, 1), "AGr1"); // groups untouched

    TDefinitionen neu;
    neu = angezeigt(definitionenLaden(basis), person);
    EXPECT_EQ(neu.typen.typName(Seite::Ausgabe, 2), A("Übungsleiterpau"));
    EXPECT_EQ(neu.typen.typName(Seite::Einnahme, 31), "Spenden");
    EXPECT_EQ(textdateiLesen(basis + ".def")[1], "\x9A"
                                                 "bungsleiterpau");
    EXPECT_EQ(setDefZellen(neu).konten[1].name, "Girokonto ");
    z.konten[1].name = A("Süd");
    ASSERT_TRUE(setDefUebernehmen(z, basis, d, person));
    EXPECT_EQ(d.konten[2], "S\x81"
                           "d");
    EXPECT_TRUE(person.meldungen().empty());
}

} // namespace
} // namespace zalvor
