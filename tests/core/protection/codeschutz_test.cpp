// The code word check at opening and the "Codeschutz..." procedure with its edge cases.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"

#include "core/common/befehlsregeln.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateischreiben.h"
#include "core/files/definitionen.h"
#include "core/files/oeffnen.h"
#include "core/protection/codeschutz.h"
#include "core/protection/codewort.h"
#include "core/protection/codewortdatei.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zalvor {
namespace {

using test::Art;
using K = Knopf;

class TabellenZaehler : public Oberflaeche {
  public:
    int gefuellt = 0;
    void tabelleFuellen(TabellenModus) override { ++gefuellt; }
};

class CodeschutzTest : public ::testing::Test {
  protected:
    test::TempVerzeichnis dir;
    test::AufzeichnendePerson person;
    FesteUhr uhr{Datum{2026, 12, 7}};
    Sitzung s{person, uhr};
    TabellenZaehler ui;
    std::string basis;

    void SetUp() override {
        basis = dir.datei("Verein");
        s.oberflaeche = &ui;
        TDefinitionen d;
        d.mitgliedEinstellung = 3;
        ASSERT_TRUE(definitionenSchreiben(basis, d, person));
        leereDateiAnlegen(basis + ".26");
        oeffnen();
    }
    void TearDown() override { testhaken::zuruecksetzen(); }

