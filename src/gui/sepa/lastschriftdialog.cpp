// The direct-debit dialog: the engine proposes, checks and writes; the dialog shows.
#include "gui/sepa/lastschriftdialog.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/sepa/mandatsdaten.h"
#include "core/sepa/target2.h"
#include "gui/common/qtext.h"
#include "gui/common/rastertabelle.h"
#include "gui/files/dialoghilfe.h"
#include "gui/members/mitgliederhilfe.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

QTableView* tabelle(const char* name, TRasterTabelle* modell) {
    auto* t = benannt(new QTableView, name);
    t->setModel(modell);
    t->verticalHeader()->hide();
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

} // namespace

TDLastschrift::TDLastschrift(Sitzung& s, QWidget* parent)
    : QDialog(parent), s_(s), lastschriften_(new TRasterTabelle(this)),
      ohneMandat_(new TRasterTabelle(this)) {
    setObjectName(QStringLiteral("TDLastschrift"));
    setWindowTitle(QStringLiteral("Lastschrift erstellen"));
    EFaellig = neuesFeld("EFaellig", 10);
    EFaellig->setText(ausAnsi(sepa::datumAnzeige(sepa::fruehesteFaelligkeit(s.uhr.heute()))));
    TVLastschriften = tabelle("TVLastschriften", lastschriften_);
    TVOhneMandat = tabelle("TVOhneMandat", ohneMandat_);
    LSumme = benannt(new QLabel, "LSumme");
    auto* knoepfe = new QDialogButtonBox;
    BtnSpeichern =
        neuerKnopf(knoepfe, QStringLiteral("&Speichern..."), QDialogButtonBox::ActionRole);
    neuerKnopf(knoepfe, QString::fromUtf8("S&chließen"), QDialogButtonBox::RejectRole);
    hilfeKnopf(knoepfe, kHilfeLastschrift);
    connect(BtnSpeichern, &QPushButton::clicked, this, &TDLastschrift::speichernFragen);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(beschriftung(QString::fromUtf8("&Fällig am:"), EFaellig), EFaellig);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(beschriftung(QStringLiteral("&Lastschriften:"), TVLastschriften));
    haupt->addWidget(TVLastschriften, 3);
    haupt->addWidget(LSumme);
    haupt->addWidget(beschriftung(QStringLiteral("&Ohne Mandat:"), TVOhneMandat));
    haupt->addWidget(TVOhneMandat, 1);
    haupt->addWidget(knoepfe);
    resize(760, 520);

    try {
        auto db = Datenbank::lesen(s.verein.dateien().datenbank());
        if (db) vorschlag_ = sepa::lastschriftenVorschlagen(s.verein, *db);
    } catch (const EAFehler&) {
        s.person.meldung(A("FEHLER!"), A("Mitglieder-Datei konnte nicht geöffnet werden!"),
                         Symbol::Fehler);
    }
    lastschriften_->setzen(sepa::lastschriftRaster(vorschlag_));
    ohneMandat_->setzen(sepa::ohneMandatRaster(vorschlag_));
    LSumme->setText(ausAnsi(sepa::summenText(vorschlag_)));
    TVLastschriften->resizeColumnsToContents();
    TVOhneMandat->resizeColumnsToContents();
    BtnSpeichern->setEnabled(!vorschlag_.posten.empty());
}

bool TDLastschrift::speichern(const QString& pfad) {
    const auto faellig = sepa::datumAusAnzeige(nachAnsi(EFaellig->text().trimmed()));
    if (!faellig) {
        s_.person.meldung(A("Fehler!"), A("Ungültiges Fälligkeitsdatum!"), Symbol::Fehler);
        return false;
    }
    auto db = Datenbank::schreiben(s_.verein.dateien().datenbank());
    if (!db) {
        s_.person.meldung(A("Fehler!"), db.meldung(), Symbol::Fehler);
        return false;
    }
    const auto r = sepa::lastschriftdateiSchreiben(
        *db, vorschlag_, *faellig, sepa::jetztAm(s_.uhr.heute()), pfad.toStdString());
    if (!r) {
        s_.person.meldung(A("Fehler!"), r.meldung(), Symbol::Fehler);
        return false;
    }
    s_.person.meldung(A("Information"),
                      A("Lastschriftdatei gespeichert: ") + sepa::summenText(vorschlag_),
                      Symbol::Information);
    return true;
}

void TDLastschrift::speichernFragen() {
    const QString vorschlag = QString::fromStdString(
        pfadVerbinden(verzeichnisTeil(s_.verein.datei.basisname), "Lastschrift.xml"));
    const QString pfad =
        QFileDialog::getSaveFileName(this, QStringLiteral("Lastschriftdatei speichern"), vorschlag,
                                     QStringLiteral("SEPA-Lastschrift (*.xml)"));
    if (!pfad.isEmpty() && speichern(pfad)) accept();
}

bool lastschriftZeigen(Sitzung& s, QWidget* eltern) {
    TDLastschrift d(s, eltern);
    return d.exec() == QDialog::Accepted;
}

} // namespace zalvor::gui
