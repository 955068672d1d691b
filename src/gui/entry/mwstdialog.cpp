// The VAT rate dialog TDMwSt: layout and the menu command.
#include "gui/entry/mwstdialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zalvor::gui {

TDMwSt::TDMwSt(QWidget* parent) : TWerteDialog(parent) {
    setObjectName(QStringLiteral("TDMwSt"));
    setWindowTitle(QStringLiteral("Mehrwertsteuer"));

    auto* text = new QLabel(ausAnsi(mwstDlgText()));
    text->setWordWrap(true);
    text->setMinimumWidth(fontMetrics().averageCharWidth() * 55);

    EditSatz = neuesFeld("EditSatz", 5);
    CBAktiv = new QCheckBox(QStringLiteral("MwSt-&Berechnung aktivieren"));
    CBAktiv->setObjectName(QStringLiteral("CBAktiv"));

    auto* satz = new QLabel(QStringLiteral("&Steuersatz (%) : "));
    satz->setBuddy(EditSatz);
    auto* form = new QFormLayout;
    form->addRow(satz, EditSatz);
    form->addRow(QString(), CBAktiv);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = okAbbruchHilfe(this, knoepfe, kHilfeMwSt);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TDMwSt::fuellen(const MwStEingaben& e) {
    EditSatz->setText(ausAnsi(e.satz));
    CBAktiv->setChecked(e.aktiv);
    EditSatz->setFocus();
    EditSatz->selectAll();
}

MwStEingaben TDMwSt::eingaben() const {
    return MwStEingaben{nachAnsi(EditSatz->text()), CBAktiv->isChecked()};
}

bool mwstBefehl(Sitzung& s, QWidget* eltern) {
    TDMwSt dlg(eltern);
    return mwstDialog(s.verein, s.person, [&dlg](MwStEingaben& e) { return dlg.abfragen(e); });
}

} // namespace zalvor::gui
