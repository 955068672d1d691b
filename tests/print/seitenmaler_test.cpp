// The printing library: the settings store in QSettings on a temporary path, and one PDF
// per printout read back with pdftotext.
#include "../core/printing/druckberichte.h"
#include "aufzeichnendeperson.h"
#include "core/common/zeichensatz.h"
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "core/printing/mitgliederdruck.h"
#include "print/anwendung.h"
#include "print/druckschrift.h"
#include "print/qteinstellungsspeicher.h"
#include "print/seitenmaler.h"
#include "tempverzeichnis.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

namespace zalvor {
namespace {

class Druckwerk : public ::testing::Test {
  protected:
    void SetUp() override {
        druck::anwendungSicherstellen();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(ordner_.pfad()));
    }
    std::string datei(const std::string& name) const { return ordner_.pfad() + "/" + name; }
    std::string einstellungsdatei() const { return datei("Orvan-Software/EINAUS.conf"); }

    test::TempVerzeichnis ordner_;
};

TEST_F(Druckwerk, ErsterLaufSchreibtEinenVollstaendigenSchluessel) {
    test::AufzeichnendePerson p;
    Druckeinstellungen e;
    e.oben = 1;
    ASSERT_TRUE(druck::druckeinstellungenLaden(p, e));
    EXPECT_EQ(e.oben, 20);
    EXPECT_EQ(e.links, 50);
    EXPECT_FALSE(e.seitennummern);
    EXPECT_TRUE(e.anVon);
    EXPECT_EQ(e.italic, 2);
    e.oben = alsByte(300);
    druck::druckeinstellungenSpeichern(p, e, true);
    ASSERT_EQ(p.eintraege().size(), 2u);
    EXPECT_EQ(p.eintraege()[0].titel, "INFO");
    EXPECT_EQ(p.eintraege()[1].titel, "Information");

    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orvan-Software", "EINAUS");
    s.beginGroup("Druck");
    for (const char* name : {"SRO", "SRL", "SRU", "SA", "ZA", "SNr", "SPAnVon", "Italic",
                             "Font1/Size", "Font1/Style", "Font2/Size", "Font2/Style"}) {
        EXPECT_EQ(s.value(name).toByteArray().size(), 1) << name;
    }
    EXPECT_EQ(s.value("SRO").toByteArray()[0], 44);
    EXPECT_FALSE(s.value("Font1/Name").toString().isEmpty());

    test::AufzeichnendePerson q;
    Druckeinstellungen wieder;
    EXPECT_FALSE(druck::druckeinstellungenLaden(q, wieder));
    EXPECT_TRUE(q.eintraege().empty());
    EXPECT_EQ(wieder.oben, 44);
    EXPECT_EQ(wieder.schrift1.name, e.schrift1.name);
}

TEST_F(Druckwerk, UnlesbarerWertImSpeicher) {
    test::AufzeichnendePerson p;
    Druckeinstellungen e;
    druck::druckeinstellungenLaden(p, e);
    e.seitennummern = true;
    druck::druckeinstellungenSpeichern(p, e, true);
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orvan-Software", "EINAUS");
        s.setValue("Druck/SRU", "zwanzig");
        s.setValue("Druck/Italic", QByteArray("12"));
        s.remove("Druck/Font2");
    }
    test::AufzeichnendePerson q;
    Druckeinstellungen gelesen;
    EXPECT_FALSE(druck::druckeinstellungenLaden(q, gelesen));
    const auto& m = q.eintraege();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].text, "Fehler beim Lesen der Rand-Einstellungen!");
    EXPECT_EQ(m[1].text, "Fehler beim Lesen der erweiterten Einstellungen!");
    EXPECT_EQ(m[2].text, "Fehler beim Lesen der Schriftart 2");
    for (const auto& eintrag : m)
        EXPECT_EQ(eintrag.titel, "Registry-Fehler!");
    EXPECT_FALSE(gelesen.seitennummern); // extended settings back to their defaults
}

