// What a damaged disk or a foreign tool leaves in the definitions file, the booking file and
// the index files: each case gives a clear message or a sound reading, and nothing is written.
#include "buchungsdaten.h"
#include "ordnerbild.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"
#include "core/files/oeffnen.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/listenfolge.h"
#include "core/mainwindow/kontostaende.h"
#include "core/mainwindow/tabellentexte.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

std::string meldungstexte(const AufzeichnendePerson& p) {
    std::string alle;
    for (const auto& e : p.meldungen())
        alle += e.titel + ": " + e.text + "\n";
    return alle;
}

const std::string kZehnMB(10 * 1024 * 1024, 'x');

// The lines of a sound file in the current format, from the default definitions.
std::vector<std::string> guteDefinitionen() {
    Kassenbuch k;
    TDefinitionen d;
    d.konten.fill("Kasse");
    definitionenSchreiben(k.s.verein.datei.basisname, d, k.person);
    std::vector<std::string> zeilen;
    std::string zeile;
    for (char c : textLesen(k.s.verein.datei.dateien().definitionen())) {
        if (c == '\r') continue;
        if (c == '\n') {
            zeilen.push_back(zeile);
            zeile.clear();
        } else {
            zeile += c;
        }
    }
    return zeilen;
}

std::string mitZeile(int nr, const std::string& text) {
    auto z = guteDefinitionen();
    z[static_cast<std::size_t>(nr - 1)] = text;
    std::string s;
    for (const auto& l : z)
        s += l + "\r\n";
    return s;
}

