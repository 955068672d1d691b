// The plan dialog TWPlanv: grid over the engine's plan model, edit panel, decoration.
#include "gui/lists/planvorgabendialog.h"

#include "core/common/typverwaltung.h"
#include "core/files/sitzung.h"
#include "core/lists/planvorgaben.h"
#include "gui/common/hilfeaufruf.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/lists/planbilder.h"

#include <QAbstractTableModel>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zalvor::gui {

// The 99 rows as the model shows them; nothing is copied.
class TPlanZellen : public QAbstractTableModel {
  public:
    TPlanZellen(const zalvor::Planvorgabenmodell& m, QObject* eltern)
        : QAbstractTableModel(eltern), m_(m) {}

    int rowCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() ? 0 : zalvor::kPosten;
    }
    int columnCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex& i, int rolle) const override {
        if (rolle != Qt::DisplayRole || !i.isValid()) return {};
        const int n = i.row() + 1;
        return ausAnsi(i.column() == 0 ? m_.zeilenText(n) : m_.zelle(n));
    }
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override {
        if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal) return {};
        return abschnitt == 0 ? QStringLiteral("Typ(engruppe)") : QStringLiteral("Betrag");
    }
    // After a taken value: the group rule may have changed any row.
    void neu() { emit dataChanged(index(0, 0), index(zalvor::kPosten - 1, 1)); }

  private:
    const zalvor::Planvorgabenmodell& m_;
};

namespace {

QPushButton* knopf(const QString& text, const char* name) {
    auto* k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}

QLabel* hinweis(const char* utf8) {
    auto* l = new QLabel(QString::fromUtf8(utf8));
    l->setWordWrap(true);
    return l;
}

} // namespace

void TWPlanv::rasterAnlegen() {
    zellen_ = new TPlanZellen(modell_, this);
    StringGrid1 = new QTableView;
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(zellen_);
    // The cells are aligned with blanks.
    QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    StringGrid1->setFont(fest);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(fest).height() + 4);
    const int zeichen = QFontMetrics(fest).horizontalAdvance(QLatin1Char('0'));
    StringGrid1->setColumnWidth(0, zeichen * 22);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setMinimumSize(zeichen * 38, 320);
    StringGrid1->installEventFilter(this);
}

QGridLayout* TWPlanv::bilderAnlegen() {
    auto* bilder = new QGridLayout;
    for (int i = 0; i < kPlanbilder; ++i) {
        Bild[i] = new QPushButton;
        Bild[i]->setObjectName(QStringLiteral("Bild%1").arg(i + 1));
        Bild[i]->setIcon(planBild(i, false));
        Bild[i]->setIconSize(QSize(32, 32));
        Bild[i]->setFlat(true);
        Bild[i]->setAutoDefault(false);
        Bild[i]->setFocusPolicy(Qt::NoFocus);
        Partner[i] = new QLabel;
        Partner[i]->setObjectName(QStringLiteral("Partner%1").arg(i + 1));
        Partner[i]->setPixmap(planBild(i, true));
        // A revealed partner takes the place kept for it; nothing moves.
        QSizePolicy halten = Partner[i]->sizePolicy();
        halten.setRetainSizeWhenHidden(true);
        Partner[i]->setSizePolicy(halten);
        Partner[i]->hide();
        bilder->addWidget(Bild[i], 0, i, Qt::AlignCenter);
        bilder->addWidget(Partner[i], 1, i, Qt::AlignCenter);
        connect(Bild[i], &QPushButton::clicked, this, [this, i] { aufdecken(i); });
    }
    return bilder;
}