    void oeffnen() {
        s.verein.datei.basisname = basis;
        s.verein.datei.jahr = "26";
        buchungsdateiOeffnen(s);
    }
    std::string pwd() const { return basis + ".PWD"; }
    // Guards the file on disk directly: definitions 13, the code word file as given.
    void schuetzen(const std::string& inhalt) {
        TDefinitionen d = s.verein.def;
        d.mitgliedEinstellung = 13;
        ASSERT_TRUE(definitionenSchreiben(basis, d, person));
        test::textSchreiben(pwd(), inhalt);
    }
    std::uint8_t gespeicherteNummer() {
        TDefinitionen d;
        d = angezeigt(definitionenLaden(basis), person);
        return d.mitgliedEinstellung;
    }
    // Titles of the code entries asked, with their picture.
    std::vector<std::pair<std::string, CodeBild>> eingaben() const {
        std::vector<std::pair<std::string, CodeBild>> out;
        for (const auto& e : person.eintraege())
            if (e.art == Art::Code) out.emplace_back(e.titel, e.bild);
        return out;
    }
    const test::Eintrag* letzteMeldung() const {
        for (auto it = person.eintraege().rbegin(); it != person.eintraege().rend(); ++it)
            if (it->art == Art::Meldung || it->art == Art::Nachricht) return &*it;
        return nullptr;
    }
};

TEST_F(CodeschutzTest, OeffnenMitHauptcodeNurLeseCodeUndOhneSchutz) {
    EXPECT_FALSE(s.verein.nurLesen); // not guarded: no entry asked
    EXPECT_TRUE(eingaben().empty());

    schuetzen(codewortKodieren("Haupt") + "\r\n" + codewortKodieren("Lesen") + "\r\n");
    person.antworte(std::string("Lesen"));
    oeffnen();
    EXPECT_TRUE(s.verein.nurLesen);
    EXPECT_FALSE(befehlVerfuegbar(s, Befehlsart::Codeschutz));
    EXPECT_FALSE(befehlVerfuegbar(s, Befehlsart::Buchen));
    EXPECT_TRUE(befehlVerfuegbar(s, Befehlsart::EaListe));
    EXPECT_EQ(eingaben(), (std::vector<std::pair<std::string, CodeBild>>{
                              {"Bitte Codewort eingeben!", CodeBild::VorhandenerCode}}));

    person.antworte(std::string("Haupt"));
    oeffnen();
    EXPECT_FALSE(s.verein.nurLesen);
    EXPECT_TRUE(befehlVerfuegbar(s, Befehlsart::Codeschutz));
}

TEST_F(CodeschutzTest, ProgrammEndeVorDerTabelle) {
    using Antwort = test::AufzeichnendePerson::Antwort;
    struct Fall {
        const char* wozu;
        std::optional<std::string> datei; // nullopt: no code word file
        std::vector<Antwort> antworten;
        const char* titel; // of the message before the end; empty: none
    };
    const std::string haupt = codewortKodieren("Haupt");
    const Fall faelle[] = {
        {"Code-Datei fehlt", std::nullopt, {}, "Fehler!"},
        {"falscher Code", haupt + "\r\n", {std::string("haupt")}, "Alarm!"},
        {"abgebrochen", haupt + "\r\n", {std::nullopt}, ""},
        {"einzeilig, leere Eingabe", haupt + "\r\n", {std::string("")}, "Alarm!"},
        {"leere zweite Zeile", haupt + "\r\n\r\n", {std::string("")}, "Alarm!"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wozu);
        schuetzen(f.datei.value_or(""));
        if (!f.datei) dateiLoeschen(pwd());
        for (const auto& a : f.antworten)
            person.antworte(a);
        person.leeren();
        const int vorher = ui.gefuellt;
        EXPECT_THROW(oeffnen(), ProgrammEnde);
        EXPECT_EQ(ui.gefuellt, vorher); // nothing of the file was shown
        EXPECT_FALSE(s.dateiOffen);
        EXPECT_FALSE(befehlVerfuegbar(s, Befehlsart::EaListe));
        const auto* m = letzteMeldung();
        if (*f.titel) {
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(m->titel, f.titel);
            EXPECT_EQ(m->symbol, Symbol::Fehler);
        } else {
            EXPECT_EQ(m, nullptr);
        }
        EXPECT_TRUE(person.antwortenAufgebraucht());
    }
    EXPECT_EQ(letzteMeldung()->text, "Falscher Code eingegeben!");
}

TEST_F(CodeschutzTest, FehltDieCodeDateiLautetDieMeldungWieVorgegeben) {
    schuetzen("");
    dateiLoeschen(pwd());
    EXPECT_THROW(oeffnen(), ProgrammEnde);
    EXPECT_EQ(letzteMeldung()->text, "Code-Datei fehlt! (Wurde offensichtlich gelöscht!). Daten "
                                     "unzugänglich, bitte an Orvan-Soft wenden...");
}

TEST_F(CodeschutzTest, SchutznummerZehnGiltAlsGeschuetzt) {
    auto zeilen = textdateiLesen(basis + ".def");
    ASSERT_EQ(zeilen.at(39), "3"); // the member-settings line
    zeilen[39] = "10";
    textdateiSchreiben(basis + ".def", zeilen);
    test::textSchreiben(pwd(), codewortKodieren("x") + "\r\n");
    person.antworte(std::string("x"));
    oeffnen();
    EXPECT_EQ(eingaben().size(), 1u);
    EXPECT_TRUE(s.verein.def.codeGeschuetzt());
}

TEST_F(CodeschutzTest, SetzenMitUndOhneNurLeseCode) {
    person.antworte({std::string("Geheim"), std::string("Geheim"), K::Nein});
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_EQ(test::textLesen(pwd()), "Hhjjfr\r\n");
    EXPECT_EQ(gespeicherteNummer(), 13);
    EXPECT_EQ(eingaben(), (std::vector<std::pair<std::string, CodeBild>>{
                              {"Neues Codewort eingeben!", CodeBild::Keins},
                              {"Codewort nocheinmal eingeben!", CodeBild::Wiederholung}}));
    const auto& frage = person.eintraege().back();
    EXPECT_EQ(frage.art, Art::Frage);
    EXPECT_EQ(frage.text,
              "Neues Codewort wurde gesichert! Wollen Sie auch einen Nur-Lese-Code festlegen?");
    EXPECT_EQ(frage.knoepfe, (std::vector<Knopf>{K::Ja, K::Nein}));

    // Changing asks for the old code first; the read-only code follows on Yes.
    person.leeren();
    person.antworte({std::string("Geheim"), std::string("Geheim2"), std::string("Geheim2"), K::Ja,
                     std::string("abc"), std::string("abc")});
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_EQ(test::textLesen(pwd()),
              codewortKodieren("Geheim2") + "\r\n" + codewortKodieren("abc") + "\r\n");
    EXPECT_EQ(eingaben().front(),
              std::make_pair(std::string("Alten Code betätigen!"), CodeBild::VorhandenerCode));
    EXPECT_EQ(eingaben().at(3).first, "Nur-Lese-Code festlegen");
    EXPECT_EQ(letzteMeldung()->titel, "");
    EXPECT_EQ(letzteMeldung()->text, "\r\rNur-Lese-Code gesichert.");
    EXPECT_EQ(gespeicherteNummer(), 13);

    person.antworte(std::string("abc"));
    oeffnen();
    EXPECT_TRUE(s.verein.nurLesen);
}

TEST_F(CodeschutzTest, NeuerHauptcodeVerwirftDenNurLeseCode) {
    schuetzen(codewortKodieren("Haupt") + "\r\n" + codewortKodieren("Lesen") + "\r\n");
    person.antworte({std::string("Haupt"), std::string("Haupt"), std::string("abc"),
                     std::string("abc"), K::Nein});
    oeffnen();
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_EQ(test::textLesen(pwd()), "bee\r\n");
}

TEST_F(CodeschutzTest, LeereEingabeEntferntDenSchutz) {
    // At the read-only prompt: the main code word just stored goes too.
    person.antworte({std::string("Geheim"), std::string("Geheim"), K::Ja, std::string("")});
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_FALSE(dateiExistiert(pwd()));
    EXPECT_EQ(gespeicherteNummer(), 3);
    EXPECT_EQ(letzteMeldung()->titel, "Wichtig!");
    EXPECT_EQ(letzteMeldung()->text, "\r\rCodeschutz wurde entfernt!!");

    // As the new main code word of a guarded file.
    schuetzen(codewortKodieren("Haupt") + "\r\n");
    person.antworte({std::string("Haupt"), std::string("Haupt"), std::string("")});
    oeffnen();
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_FALSE(dateiExistiert(pwd()));
    EXPECT_EQ(gespeicherteNummer(), 3);
    oeffnen();
    EXPECT_FALSE(s.verein.nurLesen);
}

TEST_F(CodeschutzTest, AbbruchUndFehleingabenAendernNichts) {
    using Antwort = test::AufzeichnendePerson::Antwort;
    const std::string inhalt =
        codewortKodieren("Haupt") + "\r\n" + codewortKodieren("Lesen") + "\r\n";
    struct Fall {
        const char* wozu;
        std::vector<Antwort> antworten;
        const char* meldung; // empty: none
    };
    const Fall faelle[] = {
        {"alter Code abgebrochen", {std::nullopt}, ""},
        {"alter Code falsch", {std::string("Lesen")}, "Falscher Code eingegeben!"},
        {"neuer Code abgebrochen", {std::string("Haupt"), std::nullopt}, ""},
        {"Wiederholung abgebrochen", {std::string("Haupt"), std::string("n"), std::nullopt}, ""},
        {"Wiederholung anders",
         {std::string("Haupt"), std::string("n"), std::string("N")},
         "Eingaben nicht identisch!"},
    };
    schuetzen(inhalt);
    person.antworte(std::string("Haupt"));
    oeffnen();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wozu);
        person.leeren();
        for (const auto& a : f.antworten)
            person.antworte(a);
        EXPECT_FALSE(codeschutzBefehl(s));
        EXPECT_EQ(test::textLesen(pwd()), inhalt);
        EXPECT_EQ(gespeicherteNummer(), 13);
        const auto* m = letzteMeldung();
        EXPECT_EQ(m ? m->text : "", f.meldung);
    }
    EXPECT_EQ(letzteMeldung()->titel, "Fehler");
    EXPECT_EQ(letzteMeldung()->symbol, Symbol::Warnung);

    // A cancelled read-only code keeps the main code word just stored.
    person.antworte(
        {std::string("Haupt"), std::string("neu"), std::string("neu"), K::Ja, std::nullopt});
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_EQ(test::textLesen(pwd()), codewortKodieren("neu") + "\r\n");
}

