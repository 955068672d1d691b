// The help window: a topic for every context number, a clean index, and help that can be
// read and used while a modal dialog is open.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "gui/files/dialoghilfe.h"
#include "gui/mainwindow/hilfe.h"

#include <QListWidget>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

#include <map>

using namespace zalvor::guitest;
using namespace zalvor::gui;

namespace {

// Clicks the entry with this text in a list of the help window.
bool eintragKlicken(QListWidget* liste, const QString& text) {
    const auto treffer = liste->findItems(text, Qt::MatchExactly);
    if (treffer.isEmpty()) return false;
    liste->scrollToItem(treffer.front());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(treffer.front()).center());
    return true;
}

} // namespace

class HilfeTest : public QObject {
    Q_OBJECT

  private slots:
    void jederKontextHatEinenAusfuehrlichenText() {
        for (int kontext :
             {kHilfeBuchung, kHilfeUmbuchung, kHilfeMwSt, kHilfeWaehrung, kHilfeEuroSymbol,
              kHilfeEinstellungen, kHilfeSortieren, kHilfeAnfangsbestaende, kHilfeNaechstesJahr, 1,
              18, 19, 104, kHilfeHilfe}) {
            const Hilfethema* t = hilfethema(kontext);
            QVERIFY2(t, qPrintable(QString::number(kontext)));
            // A few words do not help a treasurer: each topic explains with some sentences.
            QVERIFY2(QString::fromUtf8(t->html).size() > 300, t->titel);
        }
        // The changeover period the currency dialog points to is explained there.
        const QString waehrung = QString::fromUtf8(hilfethema(kHilfeWaehrung)->html);
        QVERIFY(waehrung.contains(u("Umstellungszeitraum bis")));
        QVERIFY(waehrung.contains(u("Beispiel")));
    }

    void kontextnummernUndStichworteSindEindeutig() {
        std::map<int, int> nummern;
        std::map<QString, QString> stichworte;
        for (const auto& t : hilfethemen()) {
            QVERIFY2(++nummern[t.kontext] == 1, t.titel);
            for (const QString& w : QString::fromUtf8(t.stichworte).split(';')) {
                const QString schluessel = w.trimmed().toCaseFolded();
                QVERIFY2(!stichworte.count(schluessel),
                         qPrintable(w + u(" in ") + stichworte[schluessel] + u(" und ") +
                                    QString::fromUtf8(t.titel)));
                stichworte[schluessel] = QString::fromUtf8(t.titel);
            }
        }
    }

    void hilfeAusModalemDialogIstVorneUndBedienbar() {
        Fenster f;
        QTemporaryDir tmp;
        const std::string basis = tmp.filePath("Verein").toStdString();
        dateiAnlegen(basis, "26", {buchung(Neu{})});
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis + ".26")),
                 zalvor::OeffnenErgebnis::Geoeffnet);
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        THilfe* hilfe = f.form->hilfe();
        Dialogablauf ablauf;
        ablauf.dann(u("\"Alte\" Währung und Euro"), [hilfe](QDialog& d) {
            QVERIFY(klicken(d, u("&Hilfe")));
            QVERIFY(hilfe->isVisible());
            QCOMPARE(hilfe->aktuellerKontext(), kHilfeWaehrung);
            QCOMPARE(QApplication::activeModalWidget(), &d);
            // The dialog's modality does not block the help: a click on another topic works.
            QVERIFY(eintragKlicken(hilfe->findChild<QListWidget*>("Inhalt"), u("Tastenkürzel")));
            QCOMPARE(hilfe->aktuellerKontext(), 104);
            // It lies on the screen, in front of the dialog.
            const QRect bild = hilfe->screen()->availableGeometry();
            QVERIFY(bild.contains(hilfe->frameGeometry().topLeft()));
            QVERIFY(hilfe->isWindow());
            // For the manual: the whole screen, help over the dialog over the main window.
            const QString ordner = qEnvironmentVariable("ZALVOR_BILDER");
            if (!ordner.isEmpty()) QTest::qWait(500); // the window system paints them first
            if (!ordner.isEmpty())
                QVERIFY(hilfe->screen()->grabWindow(0).save(ordner + u("/hilfe-ueber-dialog.png")));
            d.reject();
        });
        f.form->aktion("waehrung")->trigger();
        QVERIFY(ablauf.fertig());
        // The help outlives the dialog as a window of its own.
        QVERIFY(hilfe->isVisible());
        QCOMPARE(hilfe->parentWidget(), nullptr);
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_test.moc"
