// What a damaged disk or a foreign tool leaves in the member file, the old member file and
// the rates file: each case gives a clear message or a sound reading; only the import of
// the old file writes, and only the new member file.
#include "mitglieder_testdaten.h"
#include "ordnerbild.h"

#include "core/files/oeffnen.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliederimport.h"
#include "core/members/mitgliederliste.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

std::string meldungstexte(const AufzeichnendePerson& p) {
    std::string alle;
    for (const auto& e : p.meldungen())
        alle += e.titel + ": " + e.text + "\n";
    return alle;
}

std::vector<std::uint8_t> satzMit(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes,
                                  std::size_t groesse = TMitglied::kGroesse) {
    const auto roh = mitglied("Abel", "Anna").packen();
    std::vector<std::uint8_t> b(roh.begin(), roh.begin() + static_cast<std::ptrdiff_t>(groesse));
    for (auto [pos, wert] : bytes)
        b[pos] = wert;
    return b;
}

struct Fall {
    const char* name;
    std::vector<std::uint8_t> inhalt;
    std::size_t mitglieder;
};

TEST(SchlechteEingaben, MemberFile) {
    auto einRestbyte = satzMit({});
    einRestbyte.push_back(0);
    const Fall faelle[] = {
        {"leer", {}, 0},
        {"ein Byte", {7}, 0},
        {"175 Bytes", einRestbyte, 1},
        {"Laengenbytes 255", satzMit({{0, 0xFF}, {21, 0xFF}, {42, 0xFF}, {146, 0xFF}}), 1},
        {"Beitragssatz 21", satzMit({{173, 21}}), 1},
        {"Beitragssatz 255, bezahlt 255", satzMit({{172, 0xFF}, {173, 0xFF}}), 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        k.s.dateiOffen = true;
        k.s.verein.def.standardBeitrag = 50;
        k.s.verein.beitraege = vorgabeSaetze(k.s.verein.def);
        const std::string pfad = k.s.verein.datei.dateien().mitglieder();
        bytesSchreiben(pfad, f.inhalt);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        const auto liste = mitgliederLesen(pfad);
        ASSERT_EQ(liste.size(), f.mitglieder);
        for (const TMitglied& m : liste)
            EXPECT_LE(mitgliedName(m).size(), 42u);
        EXPECT_EQ(forderungJePeriode(mitgliederLesen(k.s.verein.dateien().mitglieder()),
                                     k.s.verein.beitraege, k.s.verein.def),
                  50.0L * static_cast<long double>(f.mitglieder));
        Spaltenwahl alles;
        alles.frei.fill(true);
        alles.beschreibung = alles.betrag = true;
        k.s.verein.mitgliederVorhanden = !liste.empty();
        if (k.s.verein.mitgliederVorhanden) {
            const auto bericht = mitgliederlisteErstellen(k.s, alles);
            ASSERT_TRUE(bericht);
        }
        EXPECT_EQ(meldungstexte(k.person), "");
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

TEST(SchlechteEingaben, MemberFileOf65536Members) {
    Kassenbuch k;
    const std::string pfad = k.s.verein.datei.dateien().mitglieder();
    bytesSchreiben(pfad, {});
    std::filesystem::resize_file(pfad, 65536u * TMitglied::kGroesse);
    EXPECT_EQ(mitgliederAnzahl(pfad), 65536u);
    EXPECT_EQ(mitgliederLesen(pfad).size(), 65536u);
}

TEST(SchlechteEingaben, OldMemberFile) {
    auto einRestbyte = satzMit({}, TMitglied::kGroesseAlt);
    einRestbyte.push_back(0);
    const Fall faelle[] = {
        {"leer", {}, 0},
        {"ein Byte", {7}, 0},
        {"174 Bytes", einRestbyte, 1},
        {"Laengenbytes 255", satzMit({{0, 0xFF}, {21, 0xFF}}, TMitglied::kGroesseAlt), 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        const Dateisatz d = k.s.verein.datei.dateien();
        bytesSchreiben(d.mitgliederAlt(), f.inhalt);
        EXPECT_TRUE(altesMitgliederformatImportieren(k.s.verein.dateien(), k.s.person));
        EXPECT_NE(meldungstexte(k.person).find("Import erfolgt"), std::string::npos);
        EXPECT_EQ(bytesLesen(d.mitgliederAlt()), f.inhalt);
        const auto neu = mitgliederLesen(d.mitglieder());
        ASSERT_EQ(neu.size(), f.mitglieder);
        for (const TMitglied& m : neu)
            EXPECT_EQ(m.satz, 0);
        // Imported once: the next opening leaves both files alone.
        const Ordnerbild nachher = ordnerbild(k.dir.pfad());
        EXPECT_FALSE(altesMitgliederformatImportieren(k.s.verein.dateien(), k.s.person));
        EXPECT_EQ(ordnerbild(k.dir.pfad()), nachher);
    }
}

TEST(SchlechteEingaben, RatesFile) {
    std::vector<std::uint8_t> gut(Beitragssaetze::kGroesse, 0);
    auto mit = [&](std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
        auto b = gut;
        for (auto [pos, wert] : bytes)
            b[pos] = wert;
        return b;
    };
    auto zuLang = gut;
    zuLang.push_back(1);
    auto zuKurz = gut;
    zuKurz.pop_back();
    struct RatenFall {
        const char* name;
        std::vector<std::uint8_t> inhalt;
        bool vorgabe; // read failure: the message and the default rates
        std::uint16_t cent1;
    };
    const RatenFall faelle[] = {
        {"leer", {}, true, 0},
        {"ein Byte", {1}, true, 0},
        {"923 Bytes", zuKurz, true, 0},
        {"925 Bytes", zuLang, false, 0},
        {"Betrag 65535, Laenge 255", mit({{44, 0xFF}, {45, 0xFF}, {46, 0xFF}}), false, 65535},
    };
    for (const RatenFall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        k.s.verein.def.standardBeitrag = 12;
        bytesSchreiben(k.s.verein.datei.dateien().beitraege(), f.inhalt);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        beitragssaetzeEinlesen(k.s.verein, k.s.person);
        const std::string texte = meldungstexte(k.person);
        if (f.vorgabe) {
            EXPECT_NE(texte.find(ansiNachUtf8(A("Die Beitragssätze ließen sich nicht einlesen!"))),
                      std::string::npos);
            EXPECT_EQ(k.s.verein.beitraege, vorgabeSaetze(k.s.verein.def));
        } else {
            EXPECT_EQ(texte, "");
            EXPECT_EQ(k.s.verein.beitraege.eintraege[1].cent, f.cent1);
            EXPECT_LE(k.s.verein.beitraege.eintraege[1].name.text().size(), 40u);
        }
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

} // namespace
} // namespace zalvor::test
