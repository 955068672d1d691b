// The transfer dialog TUmbuchungDlg: layout, filling and taking back the entries.
#include "gui/entry/umbuchungsdialog.h"

#include "gui/common/qtext.h"
#include "gui/entry/dialogfelder.h"
#include "gui/files/dialoghilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

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

    maskeAnordnen(*this, *this, knopf_, form, knoepfe);
}

void TUmbuchungDlg::fuellen(const UmbuchungsMaske& m, const UmbuchungsEingaben& e) {
    knopf_ = DlgKnopf::Abbruch;
    listeFuellen(CBVon, m.konten, e.von);
    listeFuellen(CBNach, m.konten, e.nach);
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
