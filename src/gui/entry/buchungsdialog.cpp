// The booking dialog TBuchungsDlg: layout, filling and taking back the entries.
#include "gui/entry/buchungsdialog.h"

#include "gui/common/nummernliste.h"
#include "gui/common/qtext.h"
#include "gui/entry/dialogfelder.h"
#include "gui/files/dialoghilfe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace zalvor::gui {

TBuchungsDlg::TBuchungsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TBuchungsDlg"));
    setModal(true);

    maskenfelderAnlegen(*this);
    CBTyp = benannt(new TNummernliste, "CBTyp");
    CBTyp->setMaxVisibleItems(20);
    CBKonto = benannt(new QComboBox, "CBKonto");
    EditAnVon = neuesFeld("EditAnVon", 15, QLatin1Char('x'));
    CBSchablone = new QCheckBox(QStringLiteral("&Schablone erstellen"));
    CBSchablone->setObjectName(QStringLiteral("CBSchablone"));

    auto* form = new QFormLayout;
    form->addRow(beschriftung(QStringLiteral("&Datum"), EditTag), datumsreihe(*this, *this));
    form->addRow(beschriftung(QStringLiteral("&Betrag"), EZBetrag), betragsreihe(*this));
    form->addRow(beschriftung(QStringLiteral("&Typ"), CBTyp), CBTyp);
    form->addRow(beschriftung(QStringLiteral("&Konto"), CBKonto), CBKonto);
    form->addRow(beschriftung(QStringLiteral("An/&Von:"), EditAnVon), EditAnVon);
    form->addRow(beschriftung(QStringLiteral("Buchungste&xt"), CBText), CBText);
    form->addRow(QString(), CBSchablone);

    auto* knoepfe = new QDialogButtonBox;
    maskenknoepfe(*this, knoepfe, [&] {
        BtnPlanen = neuerKnopf(knoepfe, QStringLiteral("&Planen"), QDialogButtonBox::ActionRole);
        BtnPlanen->setObjectName(QStringLiteral("BtnPlanen"));
        hilfeKnopf(knoepfe, kHilfeBuchung);
    });

    connect(BtnPlanen, &QPushButton::clicked, this, [this] {
        knopf_ = DlgKnopf::Planen;
        accept();
    });
    maskeAnordnen(*this, *this, knopf_, form, knoepfe);
}

void TBuchungsDlg::fuellen(const BuchungsMaske& m, const BuchungsEingaben& e) {
    knopf_ = DlgKnopf::Abbruch;
    listeFuellen(CBTyp, m.typen, e.typ);
    listeFuellen(CBKonto, m.konten, e.konto);
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