// A store that cannot be made or whose lock cannot be taken: the save ends at once (no
// endless wait) and is reported, also on the first run; nothing is left half written.
TEST_F(Druckwerk, GesperrterOderUnanlegbarerSpeicherWirdGemeldet) {
    druck::QtEinstellungsspeicher::sperreWartenMs = 0;
    struct Fall {
        const char* name;
        bool ordnerAmSperrpfad; // else a plain file where the settings folder belongs
        const char* meldung;
    };
    for (const Fall& f : {Fall{"Sperre", true, "Fehler beim Speichern der Rand-Einstellungen!"},
                          Fall{"Ordner", false,
                               "Fehler beim Zugriff auf die Windows-"
                               "Registrierung (\"Registry\")!"}}) {
        SCOPED_TRACE(f.name);
        test::TempVerzeichnis wurzel;
        if (f.ordnerAmSperrpfad)
            std::filesystem::create_directories(wurzel.datei("Orvan-Software/EINAUS.conf.lock"));
        else
            test::textSchreiben(wurzel.datei("Orvan-Software"), "");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(wurzel.pfad()));
        test::AufzeichnendePerson p;
        Druckeinstellungen e;
        const bool ersterLauf = druck::druckeinstellungenLaden(p, e);
        EXPECT_TRUE(ersterLauf);
        EXPECT_FALSE(druck::druckeinstellungenSpeichern(p, e, ersterLauf));
        ASSERT_FALSE(p.eintraege().empty());
        EXPECT_EQ(p.eintraege().back().symbol, Symbol::Fehler);
        const bool gemeldet = std::any_of(p.eintraege().begin(), p.eintraege().end(),
                                          [&](const auto& m) { return m.text == f.meldung; });
        EXPECT_TRUE(gemeldet);
        EXPECT_FALSE(std::filesystem::exists(wurzel.datei("Orvan-Software/EINAUS.conf")));
    }
    druck::QtEinstellungsspeicher::sperreWartenMs = 2000;
}

// Text and page count of a PDF.
struct PdfInhalt {
    std::string text;
    int seiten = 0;
};

