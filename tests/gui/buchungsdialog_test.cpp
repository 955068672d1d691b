// Booking and transfer dialogs driven like a person: typing, choosing, clicking, keys.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "gui/entry/buchungsdialog.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zalvor::guitest;
using zalvor::Knopf;
using zalvor::test::Art;

namespace {

zalvor::TDefinitionen konten13() {
    zalvor::TDefinitionen d = unbenannteKonten();
    d.konten[1] = "Kasse";
    d.konten[3] = "Bank";
    d.typen.setzeTypName(zalvor::Seite::Einnahme, 1, "Spenden");
    d.typen.setzeTypName(zalvor::Seite::Ausgabe, 1, "Miete");
    return d;
}

// A window with the file base "Verein" + year opened.
struct Offen {
    explicit Offen(const std::vector<zalvor::TBuchung>& buchungen = {},
                   const zalvor::TDefinitionen& def = konten13(), const std::string& jahr = "26") {
        dateiAnlegen(basis, jahr, buchungen, def);
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis + "." + jahr)),
                 zalvor::OeffnenErgebnis::Geoeffnet);
        f.person.leeren();
    }
    zalvor::test::TempVerzeichnis tmp;
    std::string basis = tmp.datei("Verein");
    Fenster f;
    zalvor::Sitzung& s() { return f.form->sitzung(); }
    std::vector<zalvor::TBuchung> saetze() {
        return zalvor::alleBuchungenLesen(s().verein.datei.dateiname());
    }
    void ausloesen(const char* id) { f.form->aktion(QString::fromLatin1(id))->trigger(); }
};

std::string w(const char* t) {
    return zalvor::A(t);
}

QStringList eintraege(QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

} // namespace

class BuchungsdialogTest : public QObject {
    Q_OBJECT

  private slots:
    void neueEinnahmeMitDerTastatur();
    void pruefungenInIhrerReihenfolgeMitBehaltenenEingaben();
    void ohneBenanntesKontoKeinKonto();
    void aenderungWirdInDenIndizesNeuEingeordnet();
    void waehrungswahlNurImUebergangUndNurFuerNeue();
    void umbuchungMitGleichenKontenWirdAbgelehnt();
    void umbuchungAusDerTabelleOeffnetDenUmbuchungsdialog();
    void nurLesenSperrtBuchenUndPlanen();
    void fragenAbgebrochenZeigtKeinenDialog();
};

