// The column choice of the member list: captions from the engine, nothing stored.
#include "gui/members/listenspaltendialog.h"

#include "core/files/sitzung.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/members/mitgliederhilfe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zalvor::gui {

TDMglLstIncl::TDMglLstIncl(const std::array<std::string, 7>& titel, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TDMglLstIncl"));
    setWindowTitle(QStringLiteral("Mitgliederliste"));
    auto* haupt = new QVBoxLayout(this);
    auto* text = new QLabel(ausAnsi(spaltenwahlText()));
    text->setWordWrap(true);
    haupt->addWidget(text);
    for (std::size_t i = 0; i < titel.size(); ++i) {
        kaesten[i] = new QCheckBox(ausAnsi(titel[i]));
        kaesten[i]->setObjectName(QStringLiteral("CB%1").arg(i + 1));
        haupt->addWidget(kaesten[i]);
    }
    auto* knoepfe = new QDialogButtonBox;
    hilfeOkAbbruch(this, knoepfe, kHilfeMitgliederliste);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

Spaltenwahl TDMglLstIncl::wahl() const {
    Spaltenwahl w;
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        w.frei[i] = kaesten[i]->isChecked();
    w.beschreibung = kaesten[5]->isChecked();
    w.betrag = kaesten[6]->isChecked();
    return w;
}

std::optional<Spaltenwahl> spaltenWaehlen(const Sitzung& s, QWidget* eltern) {
    TDMglLstIncl dialog(spaltenwahlTitel(s.verein.def), eltern);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.wahl();
}

} // namespace zalvor::gui
