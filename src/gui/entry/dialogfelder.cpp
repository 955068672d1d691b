// The entries the booking and the transfer dialog share: made and laid out alike in both.
#include "gui/entry/dialogfelder.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zalvor::gui {

void maskenfelderAnlegen(Maskenfelder& f) {
    f.EditTag = neuesFeld("EditTag", 2);
    f.EditMonat = neuesFeld("EditMonat", 2);
    f.LabelJahr = new QLabel;
    f.EditBuNr = neuesFeld("EditBuNr", 4, QLatin1Char('W'));
    f.EditBeleg = neuesFeld("EditBeleg", 4, QLatin1Char('W'));
    f.EZBetrag = neuesFeld("EZBetrag", 12);
    f.EZBetrag->setMaxLength(32767);
    f.CBWaehrung = benannt(new QComboBox, "CBWaehrung");
    f.CBText = benannt(new QComboBox, "CBText");
    f.CBText->setEditable(true);
    f.CBText->setInsertPolicy(QComboBox::NoInsert);
    f.CBText->lineEdit()->setMaxLength(30);
    f.CBText->setMinimumContentsLength(30);
}

void maskeAnordnen(QDialog& dlg, Maskenfelder& f, DlgKnopf& knopf, QLayout* form,
                   QDialogButtonBox* knoepfe) {
    QObject::connect(f.BtnBuchen, &QPushButton::clicked, &dlg, [&dlg, &knopf] {
        knopf = DlgKnopf::Buchen;
        dlg.accept();
    });
    QObject::connect(f.BtnAbbruch, &QPushButton::clicked, &dlg, &QDialog::reject);
    auto* haupt = new QVBoxLayout(&dlg);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void listeFuellen(QComboBox* liste, const std::vector<std::string>& eintraege,
                  const std::string& eintrag) {
    liste->clear();
    liste->addItems(ausAnsi(eintraege));
    listenEintragWaehlen(liste, eintrag);
}

QHBoxLayout* datumsreihe(const Maskenfelder& f, const QWidget& dlg) {
    const int zeichen = dlg.fontMetrics().averageCharWidth();
    auto* datum = new QHBoxLayout;
    datum->addWidget(f.EditTag);
    datum->addWidget(new QLabel(QStringLiteral(".")));
    datum->addWidget(f.EditMonat);
    datum->addWidget(f.LabelJahr);
    datum->addSpacing(zeichen * 3);
    datum->addWidget(beschriftung(QStringLiteral("Bu-&Nr."), f.EditBuNr));
    datum->addWidget(f.EditBuNr);
    datum->addSpacing(zeichen * 2);
    datum->addWidget(beschriftung(QStringLiteral("Bele&g"), f.EditBeleg));
    datum->addWidget(f.EditBeleg);
    datum->addStretch();
    return datum;
}

QHBoxLayout* betragsreihe(const Maskenfelder& f) {
    auto* betrag = new QHBoxLayout;
    betrag->addWidget(f.EZBetrag);
    betrag->addWidget(beschriftung(QStringLiteral("&Währung"), f.CBWaehrung));
    betrag->addWidget(f.CBWaehrung);
    betrag->addStretch();
    return betrag;
}

} // namespace zalvor::gui
