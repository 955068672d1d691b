// The contribution dialog; its two button pictures are drawn here, not loaded.
#include "gui/members/beitraegebuchendialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/members/mitgliederhilfe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

constexpr int kBild = 16;

// A coin with a tick: money goes in.
QIcon buchenBild() {
    QPixmap p(kBild, kBild);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(120, 90, 0), 1));
    m.setBrush(QColor(240, 200, 40));
    m.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QPainterPath haken;
    haken.moveTo(4.5, 8.5);
    haken.lineTo(7, 11);
    haken.lineTo(11.5, 5);
    m.setPen(QPen(QColor(0, 110, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m.setBrush(Qt::NoBrush);
    m.drawPath(haken);
    return QIcon(p);
}

// A red cross: nothing is booked.
QIcon abbruchBild() {
    QPixmap p(kBild, kBild);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(190, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    m.drawLine(QPointF(4, 4), QPointF(12, 12));
    m.drawLine(QPointF(12, 4), QPointF(4, 12));
    return QIcon(p);
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
    BtnBuchen->setIcon(buchenBild());
    BtnBuchen->setDefault(true);
    BtnAbbruch = neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    BtnAbbruch->setIcon(abbruchBild());
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
