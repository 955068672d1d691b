// Every command that asks: Cancel, or No to the command itself, ends with status 1, and so
// does a refusal before the first question.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zalvor {
namespace {

using test::cli;

constexpr const char* kHeute = "2026-12-07";

struct Ordner {
    test::TempVerzeichnis dir;

    int lauf(std::vector<std::string> args, const std::string& antworten = {}) const {
        for (std::string& a : args)
            if (a.rfind("@", 0) == 0) a = dir.datei(a.substr(1));
        args.insert(args.begin(), {"--heute", kHeute, "--antworten", antworten});
        return cli(args).status;
    }
    // A club "Club" of 2026 in DM, the Euro from 2027 with the rate given or none; with a
    // member and a standard contribution when `beitrag`.
    void dmVerein(bool mitKurs, bool beitrag) const {
        std::vector<std::string> args{
            "neu", "@Club.26",         "--waehrung", "DM",      "--umstellungsjahr",
            "27",  "--umstellung-bis", "28",         "--konto", "1=Kasse"};
        if (mitKurs) args.insert(args.end(), {"--kurs", "1.95583"});
        ASSERT_EQ(lauf(args), 0);
        if (!beitrag) return;
        ASSERT_EQ(lauf({"mitglied", "@Club.26", "--nachname", "Muster"}), 0);
        ASSERT_EQ(lauf({"mitglieder-einstellungen", "@Club.26", "--konto", "1", "--betrag", "30"}),
                  0);
    }
};

TEST(Fragen, AbbruchOderNeinZumBefehlEndetMitStatusEins) {
    using Vorbereitung = std::function<void(const Ordner&)>;
    const Vorbereitung demo = [](const Ordner& o) {
        ASSERT_EQ(cli({"--heute", kHeute, "demo", o.dir.pfad()}).status, 0);
    };
    struct Fall {
        const char* was;
        Vorbereitung vorher;
        std::vector<std::string> args;
        const char* antworten;
    };
    const std::vector<Fall> faelle{
        {"naechstes-jahr ohne Euro-Kurs",
         [](const Ordner& o) { o.dmVerein(false, false); },
         {"naechstes-jahr", "@Club.26", "--jahr", "27"},
         ""},
        {"naechstes-jahr: Euro-Umstellung abgebrochen",
         [](const Ordner& o) { o.dmVerein(true, false); },
         {"naechstes-jahr", "@Club.26", "--jahr", "27"},
         "abbruch"},
        {"naechstes-jahr: Beitragssätze abgebrochen",
         [](const Ordner& o) { o.dmVerein(true, true); },
         {"naechstes-jahr", "@Club.26", "--jahr", "27"},
         "ok,abbruch"},
        {"naechstes-jahr: Überschreiben abgebrochen",
         [](const Ordner& o) {
             o.dmVerein(true, false);
             ASSERT_EQ(o.lauf({"naechstes-jahr", "@Club.26", "--jahr", "27"}, "ok"), 0);
         },
         {"naechstes-jahr", "@Club.26", "--jahr", "27"},
         "ok,abbruch"},
        {"neu über eine vorhandene Datei", demo, {"neu", "@Sportverein.26"}, "nein"},
        {"loeschen", demo, {"loeschen", "@Sportverein.26", "0"}, "nein"},
        {"buchen: Einnahme oder Ausgabe geschlossen",
         demo,
         {"buchen", "@Sportverein.26", "--betrag", "5", "--typ", "1", "--konto", "1", "--tag", "1",
          "--monat", "1"},
         ""},
        {"buchen an einen halben Satz",
         [&](const Ordner& o) {
             demo(o);
             auto b = test::bytesLesen(o.dir.datei("Sportverein.26"));
             b.resize(b.size() + 30);
             test::bytesSchreiben(o.dir.datei("Sportverein.26"), b);
         },
         {"buchen", "@Sportverein.26", "--ausgabe", "--betrag", "5", "--typ", "1", "--konto", "1",
          "--tag", "1", "--monat", "1"},
         "nein,nein"},
        {"reorganisieren über die Sicherung", demo, {"reorganisieren", "@Sportverein.26"}, "nein"},
        {"liste: Sortierung ohne Reorganisation",
         [&](const Ordner& o) {
             demo(o);
             std::filesystem::remove(o.dir.datei("Sportverein.263"));
         },
         {"liste", "@Sportverein.26", "einfach", "--sortierung", "typ"},
         "nein,abbruch"},
        {"schablone-loeschen", demo, {"schablone-loeschen", "@Sportverein.26", "0"}, "nein"},
        {"codeschutz", demo, {"codeschutz", "@Sportverein.26"}, ""},
        {"typengruppen: Zuordnung aufheben",
         demo,
         {"typengruppen", "@Sportverein.26", "--ausgabe", "--zuordnen", "1=2"},
         "nein"},
        {"planvorgaben: Gruppenregel",
         demo,
         {"planvorgaben", "@Sportverein.26", "--ausgabe", "--setzen", "51=6000"},
         "nein"},
        {"mitglied-entfernen", demo, {"mitglied-entfernen", "@Sportverein.26", "0"}, "nein"},
        {"beitraege-reset", demo, {"beitraege-reset", "@Sportverein.26"}, "abbruch"},
        {"beitraege-reset: planen?", demo, {"beitraege-reset", "@Sportverein.26"}, "ok,abbruch"},
        {"beitraege-reset: wirklich nicht planen?",
         demo,
         {"beitraege-reset", "@Sportverein.26"},
         "ok,nein,abbruch"},
        {"dateiliste: Jahresfrage", demo, {"dateiliste", "@Vereine-Vorjahr.FL"}, "abbruch"},
        {"dateiliste: Jahreskorrektur",
         [&](const Ordner& o) {
             demo(o);
             std::filesystem::remove(o.dir.datei("Jugendabteilung.26"));
         },
         {"dateiliste", "@Vereine-Vorjahr.FL"},
         "ja,abbruch"},
        {"dateiliste --entfernen", demo, {"dateiliste", "@Vereine.FL", "--entfernen", "0"}, "nein"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Ordner o;
        f.vorher(o);
        EXPECT_EQ(o.lauf(f.args, f.antworten), 1);
    }
}

} // namespace
} // namespace zalvor