void BuchungsdialogTest::neueEinnahmeMitDerTastatur() {
    Offen o;
    o.f.person.antworte({Knopf::Eigen1, Knopf::Eigen1});
    Dialogablauf ablauf;
    ablauf
        .dann("Einnahme buchen",
              [&](QDialog& d) {
                  auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
                  QCOMPARE(dlg.focusWidget(), dlg.EditTag);
                  QCOMPARE(dlg.EditTag->text(), u("15"));
                  QCOMPARE(dlg.EditMonat->text(), u("6"));
                  QCOMPARE(dlg.LabelJahr->text(), u(".26"));
                  QCOMPARE(dlg.EditBuNr->text(), u("1"));
                  QCOMPARE(dlg.EZBetrag->text(), QString());
                  QCOMPARE(eintraege(dlg.CBKonto), (QStringList{"1: Kasse", "3: Bank"}));
                  QCOMPARE(dlg.CBTyp->count(), 51);
                  QCOMPARE(dlg.CBTyp->itemText(1), u(" 1: Spenden"));
                  QVERIFY(!dlg.CBWaehrung->isEnabled());
                  QVERIFY(!dlg.CBSchablone->isChecked());
                  QCOMPARE(dlg.EditAnVon->maxLength(), 15);
                  QCOMPARE(dlg.CBText->lineEdit()->maxLength(), 30);
                  QCOMPARE(dlg.EditBuNr->maxLength(), 4);
                  QCOMPARE(dlg.EditBeleg->maxLength(), 4);
                  waehlen(dlg.CBKonto, u("3: Bank"));
                  waehlen(dlg.CBTyp, u(" 1: Spenden"));
                  tippen(dlg.EditAnVon, u("Müller"));
                  tippen(dlg.CBText->lineEdit(), u("Spende für Jugend"));
                  tippen(dlg.EZBetrag, u("12,5"));
                  bild(d, u("buchungsdialog.png"));
                  // Enter in the amount field presses the default button "Bu&chen".
                  QTest::keyClick(dlg.EZBetrag, Qt::Key_Return);
              })
        .dann("Einnahme buchen", [&](QDialog& d) {
            auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
            QCOMPARE(dlg.EditBuNr->text(), u("2"));
            QVERIFY(eintraege(dlg.CBText).contains(u("Spende für Jugend")));
            QCOMPARE(dlg.CBText->currentText(), QString());
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
    o.ausloesen("buchen");
    QCOMPARE(o.f.form->statuszeile().last(), u("  1 Datensätze"));
    o.ausloesen("buchen");

    QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));
    QVERIFY(ablauf.fertig());
    const auto saetze = o.saetze();
    QCOMPARE(saetze.size(), std::size_t{1});
    const auto& b = saetze[0];
    QCOMPARE(static_cast<double>(b.betrag.wert()), 12.5);
    QCOMPARE(int{b.einnahme}, 1);
    QCOMPARE(int{b.geplant}, 0);
    QCOMPARE(int{b.kontoNach}, 3);
    QCOMPARE(int{b.kontoVon}, 0);
    QCOMPARE(int{b.typcode}, 1);
    QCOMPARE(int{b.tag}, 15);
    QCOMPARE(int{b.monat}, 6);
    QCOMPARE(b.text.text(), zalvor::AnsiNachOem(w("Spende für Jugend")));
    QCOMPARE(b.anVon.text(), zalvor::AnsiNachOem(w("Müller")));
    QCOMPARE(b.bunr.text(), std::string("1"));
    QVERIFY(o.f.person.meldungen().size() == 2); // the two questions, no error
}

