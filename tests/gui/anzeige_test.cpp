// What the windows show: the table after a new file, captions and prompts whole and in place,
// the status bar's panels, the currency list, columns that fit their texts, read-only mode.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "gui/common/dialoglage.h"
#include "gui/entry/waehrungsdialog.h"
#include "gui/lists/listenfenster.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/protection/codeeingabe.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

TDefinitionen langeNamen() {
    TDefinitionen d = unbenannteKonten();
    d.konten[1] = "Kasse";
    d.typen.setzeTypName(Seite::Einnahme, 1, A("Getränkeverkauf"));
    return d;
}

// Every column of the grid is at least as wide as its texts and its heading need.
void spaltenGanz(QTableView* t) {
    const QAbstractItemView* ansicht = t;
    for (int s = 0; s < t->model()->columnCount(); ++s) {
        const int noetig =
            std::max(ansicht->sizeHintForColumn(s), t->horizontalHeader()->sectionSizeHint(s));
        QVERIFY2(t->columnWidth(s) >= noetig,
                 qPrintable(t->model()->headerData(s, Qt::Horizontal).toString()));
    }
}

// The bold caption with room for the title bar's buttons.
int captionBreite(const QWidget& w) {
    QFont fett = w.font();
    fett.setBold(true);
    return QFontMetrics(fett).horizontalAdvance(w.windowTitle()) + 60;
}

} // namespace

class AnzeigeTest : public QObject {
    Q_OBJECT

    test::TempVerzeichnis tmp_;

    std::unique_ptr<Fenster> offen(const std::string& name, const std::vector<TBuchung>& b = {}) {
        dateiAnlegen(tmp_.datei(name), "26", b, langeNamen());
        auto f = std::make_unique<Fenster>();
        f->form->resize(1200, 700);
        f->form->show();
        if (f->form->dateiOeffnen(QString::fromStdString(tmp_.datei(name) + ".26")) !=
            OeffnenErgebnis::Geoeffnet)
            return nullptr;
        f->person.leeren();
        return f;
    }

  private slots:
    void neueDateiZeigtNichtsVomAltenVereinUndMaximiert() {
        auto f = offen("Alt", {buchung(Neu{}), buchung(Neu{})});
        QVERIFY(f);
        f->person.antworte(tmp_.datei("Frisch") + ".26");
        int zeilenWaehrenddessen = -1;
        Dialogablauf ablauf;
        ablauf
            .dann(u("\"Alte\" Währung und Euro"),
                  [&](QDialog& d) {
                      zeilenWaehrenddessen = f->form->tabelle()->modell()->rowCount();
                      d.reject();
                  })
            .dann(u("Datei-Einstellungen"), [](QDialog& d) { d.reject(); })
            .dann(u("Anfangsbestände"), [](QDialog& d) {
                zelleTippen(feld<QTableWidget>(d, "SGKonto"), 0, 1, u("10"));
                QVERIFY(klicken(d, u("OK")));
            });
        f->form->aktion("neu")->trigger();
        QVERIFY2(ablauf.fertig(), qPrintable(ablauf.gezeigt().join(", ")));
        // Only the empty row while the new club is being set up.
        QCOMPARE(zeilenWaehrenddessen, 1);
        auto* rahmen = qobject_cast<QMdiSubWindow*>(f->form->tabelle()->parentWidget());
        QVERIFY(rahmen && rahmen->isMaximized());
        QCOMPARE(f->form->tabelle()->modell()->saetze(), 1);
    }

    void codeabfrageZeigtIhrenTitelGanzUndStehtMittig() {
        gui::Tcodeinput eingabe;
        QRect lage;
        QTimer::singleShot(0, &eingabe, [&] {
            lage = eingabe.frameGeometry();
            QVERIFY(eingabe.width() >= captionBreite(eingabe));
            eingabe.reject();
        });
        gui::dialoglageMerken();
        eingabe.abfragen(u("Codewort nocheinmal eingeben!"), CodeBild::Wiederholung);
        // Without a window behind it the prompt stands in the middle of the screen.
        const QPoint mitte = eingabe.screen()->availableGeometry().center();
        QVERIFY2((lage.center() - mitte).manhattanLength() < 10,
                 qPrintable(QString("%1,%2").arg(lage.center().x()).arg(lage.center().y())));
    }