TWPlanv::TWPlanv(zalvor::Planvorgabenmodell& modell, QWidget* parent)
    : QDialog(parent), modell_(modell) {
    setObjectName(QStringLiteral("TWPlanv"));
    setWindowTitle(QStringLiteral("Planvorgaben"));

    rasterAnlegen();

    PanelEdit = new QFrame;
    PanelEdit->setObjectName(QStringLiteral("PanelEdit"));
    static_cast<QFrame*>(PanelEdit)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    EZBetrag = new QLineEdit;
    EZBetrag->setObjectName(QStringLiteral("EZBetrag"));
    LBetrag = new QLabel(QStringLiteral("&Betrag ändern:"));
    LBetrag->setObjectName(QStringLiteral("LBetrag"));
    LBetrag->setBuddy(EZBetrag);
    BtnUebernehmen = knopf(QStringLiteral("Über&nehmen"), "BtnUebernehmen");
    BtnUebernehmen->setDefault(true);
    BtnNichtAendern = knopf(QStringLiteral("&Nicht ändern!"), "BtnNichtAendern");
    auto* panel = new QVBoxLayout(PanelEdit);
    panel->addWidget(LBetrag);
    panel->addWidget(EZBetrag);
    panel->addWidget(BtnUebernehmen);
    panel->addWidget(BtnNichtAendern);
    panel->addStretch(1);
    panel->addLayout(bilderAnlegen());

    BtnSpeichern = knopf(QStringLiteral("&Speichern"), "BtnSpeichern");
    BtnAbbruch = knopf(QStringLiteral("&Abbruch"), "BtnAbbruch");
    QPushButton* hilfe = knopf(QStringLiteral("&Hilfe"), "BtnHilfe");
    connect(BtnSpeichern, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [] { hilfeAufrufen(kHilfeKontext); });
    hilfeTaste(hilfe);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(BtnSpeichern);
    unten->addWidget(BtnAbbruch);
    unten->addWidget(hilfe);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(StringGrid1, 1);
    mitte->addWidget(PanelEdit);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(hinweis("Markieren Sie einen Typ bzw. eine Gruppe, dann können Sie im rechten "
                             "Feld den Wert der Planvorgabe ändern."));
    haupt->addWidget(hinweis("1 bis 50: Buchungstypen 51 bis 99: Typengruppen"));
    haupt->addLayout(mitte, 1);
    haupt->addLayout(unten);

    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid()) gewaehlt(i.row() + 1);
            });
    connect(StringGrid1, &QTableView::doubleClicked, this, [this] {
        if (EZBetrag->isEnabled()) EZBetrag->setFocus();
    });
    connect(EZBetrag, &QLineEdit::textChanged, this, [this] { editKnoepfe(true); });
    connect(BtnUebernehmen, &QPushButton::clicked, this, &TWPlanv::uebernehmen);
    connect(BtnNichtAendern, &QPushButton::clicked, this, &TWPlanv::nichtAendern);

    eintragWaehlen(1);
    StringGrid1->setFocus();
}

int TWPlanv::eintrag() const {
    const QModelIndex i = StringGrid1->currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

void TWPlanv::eintragWaehlen(int n) {
    StringGrid1->setCurrentIndex(zellen_->index(n - 1, 1));
    gewaehlt(n);
}

void TWPlanv::gewaehlt(int n) {
    const bool frei = modell_.bearbeitbar(n);
    EZBetrag->setText(ausAnsi(modell_.zelle(n)));
    EZBetrag->setEnabled(frei);
    LBetrag->setEnabled(frei);
    editKnoepfe(false);
}

void TWPlanv::editKnoepfe(bool an) {
    BtnUebernehmen->setEnabled(an);
    BtnNichtAendern->setEnabled(an);
}

void TWPlanv::uebernehmen() {
    if (!modell_.uebernehmen(eintrag(), nachAnsi(EZBetrag->text()))) return;
    zellen_->neu();
    editKnoepfe(false);
    StringGrid1->setFocus();
}

void TWPlanv::nichtAendern() {
    editKnoepfe(false);
    StringGrid1->setFocus();
}

void TWPlanv::aufdecken(int nr) {
    Partner[nr]->show();
    for (const QLabel* p : Partner)
        if (p->isHidden()) return;
    PanelEdit->hide();
}

bool TWPlanv::eventFilter(QObject* o, QEvent* e) {
    if (o == StringGrid1 && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            if (EZBetrag->isEnabled() && PanelEdit->isVisible()) EZBetrag->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TWPlanv::keyPressEvent(QKeyEvent* e) {
    // Escape belongs to "&Nicht ändern!"; while that is disabled it does nothing.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (BtnNichtAendern->isEnabled() && PanelEdit->isVisible()) BtnNichtAendern->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void planvorgabenBefehl(zalvor::Sitzung& s, QWidget* eltern) {
    zalvor::planvorgabenBeginnen(s.verein);
    zalvor::Planvorgabenmodell modell(s.verein, s.person,
                                      zalvor::planvorgabenSeiteFragen(s.person));
    TWPlanv dlg(modell, eltern);
    if (dlg.exec() == QDialog::Accepted) modell.speichern();
}

} // namespace zalvor::gui
