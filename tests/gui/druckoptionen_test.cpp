// The print options dialog driven like a person, the paid-column question, the search for
// the window to print and a PDF from the desktop's print path.
#include "aufzeichnendeperson.h"
#include "dialogablauf.h"
#include "tempverzeichnis.h"

#include "core/printing/listendruck.h"
#include "gui/printing/bezahltspaltendialog.h"
#include "gui/printing/druckablauf.h"
#include "gui/printing/druckoptionendialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace zalvor::guitest;

class DruckoptionenTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(ordner_.pfad()));
    }

    void pruefenZeigenDenDialogWiederUndSpeichern() {
        zalvor::test::AufzeichnendePerson p;
        Dialogablauf ablauf;
        ablauf
            .dann("Druckoptionen",
                  [](QDialog& d) {
                      auto* anVon = d.findChild<QCheckBox*>("CBAnVon");
                      QVERIFY(!anVon->isEnabled());
                      d.findChild<QLineEdit*>("EditOben")->setText("300");
                      d.findChild<QLineEdit*>("EditUnten")->setText("viel");
                      d.accept();
                  })
            .dann("Druckoptionen", [](QDialog& d) {
                QCOMPARE(d.findChild<QLineEdit*>("EditOben")->text(), QString("300"));
                d.findChild<QLineEdit*>("EditUnten")->setText("30");
                d.findChild<QCheckBox*>("CBSeitenNr")->setChecked(true);
                // Return in a number field is OK, as a person expects.
                QTest::keyClick(d.findChild<QLineEdit*>("EditUnten"), Qt::Key_Return);
                QVERIFY(!d.isVisible());
            });
        QVERIFY(zalvor::gui::druckoptionen(p, nullptr));
        QVERIFY(ablauf.fertig());
        QStringList titel;
        for (const auto& e : p.eintraege())
            titel << QString::fromStdString(e.titel + ": " + e.text);
        QCOMPARE(titel.size(), 3);
        QVERIFY(titel[0].startsWith("INFO: "));
        QCOMPARE(titel[1], QString("Fehler: Unterer Seitenrand ist keine Zahl!!!"));
        QVERIFY(titel[2].startsWith("Information: "));
        QCOMPARE(int{zalvor::gui::druckeinstellungen().oben}, 44);
        QVERIFY(zalvor::gui::druckeinstellungen().seitennummern);
    }

    void mitgliederlisteBeschriftetDieSpalteUm() {
        zalvor::test::AufzeichnendePerson p;
        Dialogablauf ablauf;
        ablauf.dann("Druckoptionen", [](QDialog& d) {
            auto* anVon = d.findChild<QCheckBox*>("CBAnVon");
            QVERIFY(anVon->isEnabled());
            QCOMPARE(anVon->text(), QString("\"&freie\" Spalten in Schrift 2"));
            QCOMPARE(d.findChild<QLineEdit*>("EditOben")->text(), QString("44"));
            d.reject();
        });
        QVERIFY(!zalvor::gui::druckoptionen(p, nullptr, "\"&freie\" Spalten in Schrift 2"));
        QVERIFY(p.eintraege().empty());
    }

    void bezahltSpalteWaehlt() {
        Dialogablauf ablauf;
        ablauf.dann("Bezahlt-Spalte",
                    [](QDialog& d) { d.findChild<QPushButton*>("BtnKlammern")->click(); });
        QCOMPARE(zalvor::gui::bezahltSpalteFragen(nullptr), zalvor::Bezahltstil::Klammern);
        ablauf.dann("Bezahlt-Spalte", [](QDialog& d) { d.reject(); });
        QVERIFY(!zalvor::gui::bezahltSpalteFragen(nullptr).has_value());
    }

    void ohnePassendesFensterKeinDruck() {
        zalvor::test::AufzeichnendePerson p;
        QWidget liste;
        liste.setWindowTitle("Ein/Aus - Liste");
        QCOMPARE(zalvor::gui::druckfensterSuchen({&liste}, "Ein/Aus - Liste", p), &liste);
        QVERIFY(!zalvor::gui::druckfensterSuchen({&liste}, "Buchungstabelle", p));
        QCOMPARE(p.eintraege().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(p.eintraege()[0].titel), QString("Movel95 - Fehler!"));
        QCOMPARE(p.eintraege()[0].symbol, zalvor::Symbol::Fehler);
    }

    void pdfAusDemDruckweg() {
        zalvor::Bericht b;
        b.fenstertitel = "Listentitel";
        zalvor::Raster r;
        r.kopf = {"BuNr", "Buchungstext"};
        r.zeilen = {{"1", "Erste"}};
        b.reiter.push_back({"", {r}});
        const QString pfad = QString::fromStdString(ordner_.datei("liste.pdf"));
        QVERIFY(zalvor::gui::alsPdfDrucken(
            nullptr,
            [&](zalvor::Messung& m, zalvor::Seitenformat f) {
                return zalvor::listeSetzen(b, zalvor::gui::druckeinstellungen(), m, f);
            },
            pfad));
        QVERIFY(QFileInfo(pfad).size() > 500);
    }

    void pdfDerVorschauBehaeltDasQuerformat() {
        zalvor::Bericht b;
        b.fenstertitel = "Breite Liste";
        const QString pfad = QString::fromStdString(ordner_.datei("quer.pdf"));
        zalvor::gui::drucker().setPageOrientation(QPageLayout::Landscape);
        Dialogablauf ablauf;
        ablauf.dann("Druckvorschau", [](QDialog& d) { d.findChild<QAction*>("alsPdf")->trigger(); })
            .dann("Als PDF speichern", [pfad](QDialog& d) {
                static_cast<QFileDialog&>(d).selectFile(pfad);
                d.accept();
            });
        zalvor::gui::druckvorschau(nullptr, [&](zalvor::Messung& m, zalvor::Seitenformat f) {
            return zalvor::listeSetzen(b, zalvor::gui::druckeinstellungen(), m, f);
        });
        zalvor::gui::drucker().setPageOrientation(QPageLayout::Portrait);
        QVERIFY(ablauf.fertig());
        QProcess info;
        info.start("pdfinfo", {pfad});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains("842 x 595"));
    }

  private:
    zalvor::test::TempVerzeichnis ordner_;
};

QTEST_MAIN(DruckoptionenTest)
#include "druckoptionen_test.moc"
