// Month question: an editable drop-down list 1..12; the engine checks the text.
#include "gui/closing/monatsdialog.h"

#include "core/closing/monatsfrage.h"
#include "gui/common/qtext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace zalvor::gui {

TWAskMonat::TWAskMonat(QWidget* parent) : QDialog(parent) {
    setObjectName("TWAskMonat");
    setWindowTitle(QString::fromUtf8("Monatsabschluß"));
    auto* form = new QFormLayout(this);
    CBMonat = new QComboBox(this);
    CBMonat->setObjectName("CBMonat");
    CBMonat->setEditable(true);
    for (int m = 1; m <= 12; ++m)
        CBMonat->addItem(QString::number(m));
    CBMonat->setCurrentText(QStringLiteral("1"));
    auto* label = new QLabel(QStringLiteral("&Monat:"), this);
    label->setBuddy(CBMonat);
    form->addRow(label, CBMonat);
    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* ok = knoepfe->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("BtnOk");
    ok->setDefault(true);
    knoepfe->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole)
        ->setObjectName("BtnAbbruch");
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(knoepfe);
}

std::optional<int> monatAbfragen(Person& p, QWidget* eltern) {
    TWAskMonat frage(eltern);
    return zalvor::monatErfragen(p, [&]() -> std::optional<std::string> {
        if (frage.exec() != QDialog::Accepted) return std::nullopt;
        return nachAnsi(frage.CBMonat->currentText());
    });
}

} // namespace zalvor::gui