TEST(SchlechteEingaben, DefinitionsFile) {
    const std::string lesefehler = "Fehler beim Lesen der Definitionsdatei";
    struct Fall {
        const char* name;
        std::string inhalt;
        std::string meldung; // part of the one message expected, empty: none
        std::function<void(const TDefinitionen&)> pruefen;
    };
    const auto voreinstellung = [](const TDefinitionen& d) { EXPECT_EQ(d.konten[1], kUnbenannt); };
    const Fall faelle[] = {
        {"leer", "", lesefehler, voreinstellung},
        {"ein Byte", "x", lesefehler, voreinstellung},
        {"Mitgliedszahl 255", mitZeile(40, "255"), "",
         [](const TDefinitionen& d) { EXPECT_EQ(d.mitgliedEinstellung, 15); }},
        {"Mitgliedszahl 256", mitZeile(40, "256"), lesefehler, voreinstellung},
        {"Mitgliedszahl 0", mitZeile(40, "0"), "",
         [](const TDefinitionen& d) { EXPECT_EQ(d.beitragsKonto(), 1); }},
        {"Beitrag 1e400", mitZeile(41, "1e400"), lesefehler, voreinstellung},
        {"Beitrag NaN", mitZeile(41, "NaN"), lesefehler, voreinstellung},
        {"Beitrag -0", mitZeile(41, "-0"), "",
         [](const TDefinitionen& d) {
             EXPECT_EQ(d.standardBeitrag, 0);
             EXPECT_FALSE(std::signbit(d.standardBeitrag));
         }},
        {"MwSt 1e400", mitZeile(97, "1e400"), A("Ungültiger MwSt-Satz!"),
         [](const TDefinitionen& d) { EXPECT_EQ(d.mwstSatz, 0); }},
        {"MwSt NaN", mitZeile(97, "NaN"), A("Ungültiger MwSt-Satz!"),
         [](const TDefinitionen& d) { EXPECT_EQ(d.mwstSatz, 0); }},
        {"Kurs 1e400", mitZeile(99, "1e400"), A("Ungültiger Euro-Kurs"),
         [](const TDefinitionen& d) {
             EXPECT_NEAR(static_cast<double>(d.waehrung.Kurs), 1.95583, 1e-6);
         }},
        {"Gruppennummer 65536", mitZeile(103, "65536"), "",
         [](const TDefinitionen& d) { EXPECT_EQ(d.typen.gruppeVon(Seite::Ausgabe, 21), 0); }},
        {"Gruppennummer -0", mitZeile(103, "-0"), "",
         [](const TDefinitionen& d) { EXPECT_EQ(d.typen.gruppeVon(Seite::Ausgabe, 21), 0); }},
        {"Typname von 10 MB", mitZeile(1, kZehnMB), "",
         [](const TDefinitionen& d) { EXPECT_EQ(d.typen.typName(Seite::Ausgabe, 1).size(), 15u); }},
        {"Kontoname von 255 Bytes", mitZeile(31, std::string(255, '\xFF')), "",
         [](const TDefinitionen& d) { EXPECT_EQ(d.konten[1].size(), 10u); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        textSchreiben(k.s.verein.datei.dateien().definitionen(), f.inhalt);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        TDefinitionen d;
        d = angezeigt(definitionenLaden(k.s.verein.datei.basisname), k.person);
        const std::string texte = meldungstexte(k.person);
        if (f.meldung.empty())
            EXPECT_EQ(texte, "");
        else
            EXPECT_NE(texte.find(ansiNachUtf8(f.meldung)), std::string::npos) << texte;
        f.pruefen(d);
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

// A record of the booking file with some of its bytes replaced.
std::vector<std::uint8_t>
satzMit(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    const auto roh = buchung(Satz{}).packen();
    std::vector<std::uint8_t> b(roh.begin(), roh.end());
    for (auto [pos, wert] : bytes)
        b[pos] = wert;
    return b;
}

TEST(SchlechteEingaben, BookingFile) {
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> inhalt;
        std::uint32_t saetze;
        // The running total of the list leaves the stored real's range: the list ends
        // with the overflow message ("Gleitkommaüberlauf").
        bool ueberlauf = false;
    };
    const std::uint8_t ff = 0xFF;
    auto einundsiebzig = satzMit({});
    einundsiebzig.push_back(1);
    const Fall faelle[] = {
        {"leer", {}, 0},
        {"ein Byte", {1}, 0},
        {"71 Bytes", einundsiebzig, 1},
        {"Laengenbytes 255", satzMit({{3, ff}, {42, ff}, {47, ff}, {52, ff}}), 1},
        {"Typcode 255, Konten 0 und 255", satzMit({{0, ff}, {68, 0}, {69, ff}}), 1},
        {"Typcode 51, Konto 10", satzMit({{0, 51}, {68, 10}}), 1},
        {"Monat 0, Tag 0", satzMit({{34, 0}, {35, 0}}), 1},
        {"Monat 13, Tag 99", satzMit({{34, 99}, {35, 13}}), 1},
        {"Exponent 255, negativ", satzMit({{36, ff}, {41, 0x80}}), 1, true},
        {"Exponent 255", satzMit({{36, ff}, {41, 0x7F}}), 1, true},
        {"Exponent 1", satzMit({{36, 1}}), 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        // The same record three times.
        std::vector<std::uint8_t> inhalt;
        for (int i = 0; i < (f.saetze == 0 ? 1 : 3); ++i)
            inhalt.insert(inhalt.end(), f.inhalt.begin(), f.inhalt.end());
        bytesSchreiben(k.datei(), inhalt);
        k.s.verein.def.konten.fill("Konto");
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        const std::uint32_t n = f.saetze == 0 ? 0 : 3 * f.saetze;
        EXPECT_EQ(satzAnzahl(k.datei()), n);
        naechsteNummerFinden(k.s.verein.datei);
        EXPECT_GE(k.s.verein.datei.naechsteNummer, 1);
        for (const TBuchung& b : alleBuchungenLesen(k.datei())) {
            const TabellenZeile z = tabellenZeile(b, k.s.verein.def.typen);
            EXPECT_LE(z[3].size(), 30u);
        }
        const Kontostaende st = kontostaende(k.s.verein);
        EXPECT_EQ(st.konten.size(), 9u);
        (void)kontostaendeRaster(st, k.s.verein, k.s.euroText);
        if (f.ueberlauf)
            EXPECT_THROW(einfachListe(k.s.verein, k.s.person, k.s.uhr, k.s.euroText),
                         UeberlaufFehler);
        else
            EXPECT_FALSE(
                einfachListe(k.s.verein, k.s.person, k.s.uhr, k.s.euroText).reiter.empty());
        EXPECT_EQ(meldungstexte(k.person), "");
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

TEST(SchlechteEingaben, BookingFileAtTheRecordLimitTakesNoMoreRecords) {
    for (std::uint64_t n : {65535u, 65536u}) {
        SCOPED_TRACE(n);
        Kassenbuch k;
        std::filesystem::resize_file(k.datei(), n * TBuchung::kGroesse);
        for (int i = 1; i <= 9; ++i) {
            bytesSchreiben(k.index(i), {});
            std::filesystem::resize_file(k.index(i), 2 * n);
        }
        EXPECT_EQ(satzAnzahl(k.datei()), n);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        EXPECT_THROW(buchungAnhaengen(k.s.verein, k.s.person, buchung(Satz{}), {.indizes = true}),
                     BefehlAbgebrochen);
        EXPECT_NE(meldungstexte(k.person).find("65535"), std::string::npos);
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

TEST(SchlechteEingaben, IndexFiles) {
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> index; // every index alike
        IndexBefund befund;
        bool listeBeschaedigt;
    };
    const Fall faelle[] = {
        {"leer", {}, IndexBefund::Beschaedigt, true},
        {"ein Byte", {0}, IndexBefund::Beschaedigt, true},
        {"ungerade Groesse", {0, 0, 1, 0, 2, 0, 9}, IndexBefund::InOrdnung, false},
        {"Eintrag hinter dem Ende", {0, 0, 1, 0, 7, 0}, IndexBefund::InOrdnung, true},
        {"Eintrag 0xFFFF", {0, 0, 1, 0, 0xFF, 0xFF}, IndexBefund::InOrdnung, true},
        {"Satz doppelt", {0, 0, 1, 0, 1, 0}, IndexBefund::InOrdnung, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        for (int i = 0; i < 3; ++i)
            k.buchen(Satz{.bunr = std::to_string(i + 1)});
        for (int i = 1; i <= 9; ++i)
            bytesSchreiben(k.index(i), f.index);
        k.s.verein.sortierung = Sortierung::Text;
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        k.person.antworte(Knopf::Nein);
        EXPECT_EQ(indexCheckBeimOeffnen(k.s), f.befund);
        EXPECT_EQ(einfacheFolge(k.s.verein, k.s.person).beschaedigt, f.listeBeschaedigt);
        const Listenfolge ea = eaFolge(k.s.verein, k.s.person);
        EXPECT_EQ(ea.reihenfolge.size(), 3u);
        (void)eaListe(k.s.verein, k.s.person, k.s.uhr, k.s.euroText);
        (void)kontenListe(k.s.verein, k.s.person, k.s.uhr, k.s.euroText, 0);
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

TEST(SchlechteEingaben, MissingIndexIsFoundAtOpening) {
    Kassenbuch k;
    k.buchen(Satz{});
    std::filesystem::remove(k.index(9));
    const Ordnerbild vorher = ordnerbild(k.dir.pfad());
    k.person.antworte(Knopf::Nein);
    EXPECT_EQ(indexCheckBeimOeffnen(k.s), IndexBefund::Fehlt);
    EXPECT_NE(meldungstexte(k.person).find("Min. eine Indexdatei fehlt!"), std::string::npos);
    EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
}

// Names with blanks, umlauts and the longest a file of the club may have (the index name
// of 255 bytes) open like any other.
TEST(SchlechteEingaben, FileNames) {
    for (const std::string& name :
         {std::string("Mein Verein"), std::string("Vereinsgr\xC3\xBCn e.V."),
          std::string(251, 'v')}) {
        SCOPED_TRACE(name);
        Kassenbuch k(name);
        k.buchen(Satz{.bunr = "7"});
        TDefinitionen d;
        d.konten.fill("Kasse");
        ASSERT_TRUE(definitionenSchreiben(k.s.verein.datei.basisname, d, k.person));
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        AufzeichnendePerson person;
        FesteUhr uhr(Datum{2026, 3, 1});
        Sitzung s(person, uhr, Euroablage{k.dir.pfad(), {}});
        s.verein.datei.basisname = k.s.verein.datei.basisname;
        s.verein.datei.jahr = "26";
        buchungsdateiOeffnen(s);
        EXPECT_EQ(s.verein.datei.naechsteNummer, 8);
        EXPECT_EQ(s.verein.def.konten[1], "Kasse");
        EXPECT_EQ(s.verein.indexBefund, IndexBefund::InOrdnung);
        EXPECT_EQ(meldungstexte(person), "");
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

} // namespace
} // namespace zalvor::test
