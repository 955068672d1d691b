// Print settings: the dialog's number checks, one-byte values, heading styles and the
// reading and writing sequence with its messages over an in-memory store.
#include "aufzeichnendeperson.h"
#include "core/printing/einstellungsspeicher.h"

#include <gtest/gtest.h>

#include <map>

namespace zalvor {
namespace {

TEST(Druckeingaben, PruefenDieZahlenInDerReihenfolgeDesDialogs) {
    struct Fall {
        std::string oben, links, unten, zeilen, spalten, meldung;
    };
    const Fall faelle[] = {
        {"x", "y", "1", "1", "1", "Oberer Seitenrand ist keine Zahl!!!"},
        {"1", "", "z", "1", "1", "Linker Seitenrand ist keine Zahl!!!"},
        {"1", "1", "1,5", "1", "1", "Unterer Seitenrand ist keine Zahl!!!"},
        {"1", "1", "1", "-", "q", "Zeilenabstand ist keine Zahl!!!"},
        {"1", "1", "1", "1", "10 ", "Spaltenabstand ist keine Zahl!!!"},
    };
    for (const Fall& f : faelle) {
        test::AufzeichnendePerson p;
        Druckeingaben d = druckeingaben(Druckeinstellungen{});
        d.oben = f.oben;
        d.links = f.links;
        d.unten = f.unten;
        d.zeilenabstand = f.zeilen;
        d.spaltenabstand = f.spalten;
        EXPECT_FALSE(druckeingabenPruefen(d, p).has_value()) << f.meldung;
        ASSERT_EQ(p.eintraege().size(), 1u);
        EXPECT_EQ(p.eintraege()[0].titel, "Fehler");
        EXPECT_EQ(p.eintraege()[0].text, f.meldung);
        EXPECT_EQ(p.eintraege()[0].symbol, Symbol::Warnung);
    }
}

TEST(Druckeingaben, WerteWerdenAlsEinByteGehalten) {
    test::AufzeichnendePerson p;
    Druckeingaben d = druckeingaben(Druckeinstellungen{});
    d.oben = "300";
    d.links = " +7";
    d.unten = "-1";
    d.schrift1.name = std::string(40, 'A');
    const auto e = druckeingabenPruefen(d, p);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->oben, 44);
    EXPECT_EQ(e->links, 7);
    EXPECT_EQ(e->unten, 255);
    EXPECT_EQ(e->schrift1.name.size(), kSchriftnameMax);
    EXPECT_TRUE(p.eintraege().empty());
}

TEST(Druckeinstellungen, UeberschriftstilFolgtDerEinstellung) {
    Druckeinstellungen e;
    e.schrift1.stil = kKursiv | kUnterstrichen;
    e.italic = 0;
    EXPECT_EQ(e.ueberschriftstil(), kFett | kKursiv | kUnterstrichen);
    e.italic = 1;
    EXPECT_EQ(e.ueberschriftstil(), kFett | kUnterstrichen);
    e.schrift1.stil = 0;
    e.italic = 2;
    EXPECT_EQ(e.ueberschriftstil(), kFett | kKursiv);
}

// A store in memory whose reads and writes can be made to fail by name.
class Speicher : public Einstellungsspeicher {
  public:
    Zugang zugang = Zugang::Vorhanden;
    std::map<std::string, std::uint8_t> bytes;
    std::map<std::string, std::string> texte;
    std::string kaputt; // "pfad/name" that fails
    std::vector<std::string> geschrieben;

