// The sort dialog TWListSort: the radio group of the five orders.
#include "gui/files/sortierdialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TWListSort::TWListSort(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TWListSort"));
    setWindowTitle(QStringLiteral("Listen sortieren nach"));

    auto* gruppe = new QGroupBox(QStringLiteral("Sortier&kriterium"));
    auto* spalte = new QVBoxLayout(gruppe);
    RGKriterium = new QButtonGroup(this);
    for (std::size_t i = 0; i < kSortierungen.size(); ++i) {
        auto* knopf = new QRadioButton(ausAnsi(sortierungText(kSortierungen[i])));
        RGKriterium->addButton(knopf, static_cast<int>(i));
        spalte->addWidget(knopf);
    }

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeSortieren);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(gruppe);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
    vorbereiten();
}

void TWListSort::vorbereiten() {
    waehlen(Sortierung::Nummer);
    RGKriterium->button(0)->setFocus();
}

void TWListSort::waehlen(Sortierung s) {
    for (std::size_t i = 0; i < kSortierungen.size(); ++i)
        if (kSortierungen[i] == s) RGKriterium->button(static_cast<int>(i))->setChecked(true);
}

Sortierung TWListSort::gewaehlt() const {
    const int i = RGKriterium->checkedId();
    return i < 0 ? Sortierung::Nummer : kSortierungen[static_cast<std::size_t>(i)];
}

bool sortierenBefehl(Sitzung& s, QWidget* eltern) {
    TWListSort dlg(eltern);
    if (dlg.exec() != QDialog::Accepted) return false;
    sortierungWaehlen(s, dlg.gewaehlt());
    s.statuszeile();
    return true;
}

} // namespace zalvor::gui
