// The desktop's bank: the bank accounts dialog shows the demo's current account, the rules
// dialog hands on the rules as it shows them, and the import preview of the demo's March
// statement proposes, lets a line be left out and another account be chosen, books the chosen
// lines and shows the books agreeing.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "cli/common/lauf.h"
#include "core/bank/kontoauszugimport.h"
#include "core/database/zuordnungsregeln.h"
#include "core/files/dateibytes.h"
#include "core/files/satzdatei.h"
#include "gui/bank/kontoauszugfenster.h"
#include "gui/bank/zuordnungsregelndialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

namespace zalvor {

using guitest::u;

class KontoauszugTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    guitest::Fenster f_;

    std::string datei() const { return (dir_.path() + "/Sportverein.26").toStdString(); }

  private slots:
    void initTestCase() {
        std::ostringstream out, err;
        QCOMPARE(cli::ausfuehren({"--heute", "2026-03-05", "demo", dir_.path().toStdString()}, out,
                                 err, dir_.path().toStdString()),
                 0);
        f_.form->dateiOeffnen(QString::fromStdString(datei()));
    }

    void bankkontenZeigen() {
        guitest::Dialogablauf ablauf;
        ablauf.dann(u("Bankkonten"), [](QDialog& d) {
            auto* t = d.findChild<QTableWidget*>("bankkonten");
            QCOMPARE(t->item(1, 2)->text(), u("DE89 3704 0044 0532 0130 00"));
            QCOMPARE(t->item(1, 1)->text(), u("Girokonto"));
            guitest::bild(d, "bankkonten.png");
            d.reject();
        });
        f_.form->aktion("bankkonten")->trigger();
        QVERIFY(ablauf.fertig());
    }

    void zuordnungsregelnSammeln() {
        const Sitzung& s = f_.form->sitzung();
        const auto db = Datenbank::lesen(s.verein.dateien().datenbank()).wert();
        std::vector<bank::Zuordnungsregel> uebernommen;
        gui::ZuordnungsregelnDialog d(s.verein.def, gespeicherteRegeln(db),
                                      [&](const std::vector<bank::Zuordnungsregel>& r) {
                                          uebernommen = r;
                                          return std::string();
                                      });
        auto* t = d.findChild<QTableWidget*>("zuordnungsregeln");
        QCOMPARE(t->rowCount(), 2);
        // The second rule moved up and put on the expense side keeps its type, named there too.
        t->setCurrentCell(1, 0);
        d.findChild<QPushButton*>("hoch")->click();
        static_cast<QComboBox*>(t->cellWidget(0, 1))->setCurrentIndex(2);
        t->item(1, 0)->setText(u("kurs"));
        d.findChild<QPushButton*>("ok")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(uebernommen.size(), std::size_t{2});
        QCOMPARE(uebernommen[0].muster, std::string("spende"));
        QVERIFY(uebernommen[0].seite == Seite::Ausgabe);
        QCOMPARE(uebernommen[0].typ, 1);
        QCOMPARE(uebernommen[1].muster, std::string("kurs"));
        QVERIFY(uebernommen[1].seite == Seite::Einnahme);
        QCOMPARE(uebernommen[1].typ, 5);
    }

    void vorschauUndBuchen() {
        Sitzung& s = f_.form->sitzung();
        const auto bytes = dateibytesHolen((dir_.path() + "/Kontoauszug-Maerz.xml").toStdString());
        auto db = Datenbank::schreiben(s.verein.dateien().datenbank()).wert();
        bank::Importwahl wahl;
        wahl.regeln = gespeicherteRegeln(db);
        const auto vorher = alleBuchungenLesen(datei());
        const int naechste = s.verein.datei.naechsteNummer;
        auto plan = bank::importPlanen(
            s.verein, db, vorher, "Kontoauszug-Maerz.xml",
            bank::auszugEinlesen(std::string(bytes.bytes.begin(), bytes.bytes.end())), wahl);
        QVERIFY(plan.ok());
        gui::KontoauszugFenster w(s, db, std::move(*plan), f_.form.get());
        w.show();
        auto* m = w.tabelle()->model();
        auto* abgleich = w.findChild<QLabel*>("abgleich");
        QCOMPARE(m->rowCount(), 10);
        QVERIFY(abgleich->text().endsWith(u("Differenz 0.00")));
        QCOMPARE(m->index(9, 0).data(Qt::CheckStateRole), QVariant());
        QCOMPARE(m->index(9, 8).data().toString(), u("vorgemerkt"));
        guitest::bild(w, "kontoauszug-vorschau.png");

        // Left out, the line's amount is missing from the cash book.
        QVERIFY(m->setData(m->index(8, 0), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(m->index(8, 8).data().toString(), u("ausgelassen"));
        QVERIFY(abgleich->text().endsWith(u("Differenz -15.00")));
        QVERIFY(m->setData(m->index(8, 0), Qt::Checked, Qt::CheckStateRole));
        // The cash takes the referee, so the current account differs by his fee.
        QVERIFY(m->setData(m->index(6, 7), 1, Qt::EditRole));
        QVERIFY(abgleich->text().endsWith(u("Differenz -120.00")));
        QVERIFY(m->setData(m->index(6, 7), 2, Qt::EditRole));

        QTest::mouseClick(w.findChild<QPushButton*>(), Qt::LeftButton);
        QCOMPARE(alleBuchungenLesen(datei()).size(), vorher.size() + 9);
        // Numbered from the next booking number.
        QCOMPARE(m->index(0, 9).data().toString(), QString::number(naechste));
        QVERIFY(abgleich->text().endsWith(u("Differenz 0.00")));
        guitest::bild(w, "kontoauszug-gebucht.png");
    }
};

} // namespace zalvor

QTEST_MAIN(zalvor::KontoauszugTest)
#include "kontoauszug_test.moc"
