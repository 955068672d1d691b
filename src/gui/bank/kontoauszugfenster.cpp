// The import preview window and its table model.
#include "gui/bank/kontoauszugfenster.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/satzdatei.h"
#include "core/files/sitzung.h"
#include "core/transaction/schreibtransaktion.h"
#include "gui/bank/bankhilfe.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

// Model columns and the engine grid's column each shows (-1: the window's own).
constexpr int kRasterSpalte[] = {-1, 0, 1, 2, 3, 4, 5, -1, 6, 7};
constexpr int kSpalten = 10;

Seite seite(const bank::Vorschauzeile& z) {
    return z.zeile.richtung == bank::Richtung::Haben ? Seite::Einnahme : Seite::Ausgabe;
}

QString kontoText(const Sitzung& s, int konto) {
    return QString::number(konto) + " " +
           ausAnsi(OemNachAnsi(s.verein.def.konten[static_cast<std::size_t>(konto)]));
}

// The choices of the type and account columns: the named types of the line's side, the nine
// accounts.
class Auswahl : public QStyledItemDelegate {
  public:
    Auswahl(Sitzung& s, bank::Importplan& p, QObject* eltern)
        : QStyledItemDelegate(eltern), s_(s), p_(p) {}

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                          const QModelIndex& i) const override {
        auto* box = new QComboBox(eltern);
        const auto& z = p_.zeilen[static_cast<std::size_t>(i.row())];
        if (i.column() == Kontoauszugmodell::kTyp) {
            const auto& typen = s_.verein.def.typen;
            for (int posten = 0; posten <= kTypen; ++posten) {
                const std::uint8_t code = Typverwaltung::postenZuTypcode(posten);
                const std::string name = typen.typcodeName(seite(z), code);
                if (posten == 0 || !name.empty()) box->addItem(ausAnsi(name), code);
            }
            box->setCurrentIndex(std::max(0, box->findData(z.typ.typcode)));
        } else {
            for (int konto = 1; konto <= 9; ++konto)
                box->addItem(kontoText(s_, konto), konto);
            box->setCurrentIndex(z.konto - 1);
        }
        return box;
    }
    void setModelData(QWidget* editor, QAbstractItemModel* m, const QModelIndex& i) const override {
        m->setData(i, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
    }

  private:
    Sitzung& s_;
    bank::Importplan& p_;
};

} // namespace

Kontoauszugmodell::Kontoauszugmodell(Sitzung& s, bank::Importplan& plan, QObject* eltern)
    : QAbstractTableModel(eltern), s_(s), plan_(plan) {
    raster_ = bank::importRaster(plan_, s_.verein.def.typen);
}

int Kontoauszugmodell::rowCount(const QModelIndex&) const {
    return static_cast<int>(plan_.zeilen.size());
}

int Kontoauszugmodell::columnCount(const QModelIndex&) const {
    return kSpalten;
}

