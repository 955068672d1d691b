// The pain.008 writer: a golden file, both schemas over every written file (xmllint), the
// blocks per sequence type, exact sums, refusals, and the check inside the program.
#include "core/sepa/bankschema.h"
#include "core/sepa/kennungen.h"
#include "core/sepa/pain008.h"
#include "core/sepa/sepazeichen.h"

#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace zalvor::sepa {
namespace {

Lastschrift lastschrift(std::int64_t cent, const std::string& nr, Datum unterschrieben,
                        Sequenz sequenz, const std::string& name, const char* iban,
                        const char* bic) {
    return {cent, "MGL-" + nr,    unterschrieben,        sequenz, name, iban,
            bic,  "ZV2024-" + nr, "Beitrag 2024 " + name};
}

Lastschriftauftrag dreiLastschriften() {
    Lastschriftauftrag a;
    a.glaeubiger = {"Turnverein Grün-Weiß 1911 e.V.", "DE98ZZZ09999999999",
                    "DE89 3704 0044 0532 0130 00", "COBADEFFXXX"};
    a.faellig = {2024, 3, 20};
    a.erstellt = {{2024, 3, 15}, {14, 30, 12}};
    a.zaehler = 7;
    a.lastschriften = {
        lastschrift(5000, "0001", {2019, 5, 2}, Sequenz::Folge, "Anna Abel",
                    "DE02370400440532013014", "COBADEFFXXX"),
        lastschrift(12550, "0002", {2021, 1, 15}, Sequenz::Folge, "Bernd Brandt",
                    "AT61 1904 3002 3457 3201", "BKAUATWW"),
        lastschrift(2575, "0003", {2024, 3, 1}, Sequenz::Erst, "Jürgen Weiß-Öztürk",
                    "DE97370400440532013050", ""),
    };
    return a;
}

bool xmllintNimmt(const std::string& datei, const char* schema) {
    const std::string befehl = std::string("xmllint --noout --schema ../schemas/sepa/") + schema +
                               " " + datei + " 2>/dev/null";
    return std::system(befehl.c_str()) == 0;
}

// Every file written here goes through both schemas, and through the program's own check.
std::string schreibenUndPruefen(const Lastschriftauftrag& a) {
    const std::string xml = pain008Schreiben(a);
    test::TempVerzeichnis ordner;
    const std::string datei = ordner.datei("lastschrift.xml");
    test::textSchreiben(datei, xml);
    EXPECT_TRUE(xmllintNimmt(datei, "pain.008.001.08.xsd"));
    EXPECT_TRUE(xmllintNimmt(datei, "pain.008.001.08_GBIC_4.xsd"));
    EXPECT_EQ(bankschemaFehler(xml), std::nullopt);
    return xml;
}

// Rewritten instead of compared when ZALVOR_GOLDEN_UPDATE=1.
void wieGolden(const std::string& name, const std::string& ist) {
    const std::string pfad = "data/sepa/" + name;
    const char* neu = std::getenv("ZALVOR_GOLDEN_UPDATE");
    if (neu != nullptr && std::string(neu) == "1") test::textSchreiben(pfad, ist);
    EXPECT_EQ(test::textLesen(pfad), ist);
}

std::size_t anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto pos = text.find(teil); pos != std::string::npos; pos = text.find(teil, pos + 1))
        ++n;
    return n;
}

TEST(Pain008, DreiLastschriftenWieGolden) {
    wieGolden("lastschrift_drei.xml", schreibenUndPruefen(dreiLastschriften()));
}

TEST(Pain008, EinBlockJeVorkommenderSequenz) {
    for (Sequenz s : {Sequenz::Erst, Sequenz::Folge}) {
        Lastschriftauftrag a = dreiLastschriften();
        for (auto& l : a.lastschriften)
            l.sequenz = s;
        a.glaeubiger.bic.clear(); // the creditor's agent "NOTPROVIDED" too
        const std::string xml = schreibenUndPruefen(a);
        EXPECT_EQ(anzahl(xml, "<PmtInf>"), 1U);
        EXPECT_EQ(anzahl(xml, std::string("<SeqTp>") + sequenzCode(s) + "</SeqTp>"), 1U);
        EXPECT_EQ(anzahl(xml, "<NbOfTxs>3</NbOfTxs>"), 2U);
    }
}

TEST(Pain008, SummenGanzzahligExakt) {
    Lastschriftauftrag a = dreiLastschriften();
    const Lastschrift muster = a.lastschriften[0];
    a.lastschriften.clear();
    for (int i = 0; i < 1000; ++i) {
        Lastschrift l = muster;
        l.cent = 7; // 0.07 summed a thousand times drifts in binary floating point
        l.endToEndId = "E" + std::to_string(i);
        l.sequenz = i < 999 ? Sequenz::Folge : Sequenz::Erst;
        a.lastschriften.push_back(l);
    }
    a.lastschriften.back().cent = 99999999999;
    const std::string xml = schreibenUndPruefen(a);
    EXPECT_NE(xml.find("<NbOfTxs>1000</NbOfTxs>\n      <CtrlSum>1000000069.92</CtrlSum>"),
              std::string::npos);
    EXPECT_NE(xml.find("<NbOfTxs>1</NbOfTxs>\n      <CtrlSum>999999999.99</CtrlSum>"),
              std::string::npos);
    EXPECT_NE(xml.find("<NbOfTxs>999</NbOfTxs>\n      <CtrlSum>69.93</CtrlSum>"),
              std::string::npos);
}

