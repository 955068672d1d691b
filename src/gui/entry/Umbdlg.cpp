// The transfer dialog TUmbuchungDlg: layout, filling and taking back the entries.
#include "gui/entry/Umbdlg.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TUmbuchungDlg::TUmbuchungDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TUmbuchungDlg"));
    setModal(true);

    EditTag = neuesFeld("EditTag", 2);
    EditMonat = neuesFeld("EditMonat", 2);
    LabelJahr = new QLabel;
    EditBuNr = neuesFeld("EditBuNr", 4, QLatin1Char('W'));
    EditBeleg = neuesFeld("EditBeleg", 4, QLatin1Char('W'));
    EZBetrag = neuesFeld("EZBetrag", 12);
    EZBetrag->setMaxLength(32767);
    CBWaehrung = benannt(new QComboBox, "CBWaehrung");
    CBVon = benannt(new QComboBox, "CBVon");
    CBNach = benannt(new QComboBox, "CBNach");
    CBText = benannt(new QComboBox, "CBText");
    CBText->setEditable(true);
    CBText->setInsertPolicy(QComboBox::NoInsert);
    CBText->lineEdit()->setMaxLength(30);
    CBText->setMinimumContentsLength(30);

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
    form->addRow(beschriftung(QStringLiteral("&Von Konto"), CBVon), CBVon);
    form->addRow(beschriftung(QStringLiteral("Nach &Konto"), CBNach), CBNach);
    form->addRow(beschriftung(QStringLiteral("Buchungste&xt"), CBText), CBText);

    auto* knoepfe = new QDialogButtonBox;
    BtnBuchen = neuerKnopf(knoepfe, QStringLiteral("Bu&chen"), QDialogButtonBox::AcceptRole);
    BtnBuchen->setObjectName(QStringLiteral("BtnBuchen"));
    BtnBuchen->setDefault(true);
    hilfeKnopf(knoepfe, kHilfeUmbuchung);
    BtnAbbruch = neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));

    connect(BtnBuchen, &QPushButton::clicked, this, [this] {
        knopf_ = DlgKnopf::Buchen;
        accept();
    });
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TUmbuchungDlg::fuellen(const UmbuchungsMaske& m, const UmbuchungsEingaben& e) {
    knopf_ = DlgKnopf::Abbruch;
    setWindowTitle(ausAnsi(m.titel));
    LabelJahr->setText(ausAnsi(m.jahrText));

    CBWaehrung->clear();
    CBWaehrung->addItems(ausAnsi(m.waehrungen));
    CBWaehrung->setEnabled(m.waehrungWaehlbar);
    CBVon->clear();
    CBVon->addItems(ausAnsi(m.konten));
    CBNach->clear();
    CBNach->addItems(ausAnsi(m.konten));
    CBText->clear();
    CBText->addItems(ausAnsi(m.textListe));

    EditTag->setText(ausAnsi(e.tag));
    EditMonat->setText(ausAnsi(e.monat));
    EditBuNr->setText(ausAnsi(e.bunr));
    EditBeleg->setText(ausAnsi(e.beleg));
    EZBetrag->setText(ausAnsi(e.betrag));
    listenEintragWaehlen(CBWaehrung, e.waehrung);
    listenEintragWaehlen(CBVon, e.von);
    listenEintragWaehlen(CBNach, e.nach);
    listenEintragWaehlen(CBText, e.text);

    BtnBuchen->setEnabled(!m.nurLesen);
    BtnBuchen->setDefault(true);
    EditTag->setFocus();
    EditTag->selectAll();
}

UmbuchungsEingaben TUmbuchungDlg::eingaben() const {
    UmbuchungsEingaben e;
    e.tag = nachAnsi(EditTag->text());
    e.monat = nachAnsi(EditMonat->text());
    e.bunr = nachAnsi(EditBuNr->text());
    e.beleg = nachAnsi(EditBeleg->text());
    e.betrag = nachAnsi(EZBetrag->text());
    e.von = listenEintrag(CBVon);
    e.nach = listenEintrag(CBNach);
    e.waehrung = listenEintrag(CBWaehrung);
    e.text = listenEintrag(CBText);
    return e;
}

} // namespace zalvor::gui
