// The member window: a list of the register with its buttons and context menu. One window at
// a time: a second one would show a register the first one no longer knows about.
#include "gui/members/mitgliederfenster.h"

#include "core/common/befehlsregeln.h"
#include "core/files/sitzung.h"
#include "core/members/karteikarte.h"
#include "gui/common/kindfenster.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/members/karteikartendialog.h"
#include "gui/members/mitgliederhilfe.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

QPointer<TDMgl>& offen() {
    static QPointer<TDMgl> fenster;
    return fenster;
}

} // namespace

TDMgl::TDMgl(TMainForm& f, QWidget* parent) : QWidget(parent), f_(f) {
    setObjectName(QStringLiteral("TDMgl"));
    setWindowTitle(QStringLiteral("Mitgliederkartei"));
    LBMitglieder = benannt(new QListWidget, "LBMitglieder");
    LBMitglieder->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* titel = beschriftung(QStringLiteral("&Mitglieder"), LBMitglieder);

    auto knopf = [this](const QString& text, const char* name, void (TDMgl::*was)()) {
        auto* k = benannt(new QPushButton(text), name);
        connect(k, &QPushButton::clicked, this,
                [this, was] { f_.befehl([this, was] { (this->*was)(); }); });
        return k;
    };
    BtnHinzufuegen = knopf(QString::fromUtf8("&Hinzufügen"), "BtnHinzufuegen", &TDMgl::hinzufuegen);
    BtnEntfernen = knopf(QStringLiteral("&Entfernen"), "BtnEntfernen", &TDMgl::entfernen);
    BtnAnsehen = knopf(QString::fromUtf8("&Ansehen/Ändern"), "BtnAnsehen", &TDMgl::ansehen);
    BtnAnsehen->setDefault(true);
    BtnSchliessen = benannt(new QPushButton(QString::fromUtf8("&Schließen")), "BtnSchliessen");
    connect(BtnSchliessen, &QPushButton::clicked, this, [this] {
        if (parentWidget()) parentWidget()->close();
    });
    auto* hilfe = new QDialogButtonBox;
    hilfeKnopf(hilfe, kHilfeMitglieder);

    Kontextmenue = new QMenu(this);
    auto eintrag = [this](const QString& text, void (TDMgl::*was)()) {
        Kontextmenue->addAction(text, this,
                                [this, was] { f_.befehl([this, was] { (this->*was)(); }); });
    };
    eintrag(QString::fromUtf8("&Hinzufügen"), &TDMgl::hinzufuegen);
    eintrag(QString::fromUtf8("&Ansehen/Ändern"), &TDMgl::ansehen);
    eintrag(QString::fromUtf8("&Löschen"), &TDMgl::entfernen);
    connect(LBMitglieder, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        Kontextmenue->popup(LBMitglieder->viewport()->mapToGlobal(p));
    });
    // Activation is the double click and Enter alike: one card for either.
    connect(LBMitglieder, &QListWidget::itemActivated, this,
            [this] { f_.befehl([this] { ansehen(); }); });

    auto* spalte = new QVBoxLayout;
    for (auto* k : {BtnHinzufuegen, BtnEntfernen, BtnAnsehen, BtnSchliessen})
        spalte->addWidget(k);
    spalte->addStretch();
    spalte->addWidget(hilfe);
    auto* links = new QVBoxLayout;
    links->addWidget(titel);
    links->addWidget(LBMitglieder, 1);
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(spalte);
    lesen();
}

void TDMgl::freigeben() {
    const auto& s = f_.sitzung();
    BtnHinzufuegen->setEnabled(befehlVerfuegbar(s, Befehlsart::MitgliedNeu));
    BtnEntfernen->setEnabled(befehlVerfuegbar(s, Befehlsart::MitgliedEntfernen) &&
                             LBMitglieder->count() > 0);
    const auto aktionen = Kontextmenue->actions();
    aktionen[0]->setEnabled(BtnHinzufuegen->isEnabled());
    aktionen[2]->setEnabled(BtnEntfernen->isEnabled());
}

void TDMgl::lesen() {
    const int zeile = LBMitglieder->currentRow();
    LBMitglieder->clear();
    LBMitglieder->addItems(ausAnsi(karteiEintraege(f_.sitzung().verein.dateien())));
    if (LBMitglieder->count() > 0)
        LBMitglieder->setCurrentRow(std::clamp(zeile, 0, LBMitglieder->count() - 1));
    freigeben();
}

void TDMgl::hinzufuegen() {
    const auto nr = karteZeigen(f_.sitzung(), std::nullopt, this);
    lesen();
    if (nr) LBMitglieder->setCurrentRow(static_cast<int>(*nr));
}

void TDMgl::ansehen() {
    const int zeile = LBMitglieder->currentRow();
    if (zeile < 0) return;
    const auto nr = karteZeigen(f_.sitzung(), static_cast<std::uint32_t>(zeile), this);
    lesen();
    if (nr) LBMitglieder->setCurrentRow(static_cast<int>(*nr));
}

void TDMgl::entfernen() {
    const int zeile = LBMitglieder->currentRow();
    if (zeile < 0) return;
    if (mitgliedLoeschen(f_.sitzung(), static_cast<std::uint32_t>(zeile))) lesen();
}

void mitgliederFensterZeigen(TMainForm& f) {
    befehlPruefen(f.sitzung(), Befehlsart::MitgliedAnzeigen);
    if (TDMgl* w = offen().data()) {
        w->lesen();
        f.arbeitsflaeche()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
        return;
    }
    if (!mitgliederFensterErlaubt(f.sitzung().verein.dateien(), f.sitzung().person)) return;
    auto* fenster = new TDMgl(f);
    kindfensterZeigen(f.arbeitsflaeche(), fenster, f.windowIcon(), false);
    offen() = fenster;
}

TDMgl* offenesMitgliederFenster() {
    return offen().data();
}

void mitgliederFensterSchliessen() {
    kindfensterSchliessen(offen().data());
}

} // namespace zalvor::gui
