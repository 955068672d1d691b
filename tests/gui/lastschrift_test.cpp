// The direct debits on the desktop: the creditor dialog, the card's mandate part and the
// direct-debit dialog, each storing through the engine; pictures for the manual.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/database/mandate.h"
#include "core/files/buchungsdatei.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"
#include "core/sepa/mandatsdaten.h"
#include "gui/members/karteikartendialog.h"
#include "gui/sepa/lastschriftdialog.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

TMitglied mitglied(const char* nach, const char* vor, std::uint8_t bezahlt) {
    TMitglied m;
    m.nachname.setze(AnsiNachOem(A(nach)));
    m.vorname.setze(AnsiNachOem(A(vor)));
    m.bezahlt = bezahlt;
    return m;
}

} // namespace

class LastschriftTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string basis_;
    std::unique_ptr<Fenster> f_;

    // Abel (paid), Berg and Cord owe 50.00; account 2 has an IBAN.
    void oeffnen() {
        basis_ = (dir_.path() + "/Verein").toStdString();
        TDefinitionen def;
        def.konten.fill(kUnbenannt);
        def.konten[2] = "Bank";
        def.mitgliedEinstellung = 2;
        def.standardBeitrag = 50;
        dateiAnlegen(basis_, "26", {}, def);
        mitgliederSchreiben(dateien().mitglieder(),
                            {mitglied("Abel", "Anna", 1), mitglied("Berg", "Bernd", 0),
                             mitglied("Cord", "Cora", 0)});
        Beitragssaetze saetze;
        saetze.eintraege[0].name.setze("Standard");
        saetze.eintraege[0].cent = 5000;
        const auto roh = saetze.packen();
        test::bytesSchreiben(dateien().beitraege(),
                             std::vector<std::uint8_t>(roh.begin(), roh.end()));
        auto db = Datenbank::schreiben(dateien().datenbank()).wert();
        Transaktion t(db);
        QVERIFY(bankkontoSetzen(t, 2, "DE89370400440532013000", "Musterbank"));
        t.festschreiben();
        f_ = std::make_unique<Fenster>();
        QCOMPARE(f_->form->dateiOeffnen(QString::fromStdString(basis_ + ".26")),
                 OeffnenErgebnis::Geoeffnet);
        f_->form->show();
        f_->person.leeren();
    }
    Dateisatz dateien() const { return TBuchungsdatei{basis_, "26", 0}.dateien(); }
    gui::TMainForm& form() { return *f_->form; }
    std::string letzteMeldung() const {
        const auto m = f_->person.meldungen();
        return m.empty() ? std::string() : m.back().text;
    }

  private slots:
    void cleanup() { f_.reset(); }

    void glaeubigerdaten() {
        oeffnen();
        Dialogablauf ablauf;
        ablauf.dann(u("Gläubigerdaten"), [this](QDialog& d) {
            tippen(feld<QLineEdit>(d, "EId"), u("DE99ZZZ09999999999"));
            tippen(feld<QLineEdit>(d, "EName"), u("TSV Grün-Weiß"));
            QVERIFY(klicken(d, "OK"));
            QVERIFY(d.isVisible()); // refused: the dialog stays
            QCOMPARE(letzteMeldung(), std::string("Ungültige Gläubiger-ID!"));
            tippen(feld<QLineEdit>(d, "EId"), u("DE98ZZZ09999999999"));
            bild(d, "glaeubigerdaten.png");
            QVERIFY(klicken(d, "OK"));
        });
        form().aktion("glaeubigerdaten")->trigger();
        QVERIFY(ablauf.fertig());
        const auto g = glaeubigerLesen(Datenbank::lesen(dateien().datenbank()).wert());
        QVERIFY(g);
        QCOMPARE(g->konto, 2);
        QCOMPARE(g->name, std::string("TSV Grün-Weiß"));
    }

    void karteMitMandatUndLastschrift() {
        oeffnen();
        {
            auto db = Datenbank::schreiben(dateien().datenbank()).wert();
            Transaktion t(db);
            QVERIFY(glaeubigerSetzen(t, {"DE98ZZZ09999999999", "TSV", 2}));
            t.festschreiben();
        }
        Dialogablauf ablauf;
        ablauf.dann(u("Mitglieder-Karteikarte"), [this](QDialog& d) {
            tippen(feld<QLineEdit>(d, "EIban"), u("DE02 1203 0000 0000 2020 52"));
            QVERIFY(klicken(d, "OK"));
            QVERIFY(d.isVisible());
            QCOMPARE(letzteMeldung(), std::string("Ungültige IBAN!"));
            tippen(feld<QLineEdit>(d, "EIban"), u("DE02 1203 0000 0000 2020 51"));
            tippen(feld<QLineEdit>(d, "EUnterschrift"), u("01.02.2026"));
            QVERIFY(klicken(d, "OK"));
        });
        QCOMPARE(gui::karteZeigen(form().sitzung(), 1u, &form()), std::optional<std::uint32_t>(1));
        QVERIFY(ablauf.fertig());
        ablauf.dann(u("Mitglieder-Karteikarte"), [](QDialog& d) {
            QCOMPARE(feld<QLineEdit>(d, "EInhaber")->text(), u("Bernd Berg"));
            QCOMPARE(feld<QLabel>(d, "LSequenz")->text(), u("Erstlastschrift (FRST)"));
            bild(d, "mitglied-mandat.png");
            QVERIFY(klicken(d, "&Abbruch"));
        });
        gui::karteZeigen(form().sitzung(), 1u, &form());
        QVERIFY(ablauf.fertig());

        gui::TDLastschrift d(form().sitzung(), &form());
        d.show();
        QCOMPARE(d.LSumme->text(), u("Summe: 1 Lastschriften, 50.00"));
        QCOMPARE(d.TVOhneMandat->model()->rowCount(), 1);
        bild(d, "lastschrift-erstellen.png");
        tippen(d.EFaellig, u("15.06.2026"));
        const QString pfad = dir_.path() + "/lastschrift.xml";
        QVERIFY(!d.speichern(pfad));
        QVERIFY(!QFileInfo::exists(pfad));
        tippen(d.EFaellig, u("17.06.2026"));
        QVERIFY(d.speichern(pfad));
        QVERIFY(QFileInfo::exists(pfad));
        const auto m = mandateLesen(Datenbank::lesen(dateien().datenbank()).wert());
        QCOMPARE(m.size(), std::size_t{1});
        QVERIFY(m[0].eingezogen);
    }
};

QTEST_MAIN(LastschriftTest)
#include "lastschrift_test.moc"
