// The creditor dialog: the engine checks and stores, the dialog shows and collects.
#include "gui/sepa/glaeubigerdialog.h"

#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/files/sitzung.h"
#include "core/sepa/glaeubigerdaten.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/members/mitgliederhilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TDGlaeubiger::TDGlaeubiger(Sitzung& s, QWidget* parent) : QDialog(parent), s_(s) {
    setObjectName(QStringLiteral("TDGlaeubiger"));
    setWindowTitle(QString::fromUtf8("Gläubigerdaten"));
    EId = neuesFeld("EId", 22, QLatin1Char('W'));
    EId->setMaxLength(35);
    EName = neuesFeld("EName", 35, QLatin1Char('W'));
    EName->setMaxLength(70);
    CBKonto = benannt(new QComboBox, "CBKonto");
    auto* form = new QFormLayout;
    form->addRow(beschriftung(QString::fromUtf8("Gläubiger-&ID:"), EId), EId);
    form->addRow(beschriftung(QStringLiteral("&Name:"), EName), EName);
    form->addRow(beschriftung(QStringLiteral("Einzug auf &Konto:"), CBKonto), CBKonto);
    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeLastschrift);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);

    auto db = Datenbank::lesen(s.verein.dateien().datenbank());
    const auto g = db ? glaeubigerLesen(*db) : std::nullopt;
    // Only an account with IBAN can collect.
    if (db)
        for (const Bankkonto& b : bankkontenLesen(*db))
            CBKonto->addItem(
                QString::number(b.konto) + QStringLiteral("  ") +
                    ausAnsi(OemNachAnsi(s.verein.def.konten[static_cast<std::size_t>(b.konto)])) +
                    QStringLiteral("  ") + QString::fromStdString(b.iban),
                b.konto);
    if (g) {
        EId->setText(QString::fromStdString(g->kennung));
        EName->setText(QString::fromStdString(g->name));
        CBKonto->setCurrentIndex(CBKonto->findData(g->konto));
    }
}

void TDGlaeubiger::accept() {
    auto db = Datenbank::schreiben(s_.verein.dateien().datenbank());
    if (!db) {
        s_.person.meldung(A("Fehler!"), db.meldung(), Symbol::Fehler);
        return;
    }
    sepa::GlaeubigerEingabe e;
    e.id = EId->text().toStdString();
    e.name = EName->text().trimmed().toStdString();
    e.konto = CBKonto->currentIndex() < 0 ? 0 : CBKonto->currentData().toInt();
    const auto r = sepa::glaeubigerAendern(*db, e);
    if (!r) {
        s_.person.meldung(A("Fehler!"), r.meldung(), Symbol::Fehler);
        return;
    }
    QDialog::accept();
}

bool glaeubigerZeigen(Sitzung& s, QWidget* eltern) {
    TDGlaeubiger d(s, eltern);
    return d.exec() == QDialog::Accepted;
}

} // namespace zalvor::gui
