// The repetition dialog TDSBWdh.
#include "gui/templates/wiederholungsdialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TDSBWdh::TDSBWdh(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDSBWdh"));
    setWindowTitle(QStringLiteral("Wiederholung"));
    Label1 = benannt(new QLabel, "Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    RadioGroup1 = benannt(new QGroupBox, "RadioGroup1");
    RBNie = benannt(new QRadioButton, "RBNie");
    RBMonatlich = benannt(new QRadioButton, "RBMonatlich");
    RBJaehrlich = benannt(new QRadioButton, "RBJaehrlich");
    auto* gruppe = new QVBoxLayout(RadioGroup1);
    for (QRadioButton* r : {RBNie, RBMonatlich, RBJaehrlich})
        gruppe->addWidget(r);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeSchablonen);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(Label1);
    haupt->addWidget(RadioGroup1);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TDSBWdh::fuellen(const zalvor::WiederholungsMaske& m) {
    setWindowTitle(ausAnsi(m.titel));
    Label1->setText(ausAnsi(m.text));
    RadioGroup1->setTitle(ausAnsi(m.gruppe));
    RBNie->setText(ausAnsi(m.eintraege[0]));
    RBMonatlich->setText(ausAnsi(m.eintraege[1]));
    RBJaehrlich->setText(ausAnsi(m.eintraege[2]));
    QRadioButton* gewaehlt = m.vorwahl == zalvor::Wiederholung::Monatlich   ? RBMonatlich
                             : m.vorwahl == zalvor::Wiederholung::Jaehrlich ? RBJaehrlich
                                                                            : RBNie;
    gewaehlt->setChecked(true);
    gewaehlt->setFocus();
}

zalvor::Wiederholung TDSBWdh::wahl() const {
    if (RBMonatlich->isChecked()) return zalvor::Wiederholung::Monatlich;
    if (RBJaehrlich->isChecked()) return zalvor::Wiederholung::Jaehrlich;
    return zalvor::Wiederholung::Nie;
}

} // namespace zalvor::gui