TEST_F(CodeschutzTest, CodewortMitZeilenumbruchWirdAbgelehntUndNeuGefragt) {
    person.antworte({std::string("abcdefghiÿj"), std::string("abc"), std::string("abc"), K::Nein});
    EXPECT_TRUE(codeschutzBefehl(s));
    EXPECT_EQ(test::textLesen(pwd()), "bee\r\n");
    const auto e = eingaben();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].first, "Neues Codewort eingeben!");
    EXPECT_EQ(e[1].first, "Neues Codewort eingeben!");
    const auto meldungen = person.meldungen();
    const auto& m = meldungen.at(1);
    EXPECT_EQ(m.titel, "Fehler");
    EXPECT_EQ(m.symbol, Symbol::Warnung);
}

TEST_F(CodeschutzTest, ImMenueFehlendeCodeDateiBeendetDasProgramm) {
    schuetzen(codewortKodieren("Haupt") + "\r\n");
    person.antworte(std::string("Haupt"));
    oeffnen();
    dateiLoeschen(pwd());
    EXPECT_THROW(codeschutzBefehl(s), ProgrammEnde);
    EXPECT_EQ(letzteMeldung()->titel, "Fehler!");
}

TEST_F(CodeschutzTest, NurLeseModusVerweigertDenCodeschutz) {
    schuetzen(codewortKodieren("Haupt") + "\r\n" + codewortKodieren("Lesen") + "\r\n");
    person.antworte(std::string("Lesen"));
    oeffnen();
    person.leeren();
    EXPECT_THROW(codeschutzBefehl(s), BefehlAbgebrochen);
    EXPECT_EQ(letzteMeldung()->titel, "Nur lesen");
    EXPECT_TRUE(eingaben().empty());
}