void BuchungsdialogTest::pruefungenInIhrerReihenfolgeMitBehaltenenEingaben() {
    Offen o;
    o.f.person.antworte(Knopf::Eigen2);
    using Dlg = zalvor::gui::TBuchungsDlg;
    QString behaltenerText;
    Dialogablauf ablauf;
    ablauf
        .dann("Ausgabe buchen",
              [&](QDialog& d) {
                  auto& dlg = static_cast<Dlg&>(d);
                  tippen(dlg.CBText->lineEdit(), u("Miete Juni"));
                  QVERIFY(klicken(d, u("Bu&chen")));
              })
        .dann("Ausgabe buchen",
              [&](QDialog& d) {
                  auto& dlg = static_cast<Dlg&>(d);
                  behaltenerText = dlg.CBText->currentText();
                  QCOMPARE(dlg.focusWidget(), dlg.EZBetrag);
                  tippen(dlg.EZBetrag, u("12,345"));
                  QVERIFY(klicken(d, u("Bu&chen")));
              })
        .dann("Ausgabe buchen",
              [&](QDialog& d) {
                  auto& dlg = static_cast<Dlg&>(d);
                  QCOMPARE(dlg.EZBetrag->text(), u("12,345"));
                  QCOMPARE(dlg.focusWidget(), dlg.EZBetrag);
                  tippen(dlg.EZBetrag, u("-5"));
                  tippen(dlg.EditTag, u("32"));
                  QVERIFY(klicken(d, u("Bu&chen")));
              })
        .dann("Ausgabe buchen",
              [&](QDialog& d) {
                  auto& dlg = static_cast<Dlg&>(d);
                  QCOMPARE(dlg.focusWidget(), dlg.EditTag);
                  tippen(dlg.EditTag, u("31"));
                  tippen(dlg.EditMonat, u("13"));
                  QVERIFY(klicken(d, u("Bu&chen")));
              })
        .dann("Ausgabe buchen",
              [&](QDialog& d) {
                  auto& dlg = static_cast<Dlg&>(d);
                  QCOMPARE(dlg.focusWidget(), dlg.EditMonat);
                  tippen(dlg.EditMonat, u("12"));
                  tippen(dlg.EditBuNr, QString());
                  QVERIFY(klicken(d, u("Bu&chen")));
              })
        .dann("Ausgabe buchen", [&](QDialog& d) {
            auto& dlg = static_cast<Dlg&>(d);
            QCOMPARE(dlg.focusWidget(), dlg.EditBuNr);
            tippen(dlg.EditBuNr, u("A1"));
            QVERIFY(klicken(d, u("&Planen")));
        });
    o.ausloesen("buchen");

    QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));
    QVERIFY(ablauf.fertig());
    QCOMPARE(behaltenerText, u("Miete Juni"));
    auto m = o.f.person.meldungen();
    QCOMPARE(m.size(), std::size_t{6});
    QCOMPARE(m[1].art, Art::Meldung);
    QCOMPARE(m[1].titel, std::string("Fehler!"));
    QCOMPARE(m[1].text, std::string("Kein Betrag angegeben!"));
    QCOMPARE(m[1].symbol, zalvor::Symbol::Warnung);
    QCOMPARE(m[2].art, Art::Nachricht);
    QCOMPARE(m[2].titel, std::string("Fehler!"));
    QCOMPARE(m[2].text, std::string("12.345 hat kein gültiges Betragsformat!"));
    QCOMPARE(m[3].art, Art::Nachricht);
    QCOMPARE(m[3].text, std::string("32 ist kein Tag eines Monats!"));
    QCOMPARE(m[4].art, Art::Nachricht);
    QCOMPARE(m[4].text, std::string("13 ist kein Monat!"));
    QCOMPARE(m[5].art, Art::Meldung);
    QCOMPARE(m[5].text, std::string("Keine Buchungsnummer!"));
    QCOMPARE(m[5].symbol, zalvor::Symbol::Warnung);

    const auto saetze = o.saetze();
    QCOMPARE(saetze.size(), std::size_t{1});
    QCOMPARE(static_cast<double>(saetze[0].betrag.wert()), -5.0);
    QCOMPARE(int{saetze[0].geplant}, 1);
    QCOMPARE(int{saetze[0].einnahme}, 0);
    QCOMPARE(int{saetze[0].kontoVon}, 1);
    QCOMPARE(int{saetze[0].tag}, 31);
    QCOMPARE(int{saetze[0].monat}, 12);
    QCOMPARE(saetze[0].bunr.text(), std::string("A1"));
}

void BuchungsdialogTest::ohneBenanntesKontoKeinKonto() {
    zalvor::TDefinitionen def = unbenannteKonten();
    Offen o({}, def);
    o.f.person.antworte(Knopf::Eigen1);
    Dialogablauf ablauf;
    ablauf.dann("Einnahme buchen", [&](QDialog& d) {
        auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
        QCOMPARE(dlg.CBKonto->count(), 0);
        tippen(dlg.EZBetrag, u("1"));
        // Enter in the booking text's line presses "Bu&chen" as well.
        tippen(dlg.CBText->lineEdit(), u("Zinsen"));
        QTest::keyClick(dlg.CBText->lineEdit(), Qt::Key_Return);
        if (dlg.isVisible()) {
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QFAIL("Enter im Buchungstext hat nicht gebucht");
        }
    });
    ablauf.dann("Einnahme buchen", [](QDialog& d) { QVERIFY(klicken(d, u("&Abbruch"))); });
    o.ausloesen("buchen");
    QVERIFY(ablauf.fertig());
    const auto m = o.f.person.meldungen();
    QCOMPARE(m.back().text, std::string("Kein Konto angegeben!"));
    QCOMPARE(m.back().titel, std::string("Fehler!"));
    QVERIFY(o.saetze().empty());
}

