// The transfer dialog TUmbuchungDlg: layout, filling and taking back the entries.
#include "entry/Umbdlg.h"

#include "common/qtext.h"
#include "entry/dialogfelder.h"
#include "files/dialoghilfe.h"

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
    CBVon->clear();
    CBVon->addItems(ausAnsi(m.konten));
    CBNach->clear();
    CBNach->addItems(ausAnsi(m.konten));
    listenEintragWaehlen(CBVon, e.von);
    listenEintragWaehlen(CBNach, e.nach);
    gemeinsameFelderZeigen(*this, m, e);
    listenFokus(e.fehlerfeld == Eingabefeld::Quellkonto, CBVon);
    listenFokus(e.fehlerfeld == Eingabefeld::Zielkonto, CBNach);
}

UmbuchungsEingaben TUmbuchungDlg::eingaben() const {
    UmbuchungsEingaben e;
    gemeinsameFelderLesen(*this, e);
    e.von = listenEintrag(CBVon);
    e.nach = listenEintrag(CBNach);
    return e;
}

} // namespace zalvor::gui
