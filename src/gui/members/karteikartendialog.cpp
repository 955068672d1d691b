// The member card: the engine fills and stores it, the dialog shows and collects.
#include "gui/members/karteikartendialog.h"

#include "core/common/befehlsregeln.h"
#include "core/files/sitzung.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/files/namensraster.h"
#include "gui/members/mitgliederhilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TDMglKrt::TDMglKrt(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDMglKrt"));
    setWindowTitle(QStringLiteral("Mitglieder-Karteikarte"));
    EName = neuesFeld("EName", 20, QLatin1Char('W'));
    EVorname = neuesFeld("EVorname", 20, QLatin1Char('W'));
    SGFelder = namensraster(QString(), QString(), static_cast<int>(kFreiFelder), 25, 10, 25, this);
    SGFelder->setObjectName(QStringLiteral("SGFelder"));
    SGFelder->horizontalHeader()->hide();
    rasterHoehe(SGFelder, static_cast<int>(kFreiFelder));
    CBSatz = benannt(new QComboBox, "CBSatz");

    auto* form = new QFormLayout;
    form->addRow(beschriftung(QStringLiteral("&Nachname:"), EName), EName);
    form->addRow(beschriftung(QStringLiteral("&Vorname:"), EVorname), EVorname);
    auto* felder = beschriftung(QStringLiteral("&Benutzerdefinierte Felder:"), SGFelder);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeMitglieder);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(felder);
    haupt->addWidget(SGFelder);
    haupt->addWidget(beschriftung(QString::fromUtf8("Beitrags&satz:"), CBSatz));
    haupt->addWidget(CBSatz);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
    // Reading order; the fields were made before the dialog took them in.
    setTabOrder(EName, EVorname);
    setTabOrder(EVorname, SGFelder);
    setTabOrder(SGFelder, CBSatz);
}

void TDMglKrt::fuellen(const Karteikarte& k, bool schreiben) {
    EName->setText(ausAnsi(k.eingaben.nachname));
    EVorname->setText(ausAnsi(k.eingaben.vorname));
    for (std::size_t i = 0; i < kFreiFelder; ++i) {
        const int r = static_cast<int>(i);
        rasterZeile(SGFelder, r, ausAnsi(k.feldnamen[i]), ausAnsi(k.eingaben.frei[i]));
        SGFelder->item(r, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    CBSatz->clear();
    CBSatz->addItems(ausAnsi(k.saetze));
    CBSatz->setCurrentIndex(k.eingaben.satz);
    CBSatz->setEnabled(k.satzlisteAktiv);
    BtnOk->setEnabled(schreiben);
    EName->setFocus();
}

void TDMglKrt::nehmen(Karteikarte& k) const {
    SGFelder->eingabeUebernehmen();
    k.eingaben.nachname = nachAnsi(EName->text());
    k.eingaben.vorname = nachAnsi(EVorname->text());
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        k.eingaben.frei[i] = nachAnsi(rasterWert(SGFelder, static_cast<int>(i)));
    k.eingaben.satz = CBSatz->currentIndex();
}

std::optional<std::uint32_t> karteZeigen(Sitzung& s, std::optional<std::uint32_t> n,
                                         QWidget* eltern) {
    TDMglKrt karte(eltern);
    const bool schreiben = befehlVerfuegbar(s, Befehlsart::MitgliedNeu);
    return karteDialog(s, n, [&](Karteikarte& k) {
        karte.fuellen(k, schreiben);
        if (karte.exec() != QDialog::Accepted) return false;
        karte.nehmen(k);
        return true;
    });
}

} // namespace zalvor::gui
