// Message box, markup label and progress window; the Qt person's boxes and buttons.
#include "core/entry/einoderausfrage.h"
#include "gui/common/auszeichnungslabel.h"
#include "gui/common/meldungsfenster.h"
#include "gui/common/qtperson.h"
#include "gui/entry/einoderaus.h"
#include "gui/files/reorganisationsfortschritt.h"
#include "guitesthilfen.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace zalvor;
using namespace zalvor::gui;
using zalvor::guitest::u;

namespace {

// Runs `f` on the modal box that the next call opens, once it is shown.
void beimNaechstenDialog(std::function<void(QWidget*)> f) {
    QTimer::singleShot(0, [f] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        f(w);
    });
}

} // namespace

class MeldungenTest : public QObject {
    Q_OBJECT

  private slots:
    void msgBoxErsetztDieTexte() {
        TWMsgBox box;
        box.setzen("Erster", "\rEins");
        box.setzen(u("Zweiter"), u("\r\rZwei und \\Bfett\\b"));
        QCOMPARE(box.windowTitle(), QString("Zweiter"));
        QCOMPARE(box.label()->caption(), u("\r\rZwei und \\Bfett\\b"));
        QCOMPARE(box.label()->horzAlignment(), TXaHorzAlignment::haCenter);
        QCOMPARE(box.label()->vertAlignment(), TXaVertAlignment::vaCenter);
        box.show();
        const QStringList zeilen = box.label()->zeilen();
        QCOMPARE(zeilen.value(0), QString());
        QCOMPARE(zeilen.value(1), QString());
        QCOMPARE(zeilen.value(2), u("Zwei und fett"));
    }

    void msgBoxZeigtModalUndKehrtBeiOkZurueck() {
        TWMsgBox box;
        beimNaechstenDialog([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Hinweis"));
            auto* ok = w->findChild<QPushButton*>();
            QVERIFY(ok);
            ok->click();
        });
        box.zeigen("Hinweis", "Text");
        QVERIFY(!box.isVisible());
    }

    void labelUmbruchUndAusrichtungImWidget() {
        TXaLabel label;
        label.resize(60, 200);
        label.setCaption("aaaaaaaaaaaaaaaaaaaa bb");
        label.setHorzAlignment(TXaHorzAlignment::haRight);
        label.setVertAlignment(TXaVertAlignment::vaBottom);
        const auto satz = label.anordnung();
        QVERIFY(satz.zeilen.size() >= 2);
        for (const auto& z : satz.zeilen)
            QVERIFY(z.breite <= 60);
        QCOMPARE(satz.zeilen.back().y + label.fontMetrics().height(), 200);
        QCOMPARE(label.zeilen().join("").remove(QChar(' ')), QString("aaaaaaaaaaaaaaaaaaaabb"));
        // Painting the block (also transparent) does not lose or add text.
        label.setTransparent(true);
        QImage bild(label.size(), QImage::Format_ARGB32);
        bild.fill(Qt::transparent);
        label.render(&bild, {}, {}, QWidget::DrawChildren);
        QCOMPARE(bild.pixelColor(0, 0).alpha(), 0);
    }

