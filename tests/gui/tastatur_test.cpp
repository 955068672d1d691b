// Working the dialogs by keyboard: Tab through grids in reading order, F1 everywhere, the
// cursor on the amount that failed, digits that pick a numbered entry.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "core/closing/typgruppenzuordnung.h"
#include "core/common/typverwaltung.h"
#include "gui/closing/typgruppendialog.h"
#include "gui/common/hilfeaufruf.h"
#include "gui/common/nummernliste.h"
#include "gui/files/anfangsbestaendedialog.h"
#include "gui/files/namensraster.h"
#include "gui/members/beitragssaetzedialog.h"
#include "gui/members/karteikartendialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

// The widget that has the focus after `n` presses of Tab on the focus widget of `w`.
QWidget* nachTab(QWidget& w, int n = 1) {
    for (int i = 0; i < n; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w,
                        Qt::Key_Tab);
    return QApplication::focusWidget();
}

// Types key by key into whatever has the focus (the first key opens a cell's editor).
void insFokusSchreiben(const QString& text) {
    for (QChar c : text)
        schreiben(QApplication::focusWidget(), QString(c));
}

// The grid whose editor (or the grid itself) has the focus.
bool imRaster(QWidget* fokus, QTableWidget* raster) {
    return fokus == raster || (fokus && raster->isAncestorOf(fokus));
}

} // namespace

class TastaturTest : public QObject {
    Q_OBJECT

  private slots:
    void beitragssaetzeTabFuehrtZumBetragDerselbenZeile() {
        gui::TDBeitrSaetze d;
        SaetzeEingaben e{};
        d.fuellen(e);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        zelleTippen(d.SGSaetze, 0, 0, u("Jugend"), false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(d.SGSaetze->currentRow(), 0);
        QCOMPARE(d.SGSaetze->currentColumn(), 1);
        // What is typed now is the amount of that rate.
        insFokusSchreiben(u("12,50"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(d.SGSaetze->currentRow(), 1);
        QCOMPARE(d.SGSaetze->currentColumn(), 0);
        d.nehmen(e);
        QCOMPARE(e[0].name, std::string("Jugend"));
        QCOMPARE(e[0].betrag, std::string("12,50"));
        // Both columns fit the grid: the amount column ends inside the visible area and has
        // room for the nine characters of an amount.
        auto* r = d.SGSaetze;
        QVERIFY2(r->columnViewportPosition(1) + r->columnWidth(1) <= r->viewport()->width(),
                 qPrintable(QString("%1+%2 > %3")
                                .arg(r->columnViewportPosition(1))
                                .arg(r->columnWidth(1))
                                .arg(r->viewport()->width())));
        QVERIFY(r->columnWidth(1) >= r->fontMetrics().horizontalAdvance(u("000000,00")));
    }

    void karteikarteTabLaeuftDurchAlleFelder() {
        gui::TDMglKrt karte;
        Karteikarte k;
        k.feldnamen = {"Ort", "Tel", "Mail", "Frei 4", "Frei 5"};
        k.saetze = {"Standard", "Jugend"};
        k.satzlisteAktiv = true;
        karte.fuellen(k, true);
        karte.show();
        QVERIFY(QTest::qWaitForWindowActive(&karte));
        QCOMPARE(QApplication::focusWidget(), karte.EName);
        QCOMPARE(nachTab(karte), karte.EVorname);
        QVERIFY(imRaster(nachTab(karte), karte.SGFelder));
        // The grid is entered at the first value, and what is typed lands there.
        QCOMPARE(karte.SGFelder->currentRow(), 0);
        QCOMPARE(karte.SGFelder->currentColumn(), 1);
        insFokusSchreiben(u("Neuhof"));
        for (int zeile = 1; zeile < 5; ++zeile) {
            QVERIFY(imRaster(nachTab(karte), karte.SGFelder));
            QCOMPARE(karte.SGFelder->currentRow(), zeile);
        }
        QCOMPARE(nachTab(karte), karte.CBSatz);
        // Shift+Tab goes back into the grid at its last value.
        QTest::keyClick(karte.CBSatz, Qt::Key_Backtab);
        QVERIFY(imRaster(QApplication::focusWidget(), karte.SGFelder));
        QCOMPARE(karte.SGFelder->currentRow(), 4);
        karte.nehmen(k);
        QCOMPARE(k.eingaben.frei[0], std::string("Neuhof"));
        QCOMPARE(k.eingaben.satz, 0);
    }

    void f1ZeigtDieHilfeDesDialogs() {
        int gezeigt = 0;
        gui::hilfeAufrufSetzen([&gezeigt](int kontext) { gezeigt = kontext; });
        Typverwaltung typen;
        typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        test::AufzeichnendePerson person;
        gui::TDTGAssign d(typen, Seite::Ausgabe, person);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(gezeigt, 111);
        gui::hilfeAufrufSetzen({});
    }

    void anfangsbestaendeStehenAufDemFehlerhaftenKonto() {
        gui::TWGetAB d;
        TDefinitionen def;
        std::array<std::string, 9> betraege;
        betraege.fill("0.00");
        d.fuellen(def, betraege);
        QCOMPARE(d.SGKonto->currentRow(), 0);
        betraege[3] = "12.345";
        d.fuellen(def, betraege);
        QCOMPARE(d.SGKonto->currentRow(), 3);
        QCOMPARE(d.SGKonto->currentColumn(), 1);
        betraege[1] = "";
        d.fuellen(def, betraege);
        QCOMPARE(d.SGKonto->currentRow(), 1);
    }

    void ziffernWaehlenDenTypMitDieserNummer() {
        gui::TNummernliste liste;
        for (const char* e : {" 0: Sonstige", " 1: Miete", " 2: Porto", "10: Strom", "12: Wasser"})
            liste.addItem(u(e));
        liste.show();
        QVERIFY(QTest::qWaitForWindowExposed(&liste));
        QTest::keyClick(&liste, Qt::Key_2);
        QCOMPARE(liste.currentText(), u(" 2: Porto"));
        // Two digits in quick succession name a two-digit number.
        QTest::keyClick(&liste, Qt::Key_1);
        QTest::keyClick(&liste, Qt::Key_2);
        QCOMPARE(liste.currentText(), u("12: Wasser"));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClick(&liste, Qt::Key_0);
        QCOMPARE(liste.currentText(), u(" 0: Sonstige"));
    }
};

QTEST_MAIN(TastaturTest)
#include "tastatur_test.moc"
