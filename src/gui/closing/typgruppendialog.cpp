// Type-group assignment dialog; the checks and changes are the engine's.
#include "gui/closing/typgruppendialog.h"

#include "gui/common/hilfeaufruf.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/lists/rastermodell.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace zalvor::gui {

namespace {

const QString kFormat = QStringLiteral("application/x-zalvor-typzuordnung");
constexpr int kHilfeKontext = 111;

} // namespace

// The grid's model, told when the dialog refills its grid from the store.
class TZuordnungsModell : public TRasterModell {
  public:
    using TRasterModell::TRasterModell;
    template <typename F>
    void neuFuellen(F fuellen) {
        beginResetModel();
        fuellen();
        endResetModel();
    }
};

TZuordnungsRaster::TZuordnungsRaster(TDTGAssign& dialog) : QTableView(&dialog), dialog_(dialog) {
    setObjectName("StringGrid1");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(19);
    horizontalHeader()->setStretchLastSection(true);
}

void TZuordnungsRaster::mousePressEvent(QMouseEvent* e) {
    QTableView::mousePressEvent(e);
    if (e->button() != Qt::LeftButton || !indexAt(e->position().toPoint()).isValid()) return;
    auto* ziehen = new QDrag(this);
    ziehen->setMimeData(dialog_.ziehdaten());
    ziehen->exec(Qt::MoveAction);
}

TZielListe::TZielListe(TDTGAssign& dialog) : QListWidget(&dialog), dialog_(dialog) {
    setObjectName("ListBox1");
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

bool TZielListe::annehmen(const QMimeData* daten, QPoint pos) {
    if (!dialog_.vomRaster(daten)) return false;
    QListWidgetItem* eintrag = itemAt(pos);
    if (!eintrag) return false;
    setCurrentItem(eintrag);
    return true;
}

void TZielListe::dragEnterEvent(QDragEnterEvent* e) {
    if (dialog_.vomRaster(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TZielListe::dragMoveEvent(QDragMoveEvent* e) {
    if (annehmen(e->mimeData(), e->position().toPoint()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TZielListe::dropEvent(QDropEvent* e) {
    if (!annehmen(e->mimeData(), e->position().toPoint())) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    dialog_.zuordnen();
}

TDTGAssign::TDTGAssign(zalvor::Typverwaltung& typen, zalvor::Seite seite, zalvor::Person& person,
                       QWidget* parent)
    : QDialog(parent), zuordnung_(typen, seite), person_(person) {
    setObjectName("TDTGAssign");
    setWindowTitle(ausAnsi(zuordnung_.titel()));
    auto* l = new QGridLayout(this);
    auto* erklaerung = new QLabel(
        QString::fromUtf8("Hier können Sie einen Buchungs-Typ einer Typengruppe zuordnen, auch "
                          "bereits bestehende Gruppen können einer anderen Gruppe untergeordnet "
                          "werden. (Am schnellsten per Drag & Drop)"),
        this);
    erklaerung->setTextFormat(Qt::PlainText);
    erklaerung->setWordWrap(true);
    l->addWidget(erklaerung, 0, 0, 1, 2);

    StringGrid1 = new TZuordnungsRaster(*this);
    ListBox1 = new TZielListe(*this);
    auto* rasterLabel = new QLabel(QStringLiteral("&Typ/Gruppe"), this);
    rasterLabel->setBuddy(StringGrid1);
    auto* listenLabel = new QLabel(QStringLiteral("Dieser &Gruppe zuordnen:"), this);
    listenLabel->setBuddy(ListBox1);
    l->addWidget(rasterLabel, 1, 0);
    l->addWidget(listenLabel, 1, 1);
    l->addWidget(StringGrid1, 2, 0);
    l->addWidget(ListBox1, 2, 1);
    l->setColumnStretch(0, 3);
    l->setColumnStretch(1, 2);

    auto* knoepfe = new QHBoxLayout;
    BtnZuordnen = new QPushButton(QStringLiteral("&Zuordnung vornehmen"), this);
    BtnZuordnen->setObjectName("BtnZuordnen");
    BtnZuordnen->setDefault(true);
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    hilfe->setObjectName("BtnHilfe");
    BtnSchliessen = new QPushButton(QString::fromUtf8("&Schließen"), this);
    BtnSchliessen->setObjectName("BtnSchliessen");
    knoepfe->addWidget(BtnZuordnen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hilfe);
    knoepfe->addWidget(BtnSchliessen);
    l->addLayout(knoepfe, 3, 0, 1, 2);

    connect(BtnZuordnen, &QPushButton::clicked, this, &TDTGAssign::zuordnen);
    connect(hilfe, &QPushButton::clicked, this, [] { hilfeAufrufen(kHilfeKontext); });
    hilfeTaste(hilfe);
    connect(BtnSchliessen, &QPushButton::clicked, this,
            [this] { done(geaendert() ? QDialog::Accepted : QDialog::Rejected); });
    modell_ = new TZuordnungsModell(raster_, StringGrid1);
    StringGrid1->setModel(modell_);
    resize(640, 480);
    fuellen();
    StringGrid1->setColumnWidth(0, 200);
    StringGrid1->selectRow(0);
}

void TDTGAssign::fuellen() {
    const int zeile = StringGrid1->currentIndex().isValid() ? StringGrid1->currentIndex().row() : 0;
    modell_->neuFuellen([this] {
        raster_ = zuordnung_.raster();
        posten_ = zuordnung_.zeilenPosten();
    });
    if (!posten_.empty())
        StringGrid1->selectRow(std::min(zeile, static_cast<int>(posten_.size()) - 1));

    ListBox1->clear();
    for (const std::string& e : zuordnung_.listenEintraege())
        ListBox1->addItem(ausAnsi(e));
    ziele_ = zuordnung_.listenZiele();
    ListBox1->setCurrentRow(-1);
}

void TDTGAssign::zuordnen() {
    const QModelIndex zeile = StringGrid1->currentIndex();
    if (!zeile.isValid() || zeile.row() >= static_cast<int>(posten_.size())) return;
    const int eintrag = ListBox1->currentRow();
    std::optional<int> ziel;
    if (eintrag >= 0 && eintrag < static_cast<int>(ziele_.size()))
        ziel = ziele_[static_cast<std::size_t>(eintrag)];
    const int posten = posten_[static_cast<std::size_t>(zeile.row())];
    zuordnung_.zuordnen(person_, posten, ziel, [this] {
        return zalvor::TypgruppenZuordnung::gruppennameErfragen(person_);
    });
    // The refusals without a target or onto itself leave the dialog as it is.
    if (!ziel || (*ziel > 0 && zalvor::Typverwaltung::gruppeZuPosten(*ziel) == posten)) return;
    fuellen();
}

QMimeData* TDTGAssign::ziehdaten() const {
    auto* daten = new QMimeData;
    daten->setData(kFormat, QByteArray::number(reinterpret_cast<quintptr>(this)));
    return daten;
}

bool TDTGAssign::vomRaster(const QMimeData* daten) const {
    return daten && daten->data(kFormat) == QByteArray::number(reinterpret_cast<quintptr>(this));
}

} // namespace zalvor::gui