    void labelMalt() {
        TXaLabel label;
        label.resize(200, 40);
        label.setCaption("\\cRed\\BX");
        QImage bild(label.size(), QImage::Format_ARGB32);
        bild.fill(Qt::white);
        label.render(&bild);
        bool rot = false;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 80 && c.blue() < 80) rot = true;
            }
        QVERIFY(rot);
    }

    void fortschrittsfenster() {
        TReorgWB wb;
        QVERIFY(!(wb.windowFlags() & Qt::WindowCloseButtonHint));
        wb.beginnen("Reorganisation...", u("Datei wird neu geschrieben und Indexdateien "
                                           "werden neu aufgebaut..."));
        QCOMPARE(wb.windowTitle(), QString("Reorganisation..."));
        QCOMPARE(wb.prozentText(), QString("0"));
        QVERIFY(wb.isVisible());
        wb.setProzent(57);
        QCOMPARE(wb.prozent(), 57);
        QCOMPARE(wb.prozentText(), QString("57"));
        // Escape and closing by hand do not end the window while the work runs.
        QTest::keyClick(&wb, Qt::Key_Escape);
        wb.close();
        QVERIFY(wb.isVisible());
        wb.setProzent(130);
        QCOMPARE(wb.prozentText(), QString("100"));
        wb.beenden();
        QVERIFY(!wb.isVisible());
    }

    void fortschrittBremstDieArbeitNicht() {
        TReorgWB wb;
        wb.beginnen("Reorganisation...", "x");
        QElapsedTimer uhr;
        uhr.start();
        for (int i = 0; i < 65535; ++i)
            wb.setProzent(i * 100 / 65535);
        QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
        wb.beenden();
    }

    void frageMitVorwahlUndEigenenKnoepfen() {
        QWidget fenster;
        QtPerson person(&fenster);
        Frage f;
        f.titel = "Buchung";
        f.text = "Einnahme oder Ausgabe?\rBitte w\xE4hlen";
        f.symbol = Symbol::Frage;
        f.knoepfe = {Knopf::Eigen1, Knopf::Eigen2, Knopf::Abbruch};
        f.eigeneTexte = {"Einnahme", "Ausgabe"};
        f.vorwahl = Knopf::Eigen2;
        beimNaechstenDialog([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->text(), u("Einnahme oder Ausgabe?\nBitte wählen"));
            QCOMPARE(box->defaultButton()->text(), QString("Ausgabe"));
            box->defaultButton()->click();
        });
        QCOMPARE(person.frage(f), std::optional<Knopf>(Knopf::Eigen2));

        const Frage jn =
            jaNeinFrage("Löschen!", "Satz wirklich l\xF6schen?", Symbol::Warnung, Knopf::Nein);
        beimNaechstenDialog([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            // The buttons speak German whatever Qt translations are installed.
            QCOMPARE(box->button(QMessageBox::Yes)->text(), u("&Ja"));
            QCOMPARE(box->button(QMessageBox::No)->text(), u("&Nein"));
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(person.frage(jn), std::optional<Knopf>(Knopf::Ja));
    }

    void einnahmeOderAusgabeImEigenenDialog() {
        QWidget fenster;
        QtPerson person(&fenster);
        for (const char* knopf : {"Ausgabe", "Einnahme"}) {
            beimNaechstenDialog([knopf](QWidget* w) {
                auto* d = qobject_cast<TDEinoderAus*>(w);
                QVERIFY(d);
                QCOMPARE(d->windowTitle(), u("Buchen: E/A?"));
                QVERIFY(d->einnahmeKnopf()->isDefault());
                QCOMPARE(d->ausgabeKnopf()->text(), u("Ausgabe"));
                (QString(knopf) == "Ausgabe" ? d->ausgabeKnopf() : d->einnahmeKnopf())->click();
            });
            const auto antwort = einnahmeOderAusgabe(person);
            QVERIFY(antwort.has_value());
            QCOMPARE(*antwort, QString(knopf) == "Einnahme");
        }
        // The same dialog serves every question; Escape leaves it without an answer.
        TDEinoderAus* erster = &person.einOderAus();
        beimNaechstenDialog([erster](QWidget* w) {
            QCOMPARE(w, static_cast<QWidget*>(erster));
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QVERIFY(!einnahmeOderAusgabe(person).has_value());
    }

    void meldungMitSymbolUndNachrichtImEigenenFenster() {
        QWidget fenster;
        QtPerson person(&fenster);
        beimNaechstenDialog([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QString("Zalvor 4.5"));
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->text(), QString("E/A-Fehler 28"));
            box->button(QMessageBox::Ok)->click();
        });
        person.meldung("Zalvor 4.5", "E/A-Fehler 28", Symbol::Stopp);

        beimNaechstenDialog([](QWidget* w) {
            QVERIFY(qobject_cast<TWMsgBox*>(w));
            QCOMPARE(w->windowTitle(), u("Anmerkung"));
            w->findChild<QPushButton*>()->click();
        });
        person.nachricht("Anmerkung", "Um die Indexdateien zu erstellen");
        QCOMPARE(person.msgBox().label()->caption(), QString("Um die Indexdateien zu erstellen"));
    }

    void fortschrittUeberDiePerson() {
        QWidget fenster;
        QtPerson person(&fenster);
        person.fortschrittZeigen("Reorganisation...", "Datei wird neu geschrieben");
        auto& wb = person.fortschrittsfenster();
        QVERIFY(wb.isVisible());
        QCOMPARE(wb.prozentText(), QString("0"));
        person.fortschritt(33);
        QCOMPARE(wb.prozentText(), QString("33"));
        person.fortschrittText("Reorganisiere die Schablonen-Datei...");
        QCOMPARE(wb.text(), QString("Reorganisiere die Schablonen-Datei..."));
        person.fortschritt(0);
        QCOMPARE(wb.prozentText(), QString("0"));
        person.fortschrittSchliessen();
        QVERIFY(!wb.isVisible());
        // The window is reused for the next run.
        person.fortschrittZeigen("Reorganisation...", "Zweiter Lauf");
        QCOMPARE(&person.fortschrittsfenster(), &wb);
        QCOMPARE(wb.prozentText(), QString("0"));
        person.fortschrittSchliessen();
    }

    void eingabeLiefertWindowsTextOderNichts() {
        QWidget fenster;
        QtPerson person(&fenster);
        beimNaechstenDialog([](QWidget* w) {
            auto* dlg = qobject_cast<QInputDialog*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QString("Neue Datei"));
            QCOMPARE(dlg->labelText(), QString("Dateiname:"));
            dlg->setTextValue(u("Bücher"));
            dlg->accept();
        });
        QCOMPARE(person.eingabe("Neue Datei", "Dateiname:", ""),
                 std::optional<std::string>("B\xFC"
                                            "cher"));
        beimNaechstenDialog([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        QCOMPARE(person.eingabe("Neue Datei", "Dateiname:", ""), std::nullopt);
    }
};

QTEST_MAIN(MeldungenTest)
#include "meldungen_test.moc"