void BuchungsdialogTest::aenderungWirdInDenIndizesNeuEingeordnet() {
    Neu a;
    a.text = "Beitrag";
    a.bunr = "1";
    Neu b;
    b.text = "Zins";
    b.bunr = "2";
    Offen o({buchung(a), buchung(b)});
    o.f.form->tabelle()->zeileWaehlen(0);
    Dialogablauf ablauf;
    ablauf.dann(u("Einnahme ändern"), [&](QDialog& d) {
        auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
        QCOMPARE(dlg.EZBetrag->text(), u("10.00"));
        QCOMPARE(dlg.CBText->currentText(), u("Beitrag"));
        QCOMPARE(dlg.CBKonto->currentText(), u("1: Kasse"));
        QVERIFY(!dlg.CBWaehrung->isEnabled());
        tippen(dlg.CBText->lineEdit(), u("Zuschuss"));
        QVERIFY(klicken(d, u("Bu&chen")));
    });
    o.ausloesen("anzeigenAendern");
    QVERIFY(ablauf.fertig());

    const auto saetze = o.saetze();
    QCOMPARE(saetze.size(), std::size_t{2});
    QCOMPARE(saetze[0].text.text(), std::string("Zuschuss"));
    // Text order moves the changed record behind "Zins"; the number order keeps it first.
    QCOMPARE(zalvor::indexLesen(o.s().verein.datei, 1), (std::vector<std::uint16_t>{1, 0}));
    QCOMPARE(zalvor::indexLesen(o.s().verein.datei, 4), (std::vector<std::uint16_t>{0, 1}));
    QCOMPARE(zalvor::indizesPruefen(o.s().verein.datei), zalvor::IndexBefund::InOrdnung);
}

void BuchungsdialogTest::waehrungswahlNurImUebergangUndNurFuerNeue() {
    zalvor::TDefinitionen d = konten13();
    d.waehrung.Kurs = 1.95583L;
    d.waehrung.Umstellungsjahr = "02";
    d.waehrung.UmstellungBis = "03";
    Offen o({}, d, "01");
    o.f.person.antworte(Knopf::Eigen1);
    Dialogablauf ablauf;
    ablauf.dann("Einnahme buchen", [&](QDialog& d2) {
        auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d2);
        QVERIFY(dlg.CBWaehrung->isEnabled());
        QCOMPARE(eintraege(dlg.CBWaehrung), (QStringList{"DM", "EUR"}));
        QCOMPARE(dlg.CBWaehrung->currentText(), u("DM"));
        waehlen(dlg.CBWaehrung, u("EUR"));
        tippen(dlg.EZBetrag, u("100"));
        QVERIFY(klicken(d2, u("Bu&chen")));
    });
    o.ausloesen("buchen");
    QCOMPARE(static_cast<double>(o.saetze().at(0).betrag.wert()), 195.58);

    o.f.form->tabelle()->zeileWaehlen(0);
    ablauf.dann(u("Einnahme ändern"), [&](QDialog& d2) {
        auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d2);
        QVERIFY(!dlg.CBWaehrung->isEnabled());
        QCOMPARE(dlg.CBWaehrung->currentText(), u("DM"));
        QVERIFY(klicken(d2, u("&Abbruch")));
    });
    o.ausloesen("anzeigenAendern");
    QVERIFY(ablauf.fertig());
    QVERIFY(ablauf.unerwartet().isEmpty());
}

