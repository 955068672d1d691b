// Layout of the entry dialogs: nothing clipped or outside its window, at normal and double size.
#include "guitesthilfen.h"

#include "gui/common/auszeichnungslabel.h"
#include "gui/entry/buchungsdialog.h"
#include "gui/entry/eurosymboldialog.h"
#include "gui/entry/mwstdialog.h"
#include "gui/entry/umbuchungsdialog.h"
#include "gui/entry/waehrungsdialog.h"
#include "gui/files/anfangsbestaendedialog.h"
#include "gui/files/dateieinstellungsdialog.h"
#include "gui/files/naechstesjahrdialog.h"
#include "gui/files/sortierdialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using zalvor::guitest::u;

namespace {

// Every visible control lies inside the dialog, shows its whole text and, for short fields,
// has room for as many characters as it takes.
void pruefen(QDialog& dlg) {
    dlg.show();
    QCoreApplication::processEvents();
    const QRect fenster = dlg.rect();
    const QString name = dlg.objectName();
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->parentWidget() == nullptr) continue;
        // Cell editors and the line of an editable list belong to their owner's geometry.
        const bool innen = qobject_cast<QAbstractItemView*>(w->parentWidget()) ||
                           (w->inherits("QLineEdit") && w->parentWidget()->inherits("QComboBox"));
        if (innen) continue;
        const QRect r(w->mapTo(&dlg, QPoint(0, 0)), w->size());
        const QString wer = name + QStringLiteral("/") + w->metaObject()->className() +
                            QStringLiteral(" ") + w->objectName();
        QVERIFY2(fenster.contains(r), qPrintable(wer + QStringLiteral(" liegt außerhalb")));
        if (auto* k = qobject_cast<QAbstractButton*>(w))
            QVERIFY2(k->width() >= k->sizeHint().width() &&
                         k->height() >= k->minimumSizeHint().height(),
                     qPrintable(wer + QStringLiteral(" ") + k->text()));
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->wordWrap())
                QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(wer + l->text()));
            else
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(wer + l->text()));
        }
        if (auto* e = qobject_cast<QLineEdit*>(w); e && e->maxLength() <= 15)
            QVERIFY2(e->width() > e->fontMetrics().horizontalAdvance(
                                      QString(e->maxLength(), QLatin1Char('0'))),
                     qPrintable(wer));
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->count() > 0)
            QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(wer));
        if (auto* x = qobject_cast<zalvor::gui::TXaLabel*>(w))
            QVERIFY2(x->height() >= x->anordnung().hoehe, qPrintable(wer));
    }
    dlg.hide();
}

zalvor::BuchungsMaske maske() {
    zalvor::BuchungsMaske m;
    m.titel = "Ausgabe buchen";
    m.jahrText = ".26";
    for (int i = 0; i <= 50; ++i)
        m.typen.push_back((i < 10 ? " " : "") + std::to_string(i) + ": Reparaturkosten");
    m.konten = {"1: Girokonto A", "2: Kasse"};
    m.waehrungen = {"EUR", "DM"};
    m.waehrungWaehlbar = true;
    m.textListe = {"Miete Vereinsheim Dezember 2026"};
    return m;
}

} // namespace

class DialoganordnungTest : public QObject {
    Q_OBJECT

  private slots:
    void nichtsAbgeschnitten();
    void auchBeiDoppelterGroesse();
    void tabulatorFolgtDenFeldern();
};

void DialoganordnungTest::nichtsAbgeschnitten() {
    using namespace zalvor::gui;
    {
        TBuchungsDlg d;
        zalvor::BuchungsEingaben e;
        e.tag = "31";
        e.monat = "12";
        e.bunr = "9999";
        e.betrag = "-12345.67";
        e.anVon = "Mustermann GmbH";
        e.text = "Miete Vereinsheim Dezember 2026";
        d.fuellen(maske(), e);
        pruefen(d);
    }
    {
        TUmbuchungDlg d;
        zalvor::UmbuchungsMaske m;
        m.titel = "Umbuchung";
        m.jahrText = ".26";
        m.konten = {"1: Girokonto A", "2: Kasse"};
        m.waehrungen = {"EUR", "DM"};
        d.fuellen(m, {});
        pruefen(d);
    }
    {
        TDMwSt d;
        d.fuellen({"16.00", true});
        pruefen(d);
    }
    {
        TDSetEuro d;
        d.fuellen({"SFr", "13.760300", "02", "03"});
        pruefen(d);
    }
    {
        TDEurSymb d;
        pruefen(d);
    }
    {
        TDSetDef d;
        pruefen(d);
    }
    {
        TWListSort d;
        pruefen(d);
    }
    {
        TWGetAB d;
        zalvor::TDefinitionen def;
        std::array<std::string, 9> b;
        b.fill("1234567.89");
        d.fuellen(def, b);
        pruefen(d);
    }
    {
        TDNJahr d;
        d.fuellen(u("27"));
        pruefen(d);
    }
}

void DialoganordnungTest::auchBeiDoppelterGroesse() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) QSKIP("läuft bereits vergrößert");
    QProcess lauf;
    auto umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    lauf.setProcessEnvironment(umgebung);
    lauf.start(QCoreApplication::applicationFilePath(), {QStringLiteral("nichtsAbgeschnitten")});
    QVERIFY(lauf.waitForFinished(60000));
    QVERIFY2(lauf.exitCode() == 0, lauf.readAllStandardOutput().constData());
}

void DialoganordnungTest::tabulatorFolgtDenFeldern() {
    zalvor::gui::TBuchungsDlg d;
    d.fuellen(maske(), {});
    d.show();
    // The fields in the order a person fills them, as the Tab key visits them.
    QList<QWidget*> erwartet;
    for (QWidget* f : std::initializer_list<QWidget*>{
             d.EditTag, d.EditMonat, d.EditBuNr, d.EditBeleg, d.EZBetrag, d.CBWaehrung, d.CBTyp,
             d.CBKonto, d.EditAnVon, d.CBText, d.CBSchablone, d.BtnBuchen, d.BtnPlanen})
        erwartet << f;
    QList<QWidget*> besucht;
    QWidget* w = d.EditTag;
    do {
        if (erwartet.contains(w) && !besucht.contains(w)) besucht << w;
        w = w->nextInFocusChain();
    } while (w != d.EditTag);
    QCOMPARE(besucht, erwartet);
}

QTEST_MAIN(DialoganordnungTest)
#include "dialoganordnung_test.moc"