    Zugang oeffnen() override { return zugang; }
    bool schluesselOeffnen(const std::string& pfad, bool anlegen) override {
        if (anlegen) return true;
        for (const auto& [k, v] : bytes)
            if (k.rfind(pfad + "/", 0) == 0) return true;
        return false;
    }
    std::optional<std::uint8_t> byteLesen(const std::string& p, const std::string& n) override {
        auto it = bytes.find(p + "/" + n);
        if (p + "/" + n == kaputt || it == bytes.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> textLesen(const std::string& p, const std::string& n) override {
        auto it = texte.find(p + "/" + n);
        if (it == texte.end()) return std::nullopt;
        return it->second;
    }
    bool byteSchreiben(const std::string& p, const std::string& n, std::uint8_t w) override {
        if (p + "/" + n == kaputt) return false;
        geschrieben.push_back(n);
        bytes[p + "/" + n] = w;
        return true;
    }
    bool textSchreiben(const std::string& p, const std::string& n, const std::string& w) override {
        geschrieben.push_back(n);
        texte[p + "/" + n] = w;
        return true;
    }
};

TEST(Einstellungsspeicher, ErsterLaufSetztStandardsUndSpeichertAlles) {
    Speicher s;
    s.zugang = Einstellungsspeicher::Zugang::Angelegt;
    test::AufzeichnendePerson p;
    Druckeinstellungen e;
    e.oben = 99;
    const Schrift standard{"Sans", 9, 0};
    ASSERT_TRUE(druckeinstellungenLesen(s, p, e, standard));
    EXPECT_EQ(e.oben, 20);
    EXPECT_EQ(e.schrift2.name, "Sans");
    ASSERT_EQ(p.eintraege().size(), 1u);
    EXPECT_EQ(p.eintraege()[0].titel, "INFO");
    EXPECT_EQ(p.eintraege()[0].symbol, Symbol::Information);
    s.zugang = Einstellungsspeicher::Zugang::Vorhanden;
    druckeinstellungenSchreiben(s, p, e, true);
    ASSERT_EQ(p.eintraege().size(), 2u);
    EXPECT_EQ(p.eintraege()[1].titel, "Information");
    const std::vector<std::string> reihenfolge = {"SRO",   "SRL",     "SRU",    "SA",   "ZA",
                                                  "SNr",   "SPAnVon", "Italic", "Size", "Name",
                                                  "Style", "Size",    "Name",   "Style"};
    EXPECT_EQ(s.geschrieben, reihenfolge);

    test::AufzeichnendePerson q;
    Druckeinstellungen wieder;
    EXPECT_FALSE(druckeinstellungenLesen(s, q, wieder, standard));
    EXPECT_TRUE(q.eintraege().empty());
    EXPECT_EQ(wieder.links, 50);
    EXPECT_EQ(wieder.schrift1.groesse, 9);
}

TEST(Einstellungsspeicher, UnlesbarerWertMeldetUndNimmtDieStandards) {
    Speicher s;
    test::AufzeichnendePerson p;
    Druckeinstellungen e;
    e.oben = 1;
    e.italic = 0;
    druckeinstellungenSchreiben(s, p, e, false);
    s.kaputt = "Druck/ZA";
    Druckeinstellungen gelesen;
    gelesen.oben = 7;
    EXPECT_FALSE(druckeinstellungenLesen(s, p, gelesen, {}));
    ASSERT_EQ(p.eintraege().size(), 1u);
    EXPECT_EQ(p.eintraege()[0].titel, "Registry-Fehler!");
    EXPECT_EQ(p.eintraege()[0].text, "Fehler beim Lesen der Rand-Einstellungen!");
    EXPECT_EQ(gelesen.oben, 20);  // the five margins and gaps fall back to their defaults
    EXPECT_EQ(gelesen.italic, 0); // the others are read
}

// A store that cannot be opened is reported on saving, also on the first run: the values
// just typed are kept only in memory.
TEST(Einstellungsspeicher, OhneSpeicherWirdJedesSpeichernGemeldet) {
    Speicher s;
    s.zugang = Einstellungsspeicher::Zugang::Fehlt;
    test::AufzeichnendePerson p;
    Druckeinstellungen e;
    EXPECT_TRUE(druckeinstellungenLesen(s, p, e, {}));
    ASSERT_EQ(p.eintraege().size(), 2u);
    EXPECT_EQ(p.eintraege()[0].titel, "Regirtry-Fehler");
    for (bool ersterLauf : {true, false}) {
        const auto vorher = p.eintraege().size();
        EXPECT_FALSE(druckeinstellungenSchreiben(s, p, e, ersterLauf));
        ASSERT_EQ(p.eintraege().size(), vorher + 1);
        EXPECT_EQ(p.eintraege().back().titel, "FEHLER!");
        EXPECT_EQ(p.eintraege().back().symbol, Symbol::Fehler);
    }
    EXPECT_TRUE(s.geschrieben.empty());
}

} // namespace
} // namespace zalvor
