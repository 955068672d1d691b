// The member settings: the engine checks and stores, the dialog shows and collects.
#include "gui/members/mitgliedereinstellungsdialog.h"

#include "core/entry/buchungseingabe.h"
#include "core/files/sitzung.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/files/namensraster.h"
#include "gui/members/beitragssaetzedialog.h"
#include "gui/members/mitgliederhilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TDMglEinst::TDMglEinst(Sitzung& s, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDMglEinst"));
    setWindowTitle(QStringLiteral("Mitgliederverwaltung: Einstellungen"));
    auto* text = new QLabel(ausAnsi(mglEinstText()));
    text->setWordWrap(true);

    CBKonto = benannt(new QComboBox, "CBKonto");
    konten_ = mglEinstKonten(s.verein.def);
    for (int n : konten_)
        CBKonto->addItem(ausAnsi(kontoEintrag(s.verein.def, n)));
    EBetrag = neuesFeld("EBetrag", 10);
    SGFelder = namensraster(QString(), QString(), static_cast<int>(kFreiFelder), 10, 6, 10, this);
    SGFelder->setObjectName(QStringLiteral("SGFelder"));
    SGFelder->horizontalHeader()->hide();
    rasterHoehe(SGFelder, static_cast<int>(kFreiFelder));
    BtnWeitere =
        benannt(new QPushButton(QString::fromUtf8("Weitere Beitagssätze...")), "BtnWeitere");
    BtnWeitere->setAutoDefault(false);
    connect(BtnWeitere, &QPushButton::clicked, this, [this, &s] { weitereSaetzeZeigen(s, this); });

    auto* gitter = new QGridLayout;
    gitter->addWidget(beschriftung(QStringLiteral("&Konto:"), CBKonto), 0, 0);
    gitter->addWidget(CBKonto, 0, 1, 1, 2);
    gitter->addWidget(beschriftung(QStringLiteral("&Betrag:"), EBetrag), 1, 0);
    gitter->addWidget(EBetrag, 1, 1);
    gitter->addWidget(new QLabel(QStringLiteral("(Standard- Beitragssatz)")), 1, 2);
    gitter->addWidget(beschriftung(QStringLiteral("Benutzerdefinierte &Felder:"), SGFelder), 2, 0,
                      1, 3);
    gitter->addWidget(SGFelder, 3, 0, 1, 3);
    gitter->addWidget(BtnWeitere, 4, 0, 1, 3, Qt::AlignLeft);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeBeitraege);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text);
    haupt->addLayout(gitter);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TDMglEinst::fuellen(const MglEinstEingaben& e) {
    int wahl = -1;
    for (std::size_t i = 0; i < konten_.size(); ++i)
        if (konten_[i] == e.konto) wahl = static_cast<int>(i);
    CBKonto->setCurrentIndex(wahl);
    EBetrag->setText(ausAnsi(e.betrag));
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        rasterZeile(SGFelder, static_cast<int>(i), QStringLiteral("Frei %1").arg(i + 1),
                    ausAnsi(e.felder[i]));
}

void TDMglEinst::nehmen(MglEinstEingaben& e) const {
    SGFelder->eingabeUebernehmen();
    const int wahl = CBKonto->currentIndex();
    e.konto = wahl >= 0 ? konten_[static_cast<std::size_t>(wahl)] : 0;
    e.betrag = nachAnsi(EBetrag->text());
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        e.felder[i] = nachAnsi(rasterWert(SGFelder, static_cast<int>(i)));
}

bool mitgliederEinstellungenZeigen(Sitzung& s, QWidget* eltern) {
    TDMglEinst dialog(s, eltern);
    return mglEinstDialog(s, [&](MglEinstEingaben& e) {
        dialog.fuellen(e);
        if (dialog.exec() != QDialog::Accepted) return false;
        dialog.nehmen(e);
        return true;
    });
}

} // namespace zalvor::gui
