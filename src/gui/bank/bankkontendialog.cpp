// The bank accounts dialog: a row per account, the engine checks and stores.
#include "gui/bank/bankkontendialog.h"

#include "core/bank/bankkontenpflege.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "gui/bank/bankhilfe.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

constexpr int kIban = 2;
constexpr int kBank = 3;

QTableWidgetItem* fest(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// Every row in one transaction: a refused IBAN leaves all accounts as they were.
bool speichern(Sitzung& s, const QTableWidget& t, QWidget* eltern) {
    auto db = Datenbank::schreiben(s.verein.dateien().datenbank());
    if (!db) {
        QMessageBox::critical(eltern, QStringLiteral("Fehler!"), ausAnsi(db.meldung()));
        return false;
    }
    Transaktion tr(*db);
    for (int konto = 1; konto <= 9; ++konto) {
        const QString iban = t.item(konto - 1, kIban)->text().trimmed();
        const std::string bank = t.item(konto - 1, kBank)->text().trimmed().toStdString();
        const auto e = iban.isEmpty()
                           ? bankkontoEntfernen(tr, konto)
                           : bank::bankkontoEintragen(tr, konto, iban.toStdString(), bank);
        if (!e) {
            QMessageBox::warning(eltern, QStringLiteral("Bankkonten"),
                                 QStringLiteral("Konto %1: ").arg(konto) + ausAnsi(e.meldung()));
            return false;
        }
    }
    tr.festschreiben();
    return true;
}

} // namespace

void bankkontenDialog(Sitzung& s, QWidget* eltern) {
    QDialog d(eltern);
    d.setObjectName("bankkontenDialog");
    d.setWindowTitle(QStringLiteral("Bankkonten"));
    auto* tabelle = new QTableWidget(9, 4, &d);
    tabelle->setObjectName("bankkonten");
    tabelle->setHorizontalHeaderLabels({"Konto", "Name", "IBAN", "Bank"});
    tabelle->verticalHeader()->hide();
    auto db = Datenbank::lesen(s.verein.dateien().datenbank());
    const auto konten = db ? bankkontenLesen(*db) : std::vector<Bankkonto>{};
    for (int konto = 1; konto <= 9; ++konto) {
        const int z = konto - 1;
        tabelle->setItem(z, 0, fest(QString::number(konto)));
        tabelle->setItem(
            z, 1, fest(ausAnsi(OemNachAnsi(s.verein.def.konten[static_cast<std::size_t>(konto)]))));
        QString iban, bank;
        for (const Bankkonto& k : konten)
            if (k.konto == konto) {
                iban = QString::fromStdString(bank::ibanGruppiert(k.iban));
                bank = QString::fromStdString(k.bank);
            }
        tabelle->setItem(z, kIban, new QTableWidgetItem(iban));
        tabelle->setItem(z, kBank, new QTableWidgetItem(bank));
    }
    tabelle->resizeColumnsToContents();
    tabelle->setColumnWidth(kIban, 260);
    tabelle->setColumnWidth(kBank, 160);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, [&] {
        if (speichern(s, *tabelle, &d)) d.accept();
    });
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    hilfeKnopf(knoepfe, kHilfeKontoauszug);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(tabelle);
    layout->addWidget(knoepfe);
    d.resize(640, 360);
    d.exec();
}

} // namespace zalvor::gui
