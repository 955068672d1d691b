// The print settings store under faults: Qt's own file calls fail at every step of a save.
// Afterwards the settings read back without a message, every value old or new, and a save
// that did not store everything was reported.
#include "aufzeichnendeperson.h"
#include "fehlerlauf.h"
#include "print/anwendung.h"
#include "print/qteinstellungsspeicher.h"
#include "qtdateifehler.h"
#include "tempverzeichnis.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace zalvor {
namespace {

const char* const kNamen[] = {"SRO",         "SRL",        "SRU",        "ZA",         "SA",
                              "SNr",         "SPAnVon",    "Italic",     "Font1/Name", "Font1/Size",
                              "Font1/Style", "Font2/Name", "Font2/Size", "Font2/Style"};

std::vector<std::string> werte(const Druckeinstellungen& e) {
    auto z = [](int w) { return std::to_string(w); };
    return {z(e.oben),
            z(e.links),
            z(e.unten),
            z(e.zeilenabstand),
            z(e.spaltenabstand),
            z(e.seitennummern),
            z(e.anVon),
            z(e.italic),
            e.schrift1.name,
            z(e.schrift1.groesse),
            z(e.schrift1.stil),
            e.schrift2.name,
            z(e.schrift2.groesse),
            z(e.schrift2.stil)};
}

void settingsOrdner(const std::string& pfad) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(pfad));
}

class Druckfehlerlauf : public ::testing::Test {
  protected:
    // Hundreds of saves with their lock, copy and check files: in memory where there is one.
    static void SetUpTestSuite() {
        std::error_code fehler;
        if (std::filesystem::is_directory("/dev/shm", fehler)) ::setenv("TMPDIR", "/dev/shm", 1);
    }
    void SetUp() override {
        druck::anwendungSicherstellen();
        druck::QtEinstellungsspeicher::sperreWartenMs = 0;
        settingsOrdner(wurzel_.pfad());
    }
    void TearDown() override {
        test::qtDateifehlerUnter("");
        druck::QtEinstellungsspeicher::sperreWartenMs = 2000;
    }

    // What a program started afresh reads from these bytes: in a folder of its own, so
    // that nothing this process holds in memory answers.
    std::pair<Druckeinstellungen, std::vector<std::string>>
    frischGelesen(const std::vector<std::uint8_t>& datei) {
        const std::string ordner = wurzel_.datei("frisch" + std::to_string(++frisch_));
        std::filesystem::create_directories(ordner + "/Orvan-Software");
        test::bytesSchreiben(ordner + "/Orvan-Software/EINAUS.conf", datei);
        settingsOrdner(ordner);
        test::AufzeichnendePerson p;
        Druckeinstellungen e;
        druck::druckeinstellungenLaden(p, e);
        settingsOrdner(wurzel_.pfad());
        std::vector<std::string> meldungen;
        for (const auto& m : p.eintraege())
            meldungen.push_back(m.titel + ": " + m.text);
        return {e, meldungen};
    }

    test::TempVerzeichnis wurzel_;
    int frisch_ = 0;
};

TEST_F(Druckfehlerlauf, JederSchrittLaesstLesbareWerteUndMeldetDasScheitern) {
    const std::string ordner = wurzel_.datei("Orvan-Software");
    test::AufzeichnendePerson p;
    Druckeinstellungen alt;
    ASSERT_TRUE(druck::druckeinstellungenLaden(p, alt));
    ASSERT_TRUE(druck::druckeinstellungenSpeichern(p, alt, true));
    Druckeinstellungen neu = alt;
    neu.oben = 33;
    neu.links = 44;
    neu.unten = 55;
    neu.zeilenabstand = 6;
    neu.spaltenabstand = 7;
    neu.seitennummern = true;
    neu.anVon = false;
    neu.italic = 0;
    neu.schrift1 = {"Neue Schrift", 12, 1};
    neu.schrift2 = {"Zweite", 9, 2};

    bool gemeldet = false;
    const auto speichern = [&] {
        test::AufzeichnendePerson q;
        test::qtDateifehlerUnter(ordner);
        const bool ok = druck::druckeinstellungenSpeichern(q, neu, false);
        test::qtDateifehlerUnter("");
        gemeldet = std::any_of(q.eintraege().begin(), q.eintraege().end(),
                               [](const auto& m) { return m.symbol == Symbol::Fehler; });
        return ok;
    };
    const auto pruefen = [&](const test::Laufbefund& b) {
        std::vector<std::string> probleme;
        // Only a lock or a temporary file whose removal failed may stay beside the file.
        const bool entfernenScheiterte = b.dauerhaft || b.vorgang == testhaken::Vorgang::Loeschen;
        for (const auto& [name, inhalt] : b.jetzt) {
            const bool rest = name == "EINAUS.conf.lock" ||
                              (name.size() == 18 && name.rfind("EINAUS.conf.", 0) == 0);
            if (name != "EINAUS.conf" && !(rest && entfernenScheiterte))
                probleme.push_back("Datei " + name + " bleibt");
        }
        const auto datei = b.jetzt.find("EINAUS.conf");
        if (datei == b.jetzt.end()) {
            probleme.push_back("die Einstellungen fehlen");
            return probleme;
        }
        const auto [gelesen, meldungen] = frischGelesen(datei->second);
        for (const auto& m : meldungen)
            probleme.push_back("beim Lesen: " + m);
        const auto w = werte(gelesen), a = werte(alt), n = werte(neu);
        for (std::size_t i = 0; i < w.size(); ++i)
            if (w[i] != a[i] && w[i] != n[i])
                probleme.push_back(std::string(kNamen[i]) + " ist " + w[i]);
        if (b.gemeldetFertig && (w != n || gemeldet))
            probleme.push_back("Erfolg gemeldet, aber nicht alles gespeichert");
        if (!b.gemeldetFertig && !gemeldet) probleme.push_back("Scheitern ohne Meldung");
        return probleme;
    };

    test::Fehlerplan plan{{ENOSPC}, true};
    if (std::getenv("ZALVOR_ALLE_FEHLER")) plan = test::Fehlerplan{};
    const auto bericht = test::fehlerlaeufe(ordner, speichern, pruefen, plan);
    // Every value is a write of its own: at least an open, a write and a rename each.
    EXPECT_GE(bericht.schritte, 3u * std::size(kNamen));
    std::string erste;
    for (std::size_t i = 0; i < std::min<std::size_t>(bericht.probleme.size(), 10); ++i)
        erste += bericht.probleme[i] + "\n";
    EXPECT_TRUE(bericht.probleme.empty()) << bericht.probleme.size() << " Befunde:\n" << erste;
    std::printf("Druckeinstellungen: %llu Schritte, %zu Läufe, %zu Befunde\n",
                static_cast<unsigned long long>(bericht.schritte), bericht.laeufe,
                bericht.probleme.size());
}

} // namespace
} // namespace zalvor