void BuchungsdialogTest::umbuchungMitGleichenKontenWirdAbgelehnt() {
    Offen o;
    Dialogablauf ablauf;
    ablauf
        .dann("Umbuchung",
              [&](QDialog& d) {
                  QCOMPARE(feld<QComboBox>(d, "CBText")->currentText(), u("Umbuchung "));
                  waehlen(feld<QComboBox>(d, "CBVon"), u("3: Bank"));
                  waehlen(feld<QComboBox>(d, "CBNach"), u("3: Bank"));
                  tippen(feld<QLineEdit>(d, "EZBetrag"), u("50"));
                  QVERIFY(klicken(d, u("Bu&chen")));
              })
        .dann("Umbuchung", [&](QDialog& d) {
            QCOMPARE(feld<QLineEdit>(d, "EZBetrag")->text(), u("50"));
            QCOMPARE(d.focusWidget(), feld<QComboBox>(d, "CBNach"));
            waehlen(feld<QComboBox>(d, "CBNach"), u("1: Kasse"));
            QVERIFY(klicken(d, u("Bu&chen")));
        });
    o.ausloesen("umbuchen");
    QVERIFY(ablauf.fertig());
    const auto m = o.f.person.meldungen();
    QCOMPARE(m.size(), std::size_t{1});
    QCOMPARE(m[0].art, Art::Nachricht);
    QCOMPARE(m[0].titel, std::string("Fehler!"));
    QCOMPARE(m[0].text, std::string("Quell- und Zielkonto sind identisch!"));
    const auto saetze = o.saetze();
    QCOMPARE(saetze.size(), std::size_t{1});
    QCOMPARE(int{saetze[0].typcode}, 21);
    QCOMPARE(int{saetze[0].kontoVon}, 3);
    QCOMPARE(int{saetze[0].kontoNach}, 1);
    QCOMPARE(int{saetze[0].einnahme}, 0);
    QCOMPARE(saetze[0].text.text(), std::string("Umbuchung "));
    QCOMPARE(o.f.form->statuszeile().last(), u("  1 Datensätze"));
}

void BuchungsdialogTest::umbuchungAusDerTabelleOeffnetDenUmbuchungsdialog() {
    Neu t;
    t.typ = 21;
    t.einnahme = false;
    t.kontoVon = 1;
    t.kontoNach = 3;
    t.text = "Umbuchung Bank";
    Offen o({buchung(t)});
    o.f.form->tabelle()->zeileWaehlen(0);
    Dialogablauf ablauf;
    ablauf.dann(u("Umbuchung ändern"), [&](QDialog& d) {
        QCOMPARE(feld<QComboBox>(d, "CBVon")->currentText(), u("1: Kasse"));
        QCOMPARE(feld<QComboBox>(d, "CBNach")->currentText(), u("3: Bank"));
        QVERIFY(!feld<QComboBox>(d, "CBWaehrung")->isEnabled());
        QVERIFY(klicken(d, u("&Abbruch")));
    });
    o.ausloesen("anzeigenAendern");
    QVERIFY(ablauf.fertig());
    QVERIFY(ablauf.unerwartet().isEmpty());
}

void BuchungsdialogTest::nurLesenSperrtBuchenUndPlanen() {
    Offen o({buchung(Neu{})});
    o.s().verein.nurLesen = true;
    o.f.form->tabelle()->zeileWaehlen(0);
    Dialogablauf ablauf;
    ablauf.dann(u("Einnahme ändern"), [&](QDialog& d) {
        auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
        QVERIFY(!dlg.BtnBuchen->isEnabled());
        QVERIFY(!dlg.BtnPlanen->isEnabled());
        // Enter must not store anything either.
        QTest::keyClick(dlg.EZBetrag, Qt::Key_Return);
        if (dlg.isVisible()) QVERIFY(klicken(d, u("&Abbruch")));
    });
    o.ausloesen("anzeigenAendern");
    QVERIFY(ablauf.fertig());
    QCOMPARE(o.saetze().at(0), buchung(Neu{}));
}

void BuchungsdialogTest::fragenAbgebrochenZeigtKeinenDialog() {
    Offen o;
    o.f.person.antworte(std::nullopt);
    Dialogablauf ablauf;
    o.ausloesen("buchen");
    QVERIFY(ablauf.gezeigt().isEmpty());
    QVERIFY(o.saetze().empty());
}

QTEST_MAIN(BuchungsdialogTest)
#include "buchungsdialog_test.moc"