QVariant Kontoauszugmodell::data(const QModelIndex& i, int rolle) const {
    const auto& z = plan_.zeilen[static_cast<std::size_t>(i.row())];
    if (i.column() == kBuchen) {
        if (rolle == Qt::CheckStateRole && z.buchbar && z.bunr.empty())
            return z.zuBuchen() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (rolle != Qt::DisplayRole && rolle != Qt::EditRole) {
        if (rolle == Qt::TextAlignmentRole && i.column() == 2)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (i.column() == kKonto) return kontoText(s_, z.konto);
    return ausAnsi(raster_.zeilen[static_cast<std::size_t>(i.row())]
                                 [static_cast<std::size_t>(kRasterSpalte[i.column()])]);
}

QVariant Kontoauszugmodell::headerData(int spalte, Qt::Orientation o, int rolle) const {
    if (o != Qt::Horizontal || rolle != Qt::DisplayRole) return {};
    if (spalte == kBuchen) return QStringLiteral("Buchen");
    if (spalte == kKonto) return QStringLiteral("Konto");
    return ausAnsi(raster_.kopf[static_cast<std::size_t>(kRasterSpalte[spalte])]);
}

Qt::ItemFlags Kontoauszugmodell::flags(const QModelIndex& i) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    const auto& z = plan_.zeilen[static_cast<std::size_t>(i.row())];
    if (!z.buchbar || !z.bunr.empty()) return f;
    if (i.column() == kBuchen) f |= Qt::ItemIsUserCheckable;
    if ((i.column() == kTyp || i.column() == kKonto) && z.zuBuchen()) f |= Qt::ItemIsEditable;
    return f;
}

bool Kontoauszugmodell::setData(const QModelIndex& i, const QVariant& wert, int rolle) {
    const auto nr = static_cast<std::size_t>(i.row());
    auto& z = plan_.zeilen[nr];
    if (i.column() == kBuchen && rolle == Qt::CheckStateRole)
        bank::zeileWaehlen(plan_, nr, wert.toInt() == Qt::Checked);
    else if (i.column() == kTyp && rolle == Qt::EditRole)
        bank::zeileAendern(plan_, nr, static_cast<std::uint8_t>(wert.toInt()), z.konto);
    else if (i.column() == kKonto && rolle == Qt::EditRole)
        bank::zeileAendern(plan_, nr, z.typ.typcode, wert.toInt());
    else
        return false;
    auffrischen();
    return true;
}

void Kontoauszugmodell::auffrischen() {
    raster_ = bank::importRaster(plan_, s_.verein.def.typen);
    emit dataChanged(index(0, 0), index(rowCount() - 1, kSpalten - 1));
}

KontoauszugFenster::KontoauszugFenster(Sitzung& s, Datenbank& db, bank::Importplan plan,
                                       QWidget* eltern, sepa::Beitragsimport* beitraege)
    : QDialog(eltern), s_(s), db_(db), plan_(std::move(plan)), beitraege_(beitraege) {
    setObjectName("kontoauszugFenster");
    setWindowTitle(QStringLiteral("Kontoauszug importieren - ") + ausAnsi(plan_.datei));
    modell_ = new Kontoauszugmodell(s_, plan_, this);
    tabelle_ = new QTableView(this);
    tabelle_->setObjectName("kontoauszug");
    tabelle_->setModel(modell_);
    tabelle_->setItemDelegate(new Auswahl(s_, plan_, this));
    tabelle_->verticalHeader()->hide();
    tabelle_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tabelle_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const int breiten[] = {52, 82, 72, 34, 120, 210, 120, 110, 96, 44};
    for (int i = 0; i < kSpalten; ++i)
        tabelle_->setColumnWidth(i, breiten[i]);
    abgleich_ = new QLabel(this);
    abgleich_->setObjectName("abgleich");
    buchenKnopf_ = new QPushButton(QStringLiteral("&Buchen"), this);
    schliessenKnopf_ = new QPushButton(QStringLiteral("Abbruch"), this);
    connect(buchenKnopf_, &QPushButton::clicked, this, [this] { buchen(); });
    connect(schliessenKnopf_, &QPushButton::clicked, this, &QDialog::reject);
    connect(modell_, &QAbstractItemModel::dataChanged, this, [this] { abgleichZeigen(true); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(abgleich_, 1);
    knoepfe->addWidget(buchenKnopf_);
    knoepfe->addWidget(schliessenKnopf_);
    auto* hilfe = new QDialogButtonBox(this);
    hilfeKnopf(hilfe, kHilfeKontoauszug);
    knoepfe->addWidget(hilfe);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabelle_);
    layout->addLayout(knoepfe);
    resize(1000, 480);
    abgleichZeigen(true);
}

void KontoauszugFenster::abgleichZeigen(bool vorschau) {
    // Without a closing balance there is nothing to reconcile, and the file is not read.
    if (std::none_of(plan_.auszuege.begin(), plan_.auszuege.end(),
                     [](const bank::Kontoauszug& a) { return a.schlusssaldo.has_value(); }))
        return;
    const auto saetze = alleBuchungenLesen(s_.verein.datei.dateiname());
    QStringList zeilen;
    for (const auto& a : bank::abgleichen(s_.verein, plan_, saetze, vorschau))
        zeilen << ausAnsi(bank::abgleichText(a));
    abgleich_->setText(zeilen.join('\n'));
}

void KontoauszugFenster::buchen() {
    try {
        bank::importBuchen(s_, db_, plan_, [this] {
            if (beitraege_) beitraege_->nachDemBuchen(s_, plan_);
        });
    } catch (const BefehlAbgebrochen&) {
    } catch (const EAFehler& e) {
        // The database rolled back; the files are undone before the message waits.
        if (auto* t = Schreibtransaktion::laufende()) t->zuruecknehmen();
        QMessageBox::critical(this, QStringLiteral("Fehler!"),
                              QStringLiteral("Der Kontoauszug konnte nicht gebucht werden (%1).")
                                  .arg(QString::fromStdString(e.what())));
    }
    disconnect(modell_, &QAbstractItemModel::dataChanged, this, nullptr);
    modell_->auffrischen();
    abgleichZeigen(false);
    buchenKnopf_->setEnabled(false);
    schliessenKnopf_->setText(QStringLiteral("Schließen"));
}

} // namespace zalvor::gui
