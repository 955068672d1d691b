// The contribution dialog with its two button pictures.
#include "gui/members/beitraegebuchendialog.h"

#include "gui/common/qtext.h"
#include "gui/common/svgbild.h"
#include "gui/files/dialoghilfe.h"
#include "gui/members/mitgliederhilfe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

// A coin with a tick (money goes in) or a red cross (nothing is booked).
QIcon bild(const char* name) {
    return svgSymbol(QStringLiteral(":/icons/contributions/%1.svg").arg(QLatin1String(name)));
}

} // namespace

TDBeitr::TDBeitr(const BeitragsDialog& d, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDBeitr"));
    setWindowTitle(QString::fromUtf8("Beiträge buchen"));
    auto* flaeche = new QWidget;
    auto* spalte = new QVBoxLayout(flaeche);
    kaesten.reserve(d.kaestchen.size());
    for (const BeitragsKaestchen& k : d.kaestchen) {
        auto* c = new QCheckBox(ausAnsi(k.text), flaeche);
        c->setChecked(k.angehakt);
        c->setEnabled(k.aktiv);
        spalte->addWidget(c);
        kaesten.push_back(c);
    }
    spalte->addStretch();
    auto* rollen = benannt(new QScrollArea, "ScrollBox");
    rollen->setWidget(flaeche);
    rollen->setWidgetResizable(true);
    rollen->setMinimumSize(320, 360);

    auto* knoepfe = new QDialogButtonBox;
    BtnBuchen = neuerKnopf(knoepfe, QStringLiteral("&Buchen "), QDialogButtonBox::AcceptRole);
    BtnBuchen->setIcon(bild("buchen"));
    BtnBuchen->setDefault(true);
    BtnAbbruch = neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    BtnAbbruch->setIcon(bild("abbruch"));
    hilfeKnopf(knoepfe, kHilfeBeitraege);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(rollen);
    haupt->addWidget(knoepfe);
}

void TDBeitr::nehmen(BeitragsDialog& d) const {
    for (std::size_t i = 0; i < kaesten.size() && i < d.kaestchen.size(); ++i)
        d.kaestchen[i].angehakt = kaesten[i]->isChecked();
}

void beitraegeBuchenZeigen(Sitzung& s, QWidget* eltern) {
    auto d = beitraegeOeffnen(s);
    if (!d) return;
    TDBeitr dialog(*d, eltern);
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.nehmen(*d);
    beitraegeBuchen(s, *d);
}

} // namespace zalvor::gui
