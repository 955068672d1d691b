// The file list window driven like a person: opened from the menu through the file dialog,
// the notice once per showing, adding with its refusals, a multi-file closing, removing,
// the closing question and saving.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "gui/closing/abschlussfenster.h"
#include "gui/closing/dateilistenfenster.h"
#include "gui/common/oeffnendialog.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

// A dialog step that picks this file in the program's own file dialog.
Dialogablauf::Schritt waehle(const QString& pfad) {
    return [pfad](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(pfad);
        d.accept();
    };
}

int anzahl(const test::AufzeichnendePerson& p, const std::string& titel) {
    int n = 0;
    for (const auto& e : p.eintraege())
        n += e.titel == titel;
    return n;
}

QStringList eintraege(QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i)
        s << l->item(i)->text();
    return s;
}

} // namespace

class DateilisteTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void fensterWieEinMensch() {
        const QString verein = dir_.path() + "/Verein.26";
        const QString jugend = dir_.path() + "/Jugend.26";
        dateiAnlegen((dir_.path() + "/Verein").toStdString(), "26", {buchung(Neu{})});
        Neu ausgabe;
        ausgabe.einnahme = false;
        ausgabe.kontoVon = 1;
        ausgabe.kontoNach = 0;
        dateiAnlegen((dir_.path() + "/Jugend").toStdString(), "26", {buchung(ausgabe)});
        const QString liste = dir_.path() + "/Vereine.FL";
        {
            QFile l(liste);
            QVERIFY(l.open(QIODevice::WriteOnly));
            l.write((verein + "\r\n").toUtf8());
        }

        Fenster f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        Dialogablauf ablauf;
        ablauf.dann(QString::fromUtf8("Dateiliste öffnen"), waehle(liste));
        f.form->aktion("dateilisteOeffnen")->trigger();
        QTRY_VERIFY(f.form->findChild<gui::TDFL*>());
        auto* fl = f.form->findChild<gui::TDFL*>();
        // The frame maximizing its child shows it again: the notice still comes once.
        QTRY_COMPARE(anzahl(f.person, "WICHTIG!"), 1);
        QTest::qWait(50);
        QCOMPARE(anzahl(f.person, "WICHTIG!"), 1);
        QCOMPARE(eintraege(fl->ListBox1), QStringList{verein});

        bool ohneSicherungen = false;
        ablauf.dann(QString::fromUtf8("Datei hinzufügen"), [&](QDialog& d) {
            // The reorganisation backups ("~...") are not offered, as in "Öffnen...".
            ohneSicherungen =
                qobject_cast<gui::OhneSicherungskopien*>(static_cast<QFileDialog&>(d).proxyModel());
            waehle(jugend)(d);
        });
        fl->BitBtnHinzu->click();
        QVERIFY(ohneSicherungen);
        QCOMPARE(eintraege(fl->ListBox1), (QStringList{verein, jugend}));
        // The same file once more is refused with a message, and the list stays.
        const std::size_t vorher = f.person.meldungen().size();
        ablauf.dann(QString::fromUtf8("Datei hinzufügen"), waehle(jugend));
        fl->BitBtnHinzu->click();
        QCOMPARE(f.person.meldungen().size(), vorher + 1);
        QCOMPARE(fl->ListBox1->count(), 2);

        const std::size_t fenster = gui::abschlussfenster().size();
        fl->BitBtnJahr->click();
        QCOMPARE(gui::abschlussfenster().size(), fenster + 1);
        QTest::qWait(50);
        QCOMPARE(anzahl(f.person, "WICHTIG!"), 1);
        // The narrow file column gives the whole path as its tool tip.
        bool pfadGefunden = false;
        for (QTableView* t : gui::abschlussfenster().front()->findChildren<QTableView*>())
            for (int z = 0; z < t->model()->rowCount(); ++z)
                pfadGefunden |= t->model()->index(z, 0).data(Qt::ToolTipRole).toString() == verein;
        QVERIFY(pfadGefunden);
        // The cell names the file with its year, so that the files can be told apart.
        QTableView* ausgaben = gui::abschlussfenster().front()->raster("StringGrid2");
        QCOMPARE(ausgaben->model()->index(0, 0).data().toString(), QStringLiteral("Verein.26"));
        QCOMPARE(ausgaben->model()->index(1, 0).data().toString(), QStringLiteral("Jugend.26"));
        bild(*gui::abschlussfenster().front(), "mehrdateiabschluss.png");

        fl->ListBox1->setCurrentRow(0);
        f.person.antworte(Knopf::Ja);
        fl->BitBtnEntfernen->click();
        QCOMPARE(eintraege(fl->ListBox1), QStringList{jugend});

        // Closing asks; Cancel keeps the window and its changes.
        auto* rahmen = qobject_cast<QMdiSubWindow*>(fl->parentWidget());
        QVERIFY(rahmen);
        f.person.antworte(Knopf::Abbruch);
        QVERIFY(!rahmen->close());
        QCOMPARE(fl->ListBox1->count(), 1);

        fl->BitBtnSpeichern->click();
        QTRY_VERIFY(!f.form->findChild<gui::TDFL*>());
        QFile l(liste);
        QVERIFY(l.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(l.readAll()), jugend + "\r\n");
        QVERIFY(ablauf.unerwartet().isEmpty());
        QVERIFY(f.person.antwortenAufgebraucht());
    }
};

QTEST_MAIN(DateilisteTest)
#include "dateiliste_test.moc"
