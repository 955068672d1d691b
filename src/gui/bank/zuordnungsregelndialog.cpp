// The assignment rules dialog: a row per rule with its pattern, side and type; the caller
// checks and stores.
#include "gui/bank/zuordnungsregelndialog.h"

#include "core/bank/regelpflege.h"
#include "gui/bank/bankhilfe.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

constexpr int kMuster = 0;
constexpr int kSeite = 1;
constexpr int kTyp = 2;

// The side combo's entries; the index is the side, the first holds for both.
const std::optional<Seite> kSeiten[] = {std::nullopt, Seite::Einnahme, Seite::Ausgabe};

int seitenIndex(std::optional<Seite> seite) {
    return !seite ? 0 : *seite == Seite::Einnahme ? 1 : 2;
}

} // namespace

ZuordnungsregelnDialog::ZuordnungsregelnDialog(
    const TDefinitionen& def, const std::vector<bank::Zuordnungsregel>& gespeichert,
    Uebernahme uebernehmen, QWidget* eltern)
    : QDialog(eltern), def_(def), uebernehmen_(std::move(uebernehmen)),
      tabelle_(new QTableWidget(0, 3, this)) {
    setObjectName("zuordnungsregelnDialog");
    setWindowTitle(QStringLiteral("Zuordnungsregeln"));
    tabelle_->setObjectName("zuordnungsregeln");
    tabelle_->setHorizontalHeaderLabels({"Muster", "Seite", "Typ"});
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->horizontalHeader()->setSectionResizeMode(kMuster, QHeaderView::Stretch);
    tabelle_->setColumnWidth(kSeite, 160);
    tabelle_->setColumnWidth(kTyp, 240);

    auto* neu = benannt(new QPushButton(QStringLiteral("&Neu"), this), "neu");
    auto* entfernen = benannt(new QPushButton(QStringLiteral("&Entfernen"), this), "entfernen");
    auto* hoch = benannt(new QPushButton(QStringLiteral("Nach &oben"), this), "hoch");
    auto* runter = benannt(new QPushButton(QStringLiteral("Nach &unten"), this), "runter");
    connect(neu, &QPushButton::clicked, this, [this] {
        auto r = regeln();
        r.emplace_back();
        zeigen(r, static_cast<int>(r.size()) - 1);
        tabelle_->editItem(tabelle_->item(tabelle_->rowCount() - 1, kMuster));
    });
    connect(entfernen, &QPushButton::clicked, this, [this] {
        const int z = tabelle_->currentRow();
        if (z < 0) return;
        auto r = regeln();
        r.erase(r.begin() + z);
        zeigen(r, std::min(z, static_cast<int>(r.size()) - 1));
    });
    connect(hoch, &QPushButton::clicked, this, [this] { verschieben(-1); });
    connect(runter, &QPushButton::clicked, this, [this] { verschieben(1); });
    auto* seitlich = new QVBoxLayout;
    for (QPushButton* k : {neu, entfernen, hoch, runter}) {
        k->setAutoDefault(false);
        seitlich->addWidget(k);
    }
    seitlich->addStretch();

    auto* knoepfe = new QDialogButtonBox(this);
    hilfeKnopf(knoepfe, kHilfeKontoauszug);
    benannt(neuerKnopf(knoepfe, QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok")
        ->setDefault(true);
    neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &ZuordnungsregelnDialog::bestaetigen);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* oben = new QHBoxLayout;
    oben->addWidget(tabelle_, 1);
    oben->addLayout(seitlich);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(knoepfe);
    resize(720, 360);
    zeigen(gespeichert, gespeichert.empty() ? -1 : 0);
}

std::vector<bank::Zuordnungsregel> ZuordnungsregelnDialog::regeln() const {
    std::vector<bank::Zuordnungsregel> aus;
    for (int z = 0; z < tabelle_->rowCount(); ++z) {
        bank::Zuordnungsregel r;
        r.muster = tabelle_->item(z, kMuster)->text().trimmed().toStdString();
        r.seite = kSeiten[static_cast<QComboBox*>(tabelle_->cellWidget(z, kSeite))->currentIndex()];
        r.typ = static_cast<QComboBox*>(tabelle_->cellWidget(z, kTyp))->currentData().toInt();
        r.zeile = z + 1;
        aus.push_back(std::move(r));
    }
    return aus;
}

void ZuordnungsregelnDialog::zeigen(const std::vector<bank::Zuordnungsregel>& regeln, int auswahl) {
    tabelle_->setRowCount(static_cast<int>(regeln.size()));
    for (int z = 0; z < tabelle_->rowCount(); ++z)
        zeileSetzen(z, regeln[static_cast<std::size_t>(z)]);
    if (auswahl >= 0) tabelle_->setCurrentCell(auswahl, kMuster);
}

void ZuordnungsregelnDialog::zeileSetzen(int zeile, const bank::Zuordnungsregel& r) {
    tabelle_->setItem(zeile, kMuster, new QTableWidgetItem(QString::fromStdString(r.muster)));
    auto* seite = new QComboBox;
    for (const auto& s : kSeiten)
        seite->addItem(s ? ausAnsi(bank::seitenText(s)) : QStringLiteral("beide Seiten"));
    seite->setCurrentIndex(seitenIndex(r.seite));
    tabelle_->setCellWidget(zeile, kSeite, seite);
    tabelle_->setCellWidget(zeile, kTyp, new QComboBox);
    typenFuellen(zeile, r.typ);
    // The row of the combo is looked up when it changes: moving rows rebuilds them.
    connect(seite, &QComboBox::currentIndexChanged, this, [this, seite] {
        for (int z = 0; z < tabelle_->rowCount(); ++z)
            if (tabelle_->cellWidget(z, kSeite) == seite)
                typenFuellen(
                    z,
                    static_cast<QComboBox*>(tabelle_->cellWidget(z, kTyp))->currentData().toInt());
    });
}

// The named types of the row's side; a stored type that has lost its name stays listed,
// so that the table shows the rule as it is (confirming it is then refused).
void ZuordnungsregelnDialog::typenFuellen(int zeile, int typ) {
    const auto seite =
        kSeiten[static_cast<QComboBox*>(tabelle_->cellWidget(zeile, kSeite))->currentIndex()];
    auto* box = static_cast<QComboBox*>(tabelle_->cellWidget(zeile, kTyp));
    auto typen = bank::regeltypen(def_, seite);
    if (box->count() == 0 && std::find(typen.begin(), typen.end(), typ) == typen.end())
        typen.push_back(typ);
    box->clear();
    for (int t : typen)
        box->addItem(ausAnsi(bank::regeltypText(def_, seite, t)), t);
    box->setCurrentIndex(std::max(0, box->findData(typ)));
}

void ZuordnungsregelnDialog::verschieben(int schritt) {
    const int z = tabelle_->currentRow();
    const int ziel = z + schritt;
    if (z < 0 || ziel < 0 || ziel >= tabelle_->rowCount()) return;
    auto r = regeln();
    std::swap(r[static_cast<std::size_t>(z)], r[static_cast<std::size_t>(ziel)]);
    zeigen(r, ziel);
}

void ZuordnungsregelnDialog::bestaetigen() {
    const std::string abgewiesen = uebernehmen_(regeln());
    if (abgewiesen.empty()) {
        accept();
        return;
    }
    QMessageBox::warning(this, windowTitle(), ausAnsi(abgewiesen));
}

} // namespace zalvor::gui