    void eingabefensterZeigtSeinenTitelGanz() {
        auto f = offen("Titel");
        QVERIFY(f);
        QInputDialog box(f->form.get());
        box.setWindowTitle(u("Neue Gruppe anlegen"));
        box.setLabelText(u("Gr-Name:"));
        QTimer::singleShot(0, &box, [&box] {
            QVERIFY(box.width() >= captionBreite(box));
            box.reject();
        });
        box.exec();
    }

    void statuszeileZeigtKeinenHinweisUeberDenFeldern() {
        auto f = offen("Status", {buchung(Neu{})});
        QVERIFY(f);
        QVERIFY(QTest::qWaitForWindowExposed(f->form.get()));
        QStatusBar* leiste = f->form->statusBar();
        // A button's hint stays behind when the window it opened covers the button.
        leiste->showMessage(u("Neue Buchung"));
        f->form->resize(1100, 650);
        QTRY_VERIFY(leiste->currentMessage().isEmpty());
        QVERIFY(f->form->findChild<QLabel*>("statusFeld3")->isVisible());
        leiste->showMessage(u("E/A-Liste"));
        f->form->aktion("tabelleNeu")->trigger();
        QVERIFY(leiste->currentMessage().isEmpty());
    }

    void waehrungslisteZeigtDiePunkteVonOeS() {
        gui::TDSetEuro d;
        const int i = d.CBWaehrg->findText(u("ÖS"));
        QVERIFY(i >= 0);
        const QFontMetrics m(d.CBWaehrg->view()->font());
        QVERIFY(d.CBWaehrg->view()->sizeHintForRow(i) > m.boundingRect(u("ÖS")).height());
    }

    void spaltenZeigenIhreTexteGanz() {
        Neu lang;
        lang.typ = 1;
        lang.text = "Getraenkeverkauf Sommerfest";
        auto f = offen("Spalten", {buchung(lang)});
        QVERIFY(f);
        QTableView* tabelle = f->form->tabelle()->ansicht();
        spaltenGanz(tabelle);
        // The sort arrow takes its room in the heading too.
        tabelle->horizontalHeader()->setSortIndicator(4, Qt::DescendingOrder);
        f->form->aktion("tabelleNeu")->trigger();
        spaltenGanz(tabelle);
        for (const char* liste : {"einfachliste", "eaListe"}) {
            f->form->aktion(liste)->trigger();
            gui::TListenWin* w = gui::listenfenster().front();
            QVERIFY(w);
            spaltenGanz(w->oberesRaster());
        }
    }

    void nurLesenSperrtLoeschenUndSagtEs() {
        auto f = offen("Lesen", {buchung(Neu{})});
        QVERIFY(f);
        QMenu* popup = f->form->tabelle()->popup();
        QVERIFY(popup->actions().at(1)->isEnabled());
        auto* hinweis = f->form->findChild<QLabel*>("statusNurLesen");
        QVERIFY(hinweis && !hinweis->isVisible());
        f->form->sitzung().verein.nurLesen = true;
        f->form->nachDemOeffnenFreigeben();
        QCOMPARE(popup->actions().at(1)->text(), u("&Löschen"));
        QVERIFY(!popup->actions().at(1)->isEnabled());
        QVERIFY(popup->actions().at(0)->isEnabled());
        QVERIFY(hinweis->isVisible());
        QCOMPARE(hinweis->text(), u("Nur lesen"));
    }
};

QTEST_MAIN(AnzeigeTest)
#include "anzeige_test.moc"
