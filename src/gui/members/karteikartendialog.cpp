// The member card: the engine fills and stores it, the dialog shows and collects.
#include "gui/members/karteikartendialog.h"

#include "core/common/befehlsregeln.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/members/mitgliedsdatei.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/files/namensraster.h"
#include "gui/members/mitgliederhilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
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

    GBMandat = benannt(new QGroupBox(QStringLiteral("Lastschriftmandat")), "GBMandat");
    EIban = neuesFeld("EIban", 34, QLatin1Char('W'));
    EBic = neuesFeld("EBic", 11, QLatin1Char('W'));
    EInhaber = neuesFeld("EInhaber", 30, QLatin1Char('W'));
    EInhaber->setMaxLength(70);
    EReferenz = neuesFeld("EReferenz", 20, QLatin1Char('W'));
    EReferenz->setMaxLength(35);
    EUnterschrift = neuesFeld("EUnterschrift", 10);
    LSequenz = benannt(new QLabel, "LSequenz");
    auto* mandat = new QFormLayout(GBMandat);
    mandat->addRow(beschriftung(QStringLiteral("&IBAN:"), EIban), EIban);
    mandat->addRow(beschriftung(QStringLiteral("BI&C:"), EBic), EBic);
    mandat->addRow(beschriftung(QStringLiteral("&Kontoinhaber:"), EInhaber), EInhaber);
    mandat->addRow(beschriftung(QStringLiteral("&Mandatsreferenz:"), EReferenz), EReferenz);
    mandat->addRow(beschriftung(QStringLiteral("&Unterschrieben am:"), EUnterschrift),
                   EUnterschrift);
    mandat->addRow(LSequenz);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeMitglieder);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(felder);
    haupt->addWidget(SGFelder);
    haupt->addWidget(beschriftung(QString::fromUtf8("Beitrags&satz:"), CBSatz));
    haupt->addWidget(CBSatz);
    haupt->addWidget(GBMandat);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
    // Reading order; the fields were made before the dialog took them in.
    setTabOrder(EName, EVorname);
    setTabOrder(EVorname, SGFelder);
    setTabOrder(SGFelder, CBSatz);
    setTabOrder(CBSatz, EIban);
    setTabOrder(EIban, EBic);
    setTabOrder(EBic, EInhaber);
    setTabOrder(EInhaber, EReferenz);
    setTabOrder(EReferenz, EUnterschrift);
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

void TDMglKrt::mandatFuellen(const sepa::MandatsKarte& m) {
    EIban->setText(ausAnsi(m.iban));
    EBic->setText(ausAnsi(m.bic));
    EInhaber->setText(ausAnsi(m.inhaber));
    EReferenz->setText(ausAnsi(m.referenz));
    EUnterschrift->setText(ausAnsi(m.datum));
    LSequenz->setText(ausAnsi(m.sequenz));
}

void TDMglKrt::mandatNehmen(sepa::MandatsKarte& m) const {
    m.iban = nachAnsi(EIban->text().trimmed());
    m.bic = nachAnsi(EBic->text().trimmed());
    m.inhaber = nachAnsi(EInhaber->text().trimmed());
    m.referenz = nachAnsi(EReferenz->text().trimmed());
    m.datum = nachAnsi(EUnterschrift->text().trimmed());
}

void TDMglKrt::accept() {
    if (s_) {
        sepa::MandatsKarte m;
        mandatNehmen(m);
        if (const auto fehler = sepa::mandatsKarteFehler(m, s_->uhr.heute())) {
            s_->person.meldung(A("Fehler!"), *fehler, Symbol::Fehler);
            return;
        }
    }
    QDialog::accept();
}

namespace {

std::vector<TMitglied> kartei(const Sitzung& s) {
    try {
        return mitgliederLesen(s.verein.dateien().mitglieder());
    } catch (const EAFehler&) {
        return {};
    }
}

} // namespace

std::optional<std::uint32_t> karteZeigen(Sitzung& s, std::optional<std::uint32_t> n,
                                         QWidget* eltern) {
    TDMglKrt karte(eltern);
    const bool schreiben = befehlVerfuegbar(s, Befehlsart::MitgliedNeu);
    const std::string db = s.verein.dateien().datenbank();
    sepa::MandatsKarte mandat = sepa::mandatsKarteFuellen(db, kartei(s), n);
    karte.mandatFuellen(mandat);
    karte.pruefenMit(&s);
    const auto nummer = karteDialog(s, n, [&](Karteikarte& k) {
        karte.fuellen(k, schreiben);
        if (karte.exec() != QDialog::Accepted) return false;
        karte.mandatNehmen(mandat);
        karte.nehmen(k);
        return true;
    });
    if (nummer) {
        const auto r = sepa::mandatsKarteSpeichern(db, kartei(s), *nummer, mandat, s.uhr.heute());
        if (!r) s.person.meldung(A("Fehler!"), r.meldung(), Symbol::Fehler);
    }
    return nummer;
}

} // namespace zalvor::gui