TEST_F(CodeschutzTest, SchreibfehlerLassenDieDateiWieSieWar) {
    // The definitions cannot be written after the code word file: it is taken away again.
    person.antworte({std::string("Geheim"), std::string("Geheim")});
    testhaken::schreibfehlerNach(2, ENOSPC);
    EXPECT_THROW(codeschutzBefehl(s), BefehlAbgebrochen);
    testhaken::zuruecksetzen();
    EXPECT_FALSE(dateiExistiert(pwd()));
    EXPECT_EQ(s.verein.def.mitgliedEinstellung, 3);
    EXPECT_EQ(gespeicherteNummer(), 3);
    EXPECT_EQ(letzteMeldung()->text, "Definitionsdatei konnte nicht neu geschrieben werden!");

    // The code word file itself cannot be written: nothing changes.
    person.antworte({std::string("Geheim"), std::string("Geheim")});
    testhaken::schreibfehlerNach(0, ENOSPC);
    EXPECT_THROW(codeschutzBefehl(s), EAFehler);
    testhaken::zuruecksetzen();
    EXPECT_FALSE(dateiExistiert(pwd()));
    EXPECT_EQ(s.verein.def.mitgliedEinstellung, 3);

    // Removing: the definitions first; when they fail, the guard stays whole.
    schuetzen(codewortKodieren("Haupt") + "\r\n");
    person.antworte(std::string("Haupt"));
    oeffnen();
    person.antworte({std::string("Haupt"), std::string("")});
    testhaken::schreibfehlerNach(0, ENOSPC);
    EXPECT_THROW(codeschutzBefehl(s), BefehlAbgebrochen);
    testhaken::zuruecksetzen();
    EXPECT_EQ(test::textLesen(pwd()), codewortKodieren("Haupt") + "\r\n");
    EXPECT_EQ(gespeicherteNummer(), 13);
    EXPECT_TRUE(s.verein.def.codeGeschuetzt());
}

} // namespace
} // namespace zalvor
