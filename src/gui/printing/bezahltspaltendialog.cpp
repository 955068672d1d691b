// TDQBez: two groups of two buttons; the box styles show the boxes the printout draws.
#include "gui/printing/bezahltspaltendialog.h"

#include "gui/files/dialoghilfe.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

constexpr int kHilfeBezahltSpalte = 21;

} // namespace

TDQBez::TDQBez(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDQBez"));
    setWindowTitle(QStringLiteral("Bezahlt-Spalte"));
    auto* text = new QLabel(QString::fromUtf8(
        "Wählen Sie bitte, wie die \"Bez\"-Spalte gedruckt werden soll (links=nicht bez., "
        "rechts=bez.)"));
    text->setWordWrap(true);
    auto knopf = [this](const QString& t, Bezahltstil s, const char* name) {
        auto* k = new QPushButton(t);
        k->setObjectName(QString::fromLatin1(name));
        connect(k, &QPushButton::clicked, this, [this, s] {
            stil_ = s;
            accept();
        });
        return k;
    };
    auto* kaesten = new QGroupBox(QStringLiteral("Wingdings"));
    auto* kl = new QHBoxLayout(kaesten);
    kl->addWidget(knopf(QString::fromUtf8("\u2610  \u2611"), Bezahltstil::Haken, "BtnHaken"));
    kl->addWidget(knopf(QString::fromUtf8("\u2610  \u2612"), Bezahltstil::Kreuz, "BtnKreuz"));
    auto* texte = new QGroupBox(QStringLiteral("Text (eingestellte Schriftart)"));
    auto* tl = new QHBoxLayout(texte);
    tl->addWidget(knopf(QStringLiteral("[  ]  [X]"), Bezahltstil::Klammern, "BtnKlammern"));
    tl->addWidget(knopf(QStringLiteral("-  X"), Bezahltstil::Zelltext, "BtnText"));
    auto* knoepfe = new QDialogButtonBox;
    hilfeKnopf(knoepfe, kHilfeBezahltSpalte);
    neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text);
    auto* gruppen = new QHBoxLayout;
    gruppen->addWidget(kaesten);
    gruppen->addWidget(texte);
    haupt->addLayout(gruppen);
    haupt->addWidget(knoepfe);
}

std::optional<Bezahltstil> bezahltSpalteFragen(QWidget* eltern) {
    TDQBez d(eltern);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.stil();
}

} // namespace zalvor::gui
