// The editable name and amount grids typed into as a person does: click the highlighted
// cell and type at once, Tab and Shift+Tab between cells, Enter commits.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "core/common/zeichensatz.h"
#include "gui/files/anfangsbestaendedialog.h"
#include "gui/files/namensraster.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

using namespace zalvor::guitest;

namespace {

// A left click in the middle of a cell, as the mouse gives it.
void zelleKlicken(QTableWidget* raster, int zeile, int spalte) {
    const QRect r = raster->visualRect(raster->model()->index(zeile, spalte));
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, r.center());
}

// Keys go where the focus is, as on a keyboard.
void tasten(const QString& text) {
    QWidget* ziel = QApplication::focusWidget();
    QVERIFY(ziel);
    schreiben(ziel, text);
}

void taste(Qt::Key k, Qt::KeyboardModifiers m = {}) {
    QWidget* ziel = QApplication::focusWidget();
    QVERIFY(ziel);
    QTest::keyClick(ziel, k, m);
}

struct Anfangsbestaende {
    Anfangsbestaende() {
        zalvor::TDefinitionen def;
        for (int n = 1; n <= 9; ++n)
            def.konten[static_cast<std::size_t>(n)] = zalvor::kUnbenannt;
        std::array<std::string, 9> null;
        null.fill("0.00");
        dlg.fuellen(def, null);
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }
    zalvor::gui::TWGetAB dlg;
    QTableWidget* raster() { return dlg.SGKonto; }
};

} // namespace

class EingaberasterTest : public QObject {
    Q_OBJECT

  private slots:
    void klickAufMarkierteZelleBehaeltJedesZeichen_data() {
        QTest::addColumn<int>("pauseMs");
        // A quick typist and one who pauses after a few characters (the delayed edit of a
        // click on the selected cell used to start then and swallow what was typed).
        QTest::newRow("sofort") << 0;
        QTest::newRow("mit Pause") << 600;
    }
    void klickAufMarkierteZelleBehaeltJedesZeichen() {
        QFETCH(int, pauseMs);
        Anfangsbestaende a;
        auto* r = a.raster();
        QCOMPARE(r->currentRow(), 0);
        zelleKlicken(r, 0, 1);
        tasten(u("1234"));
        if (pauseMs) QTest::qWait(pauseMs);
        tasten(u("5678"));
        taste(Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(a.dlg.betraege()[0], std::string("12345678"));
        // Enter committed the cell and left the dialog open.
        QVERIFY(a.dlg.isVisible());
    }

    void tabWandertDurchDieZellenUndVerlaesstDasRasterErstAmEnde() {
        Anfangsbestaende a;
        auto* r = a.raster();
        zelleKlicken(r, 0, 1);
        for (int n = 1; n <= 9; ++n) {
            tasten(QString::number(n * 11));
            taste(Qt::Key_Tab);
            if (n < 9) QCOMPARE(r->currentRow(), n);
        }
        QCoreApplication::processEvents();
        // After the last cell the focus is on the buttons, not back in the grid.
        QVERIFY(!r->isAncestorOf(QApplication::focusWidget()) && QApplication::focusWidget() != r);
        const auto b = a.dlg.betraege();
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(b[static_cast<std::size_t>(n - 1)], std::to_string(n * 11));
    }

    void shiftTabGehtZurueckUndVorDerErstenZelleHinaus() {
        Anfangsbestaende a;
        auto* r = a.raster();
        zelleKlicken(r, 2, 1);
        tasten(u("3"));
        taste(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(r->currentRow(), 1);
        tasten(u("2"));
        taste(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(r->currentRow(), 0);
        tasten(u("1"));
        taste(Qt::Key_Backtab, Qt::ShiftModifier);
        QCoreApplication::processEvents();
        QVERIFY(QApplication::focusWidget() != r && !r->isAncestorOf(QApplication::focusWidget()));
        const auto b = a.dlg.betraege();
        QCOMPARE((std::vector<std::string>{b[0], b[1], b[2], b[3]}),
                 (std::vector<std::string>{"1", "2", "3", "0.00"}));
    }

    void namenImEinstellungsdialogGetipptWieEinMensch() {
        Fenster f;
        QTemporaryDir tmp;
        const std::string basis = tmp.filePath("Verein").toStdString();
        dateiAnlegen(basis, "26", {buchung(Neu{})});
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis + ".26")),
                 zalvor::OeffnenErgebnis::Geoeffnet);
        Dialogablauf ablauf;
        ablauf.dann("Datei-Einstellungen", [](QDialog& d) {
            d.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            auto* aus = feld<QTableWidget>(d, "SGAus");
            zelleKlicken(aus, 0, 1);
            tasten(u("Hallenmiete"));
            taste(Qt::Key_Tab);
            tasten(u("Beiträge"));
            taste(Qt::Key_Return);
            QCoreApplication::processEvents();
            QVERIFY(d.isVisible());
            QVERIFY(klicken(d, u("&OK")));
        });
        f.form->aktion("einstellungen")->trigger();
        QVERIFY(ablauf.fertig());
        zalvor::TDefinitionen d;
        zalvor::test::AufzeichnendePerson stumm;
        d = zalvor::angezeigt(zalvor::definitionenLaden(basis), stumm);
        QCOMPARE(d.typen.typName(zalvor::Seite::Ausgabe, 1), std::string("Hallenmiete"));
        QCOMPARE(zalvor::OemNachAnsi(d.typen.typName(zalvor::Seite::Ausgabe, 2)),
                 zalvor::A("Beiträge"));
    }
};

QTEST_MAIN(EingaberasterTest)
#include "eingaberaster_test.moc"
