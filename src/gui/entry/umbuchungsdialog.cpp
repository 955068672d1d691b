// The transfer dialog TUmbuchungDlg: layout, filling and taking back the entries.
#include "gui/entry/umbuchungsdialog.h"

#include "gui/common/qtext.h"
#include "gui/entry/dialogfelder.h"
#include "gui/files/dialoghilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TUmbuchungDlg::TUmbuchungDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TUmbuchungDlg"));
    setModal(true);

    maskenfelderAnlegen(*this);
    CBVon = benannt(new QComboBox, "CBVon");
    CBNach = benannt(new QComboBox, "CBNach");

    auto* form = new QFormLayout;
    form->addRow(beschriftung(QStringLiteral("&Datum"), EditTag), datumsreihe(*this, *this));
    form->addRow(beschriftung(QStringLiteral("&Betrag"), EZBetrag), betragsreihe(*this));
    form->addRow(beschriftung(QStringLiteral("&Von Konto"), CBVon), CBVon);
    form->addRow(beschriftung(QStringLiteral("Nach &Konto"), CBNach), CBNach);
    form->addRow(beschriftung(QStringLiteral("Buchungste&xt"), CBText), CBText);

    auto* knoepfe = new QDialogButtonBox;
    maskenknoepfe(*this, knoepfe, [&] { hilfeKnopf(knoepfe, kHilfeUmbuchung); });

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
