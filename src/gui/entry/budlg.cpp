// The booking dialog TBuchungsDlg: layout, filling and taking back the entries.
#include "entry/budlg.h"

#include "common/qtext.h"
#include "entry/dialogfelder.h"
#include "files/dialoghilfe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TBuchungsDlg::TBuchungsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TBuchungsDlg"));
    setModal(true);

    EditTag = neuesFeld("EditTag", 2);
    EditMonat = neuesFeld("EditMonat", 2);
    LabelJahr = new QLabel;
    EditBuNr = neuesFeld("EditBuNr", 4, QLatin1Char('W'));
    EditBeleg = neuesFeld("EditBeleg", 4, QLatin1Char('W'));
    EZBetrag = neuesFeld("EZBetrag", 12);
    EZBetrag->setMaxLength(32767);
    CBWaehrung = benannt(new QComboBox, "CBWaehrung");
    CBTyp = benannt(new QComboBox, "CBTyp");
    CBTyp->setMaxVisibleItems(20);
    CBKonto = benannt(new QComboBox, "CBKonto");
    EditAnVon = neuesFeld("EditAnVon", 15, QLatin1Char('x'));
    CBText = benannt(new QComboBox, "CBText");
    CBText->setEditable(true);
    CBText->setInsertPolicy(QComboBox::NoInsert);
    CBText->lineEdit()->setMaxLength(30);
    CBText->setMinimumContentsLength(30);
    CBSchablone = new QCheckBox(QStringLiteral("&Schablone erstellen"));
    CBSchablone->setObjectName(QStringLiteral("CBSchablone"));

    auto* datum = new QHBoxLayout;
    datum->addWidget(EditTag);
    datum->addWidget(new QLabel(QStringLiteral(".")));
    datum->addWidget(EditMonat);
    datum->addWidget(LabelJahr);
    datum->addSpacing(fontMetrics().averageCharWidth() * 3);
    datum->addWidget(beschriftung(QStringLiteral("Bu-&Nr."), EditBuNr));
    datum->addWidget(EditBuNr);
    datum->addSpacing(fontMetrics().averageCharWidth() * 2);
    datum->addWidget(beschriftung(QStringLiteral("Bele&g"), EditBeleg));
    datum->addWidget(EditBeleg);
    datum->addStretch();

    auto* betrag = new QHBoxLayout;
    betrag->addWidget(EZBetrag);
    betrag->addWidget(beschriftung(QStringLiteral("&Währung"), CBWaehrung));
    betrag->addWidget(CBWaehrung);
    betrag->addStretch();

    auto* form = new QFormLayout;
    form->addRow(beschriftung(QStringLiteral("&Datum"), EditTag), datum);
    form->addRow(beschriftung(QStringLiteral("&Betrag"), EZBetrag), betrag);
    form->addRow(beschriftung(QStringLiteral("&Typ"), CBTyp), CBTyp);
    form->addRow(beschriftung(QStringLiteral("&Konto"), CBKonto), CBKonto);
    form->addRow(beschriftung(QStringLiteral("An/&Von:"), EditAnVon), EditAnVon);
    form->addRow(beschriftung(QStringLiteral("Buchungste&xt"), CBText), CBText);
    form->addRow(QString(), CBSchablone);

    auto* knoepfe = new QDialogButtonBox;
    BtnBuchen = neuerKnopf(knoepfe, QStringLiteral("Bu&chen"), QDialogButtonBox::AcceptRole);
    BtnBuchen->setObjectName(QStringLiteral("BtnBuchen"));
    BtnBuchen->setDefault(true);
    BtnPlanen = neuerKnopf(knoepfe, QStringLiteral("&Planen"), QDialogButtonBox::ActionRole);
    BtnPlanen->setObjectName(QStringLiteral("BtnPlanen"));
    hilfeKnopf(knoepfe, kHilfeBuchung);
    BtnAbbruch = neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));

    connect(BtnBuchen, &QPushButton::clicked, this, [this] {
        knopf_ = DlgKnopf::Buchen;
        accept();
    });
    connect(BtnPlanen, &QPushButton::clicked, this, [this] {
        knopf_ = DlgKnopf::Planen;
        accept();
    });
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TBuchungsDlg::fuellen(const BuchungsMaske& m, const BuchungsEingaben& e) {
    knopf_ = DlgKnopf::Abbruch;
    CBTyp->clear();
    CBTyp->addItems(ausAnsi(m.typen));
    CBKonto->clear();
    CBKonto->addItems(ausAnsi(m.konten));
    listenEintragWaehlen(CBTyp, e.typ);
    listenEintragWaehlen(CBKonto, e.konto);
    EditAnVon->setText(ausAnsi(e.anVon));
    CBSchablone->setChecked(e.schablone);
    BtnPlanen->setEnabled(!m.nurLesen);
    gemeinsameFelderZeigen(*this, m, e);
    listenFokus(e.fehlerfeld == Eingabefeld::Typ, CBTyp);
    listenFokus(e.fehlerfeld == Eingabefeld::Konto, CBKonto);
}

BuchungsEingaben TBuchungsDlg::eingaben() const {
    BuchungsEingaben e;
    gemeinsameFelderLesen(*this, e);
    e.typ = listenEintrag(CBTyp);
    e.konto = listenEintrag(CBKonto);
    e.anVon = nachAnsi(EditAnVon->text());
    e.schablone = CBSchablone->isChecked();
    return e;
}

} // namespace zalvor::gui