TEST(Pain008, KennungenBleibenImRahmen) {
    const std::string id = nachrichtenId({{2024, 12, 31}, {23, 59, 59}}, 4294967295U);
    EXPECT_EQ(id, "ZALVOR-20241231235959-94967295");
    EXPECT_NE(nachrichtenId({{2024, 12, 31}, {23, 59, 59}}, 1), id);
    for (Sequenz s : {Sequenz::Erst, Sequenz::Folge})
        EXPECT_TRUE(sepaKennungGueltig(zahlungsId(id, s))) << zahlungsId(id, s);
}

TEST(Pain008, WasDieBankAblehnteWirdNichtGeschrieben) {
    struct Fall {
        const char* was;
        std::function<void(Lastschriftauftrag&)> aendern;
        int lastschrift;
    };
    const std::vector<Fall> faelle{
        {"keine", [](auto& a) { a.lastschriften.clear(); }, -1},
        {"Gläubiger-ID", [](auto& a) { a.glaeubiger.id = "DE98ZZZ09999999998"; }, -1},
        {"Gläubiger-IBAN", [](auto& a) { a.glaeubiger.iban = "DE89370400440532013001"; }, -1},
        {"Gläubigername", [](auto& a) { a.glaeubiger.name = "€"; }, -1},
        {"Fälligkeit",
         [](auto& a) {
             a.faellig = {2024, 2, 30};
         },
         -1},
        {"Uhrzeit",
         [](auto& a) {
             a.erstellt.zeit = {24, 0, 0};
         },
         -1},
        {"IBAN", [](auto& a) { a.lastschriften[1].iban = "AT61190430023457320"; }, 1},
        {"BIC", [](auto& a) { a.lastschriften[1].bic = "BKAUAT"; }, 1},
        {"Mandat", [](auto& a) { a.lastschriften[2].mandatsreferenz = "MGL 3"; }, 2},
        {"unterschrieben",
         [](auto& a) {
             a.lastschriften[2].unterschrieben = {2024, 3, 16};
         },
         2},
        {"kein Tag",
         [](auto& a) {
             a.lastschriften[0].unterschrieben = {2023, 2, 29};
         },
         0},
        {"Null", [](auto& a) { a.lastschriften[0].cent = 0; }, 0},
        {"zu viel", [](auto& a) { a.lastschriften[0].cent = 100000000000; }, 0},
        {"Name", [](auto& a) { a.lastschriften[0].name = " ☺ "; }, 0},
        {"End-to-End", [](auto& a) { a.lastschriften[0].endToEndId = "ZV 1"; }, 0},
        {"doppelt", [](auto& a) { a.lastschriften[2].endToEndId = "ZV2024-0001"; }, 2},
    };
    for (const auto& f : faelle) {
        Lastschriftauftrag a = dreiLastschriften();
        f.aendern(a);
        try {
            pain008Schreiben(a);
            ADD_FAILURE() << f.was << " geschrieben";
        } catch (const LastschriftFehler& e) {
            EXPECT_EQ(e.lastschrift(), f.lastschrift) << f.was;
        }
    }
}

TEST(Bankschema, NenntDenErstenVerstossMitZeile) {
    std::string xml = pain008Schreiben(dreiLastschriften());
    xml.replace(xml.find("<SeqTp>FRST"), 11, "<SeqTp>ERST");
    const auto fehler = bankschemaFehler(xml);
    ASSERT_TRUE(fehler.has_value());
    EXPECT_EQ(fehler->rfind("Zeile 25: ", 0), 0U) << *fehler;
    EXPECT_NE(fehler->find("SeqTp"), std::string::npos) << *fehler;

    // 71 characters of name: the ISO schema takes them, the bank schema only 70.
    xml = pain008Schreiben(dreiLastschriften());
    xml.replace(xml.find("<Nm>Anna Abel"), 13, "<Nm>" + std::string(71, 'A'));
    EXPECT_TRUE(bankschemaFehler(xml).has_value());

    // Broken XML: the parser's complaint, with its line.
    EXPECT_EQ(bankschemaFehler("<Document>\n<a>").value_or("").rfind("Zeile 2: ", 0), 0U)
        << bankschemaFehler("<Document>\n<a>").value_or("");
    EXPECT_TRUE(bankschemaFehler("").has_value());
}

} // namespace
} // namespace zalvor::sepa