PdfInhalt pdfLesen(const std::string& pdf) {
    PdfInhalt i;
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(
        ::popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r"), ::pclose);
    if (!rohr) return i;
    std::array<char, 4096> puffer{};
    std::size_t n = 0;
    while ((n = std::fread(puffer.data(), 1, puffer.size(), rohr.get())) > 0)
        i.text.append(puffer.data(), n);
    for (char c : i.text)
        i.seiten += c == '\f';
    return i;
}

PdfInhalt alsPdf(const std::string& pfad, const druck::Setzer& setzer) {
    QPrinter drucker(QPrinter::HighResolution);
    druck::pdfEinrichten(drucker, pfad);
    Druckeinstellungen e = standardDruckeinstellungen(druck::standardschrift());
    e.seitennummern = true;
    EXPECT_TRUE(druck::drucken(drucker, e.schrift1, e.schrift2, setzer));
    if (const char* behalten = std::getenv("ZALVOR_PDF_BEHALTEN")) {
        std::ifstream von(pfad, std::ios::binary);
        std::ofstream nach(std::string(behalten) + "/" + pfad.substr(pfad.rfind('/') + 1),
                           std::ios::binary);
        nach << von.rdbuf();
    }
    return pdfLesen(pfad);
}

Druckeinstellungen mitNummern() {
    Druckeinstellungen e = standardDruckeinstellungen(druck::standardschrift());
    e.seitennummern = true;
    return e;
}

Raster buchungsraster(const std::string& ueberschrift, int n) {
    Raster r;
    r.ueberschrift = ueberschrift;
    r.kopf = {"BuNr", "Beleg", "Datum", "Typ", "Buchungstext", "An/Von", "Betrag (EUR)", "Konto"};
    for (int i = 1; i <= n; ++i)
        r.zeilen.push_back({std::to_string(i), "R" + std::to_string(i), " 5. 3.", "Miete",
                            A("Miete März ") + std::to_string(i), "Vermieter", "     10.00", " 1"});
    r.zeilen.push_back({"", "", "", "", "", "", "----------", ""});
    r.zeilen.push_back({"", "", "", "", "S u m m e :", "", std::to_string(10 * n) + ".00", ""});
    return r;
}

TEST_F(Druckwerk, ListeAlsPdf) {
    Bericht b;
    b.fenstertitel = "Ein/Aus - Liste f\xfcr Datei: Verein (Buchungsjahr: 26; Stand: 6.12.26)";
    b.reiter.push_back({"", {buchungsraster("Ausgaben:", 200), buchungsraster("Einnahmen:", 3)}});
    const PdfInhalt pdf = alsPdf(datei("liste.pdf"), [&](Messung& m, Seitenformat f) {
        return listeSetzen(b, mitNummern(), m, f);
    });
    EXPECT_GE(pdf.seiten, 3);
    EXPECT_NE(pdf.text.find("Ein/Aus - Liste für Datei: Verein"), std::string::npos);
    EXPECT_NE(pdf.text.find("Miete März 200"), std::string::npos);
    EXPECT_NE(pdf.text.find("Einnahmen:"), std::string::npos);
    EXPECT_NE(pdf.text.find("Summe:"), std::string::npos); // pdftotext joins the spaced letters
}

TEST_F(Druckwerk, VergleichAlsPdf) {
    const Bericht b = test::sollIstVergleich();
    const PdfInhalt pdf = alsPdf(datei("sollist.pdf"), [&](Messung& m, Seitenformat f) {
        return listeSetzen(b, mitNummern(), m, f);
    });
    EXPECT_EQ(pdf.seiten, 1);
    EXPECT_NE(pdf.text.find("Alle Beträge in EUR"), std::string::npos);
    EXPECT_NE(pdf.text.find("Planv.(Soll)"), std::string::npos);
}

TEST_F(Druckwerk, AbschlussAlsPdf) {
    Bericht b;
    b.fenstertitel = A("Jahresabschluß");
    b.waehrungszeile = A("Alle Beträge in EUR");
    Raster konten;
    konten.kopf = {"Konto", "real", "Planungen", "Summe"};
    konten.zeilen = {{"Kasse", "10.00", "0.00", "10.00"},
                     {"", "", "", ""},
                     {"Geldbestand:", "10.00", "0.00", "10.00"}};
    Raster aus;
    aus.kopf = {"Typengruppe", "Typ", "real", "Planungen", "Summe"};
    aus.zeilen = {{" ( keine )", "Miete", "5.00", "0.00", "5.00"},
                  {"", "", "", "", ""},
                  {"Ausgaben gesamt:", "", "5.00", "0.00", "5.00"}};
    Raster gruppen = aus;
    gruppen.sichtbar = false;
    Raster guv;
    guv.kopf = {"Ausg", "Einn", "Ausg", "Einn", "Ausg", "Einn"};
    guv.zeilen = {{"5.00", "0.00", "0.00", "0.00", "5.00", "0.00"},
                  {"", "", "", "", "", ""},
                  {"Verlust:", "5.00", "", "0.00", "", "5.00"}};
    b.reiter = {{A("Kontenbestände"), {konten}},
                {"Ausgabenbilanz", {aus, gruppen}},
                {"Einnahmenbilanz", {aus, gruppen}},
                {"Gewinn- / Verlustrechnung", {guv}}};
    const Abschlusskopf kopf{"26", 6, 12, 2026, "/daten/Verein"};
    const PdfInhalt pdf = alsPdf(datei("abschluss.pdf"), [&](Messung& m, Seitenformat f) {
        return abschlussSetzen(b, kopf, mitNummern(), m, f);
    });
    EXPECT_EQ(pdf.seiten, 1);
    EXPECT_NE(pdf.text.find("Jahresabschluß 26 vom 6.12.26 (Datei: /daten/Verein)"),
              std::string::npos);
    EXPECT_NE(pdf.text.find("Kontenbestände:"), std::string::npos);
    EXPECT_NE(pdf.text.find("Gewinn- / Verlustrechnung:"), std::string::npos);
    EXPECT_EQ(pdf.text.find("Einzelbilanz"), std::string::npos);
}

TEST_F(Druckwerk, MitgliederlisteAlsPdf) {
    Bericht b;
    b.fenstertitel = "Mitgliederliste f\xfcr Datei: Verein (Stand: 6.12.26)";
    Raster r;
    r.kopf = {"Mitglied", "Beitrag", "Beitragssatz", "Bez"};
    for (int i = 0; i < 8; ++i)
        r.zeilen.push_back(
            {"Meier, Anna " + std::to_string(i), "Voll", "12,50", i % 2 ? " -" : " X"});
    b.reiter.push_back({"", {r}});
    const PdfInhalt pdf = alsPdf(datei("mitglieder.pdf"), [&](Messung& m, Seitenformat f) {
        return mitgliederlisteSetzen(b, Bezahltstil::Klammern, true, mitNummern(), m, f);
    });
    EXPECT_EQ(pdf.seiten, 1);
    EXPECT_NE(pdf.text.find("Mitgliederliste für Datei: Verein"), std::string::npos);
    EXPECT_NE(pdf.text.find("[X]"), std::string::npos);
    EXPECT_NE(pdf.text.find("12,50"), std::string::npos);
}

// Texts of both fonts on one row share its baseline, which leaves room for the larger
// descent.
TEST_F(Druckwerk, EineGrundlinieFuerBeideSchriften) {
    QPrinter drucker(QPrinter::HighResolution);
    druck::pdfEinrichten(drucker, datei("grundlinie.pdf"));
    Druckdokument d;
    d.schrift1 = Schrift{"DejaVu Sans", 8, 0};
    d.schrift2 = Schrift{"DejaVu Sans Mono", 14, 0};
    druck::Seitenmaler maler(d, &drucker);
    const Drucktext text{100, 500, "Miete", Schriftwahl{2, 0, 0}, Anker::UntenLinks};
    const Drucktext betrag{900, 500, "10.00", Schriftwahl{1, 0, kFett}, Anker::UntenRechts};
    EXPECT_DOUBLE_EQ(maler.anfang(text).y(), maler.anfang(betrag).y());
    const QFontMetricsF groessere(druck::qtSchrift(d, text.schrift), &drucker);
    EXPECT_LE(maler.anfang(text).y() + groessere.descent(), 500.0);
}

} // namespace
} // namespace zalvor
