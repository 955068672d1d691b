// Tprintdlg: margins, gaps, page numbers, the extra column, heading style and fonts.
#include "gui/printing/druckoptionendialog.h"

#include "gui/files/dialoghilfe.h"
#include "print/druckschrift.h"
#include "print/qteinstellungsspeicher.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

constexpr int kHilfeDruckoptionen = 21;

QLineEdit* zahlfeld(const char* name) {
    auto* f = new QLineEdit;
    f->setObjectName(QString::fromLatin1(name));
    f->setMaxLength(5);
    f->setMaximumWidth(f->fontMetrics().averageCharWidth() * 8);
    return f;
}

} // namespace

Tprintdlg::Tprintdlg(QWidget* parent) : TWerteDialog(parent) {
    setObjectName(QStringLiteral("Tprintdlg"));
    setWindowTitle(QStringLiteral("Druckoptionen"));

    EditOben = zahlfeld("EditOben");
    EditLinks = zahlfeld("EditLinks");
    EditUnten = zahlfeld("EditUnten");
    EditZeilen = zahlfeld("EditZeilen");
    EditSpalten = zahlfeld("EditSpalten");
    auto* raender = new QGridLayout;
    const struct {
        const char* text;
        QLineEdit* feld;
    } zeilen[] = {{"&Oben:", EditOben},
                  {"&Links:", EditLinks},
                  {"&Unten:", EditUnten},
                  {"&Zeilenabstand:", EditZeilen},
                  {"&Spaltenabst.:", EditSpalten}};
    int z = 0;
    for (const auto& zeile : zeilen) {
        auto* l = new QLabel(QString::fromUtf8(zeile.text));
        l->setBuddy(zeile.feld);
        raender->addWidget(l, z, 0);
        raender->addWidget(zeile.feld, z, 1);
        raender->addWidget(new QLabel(QStringLiteral("Punkte")), z, 2);
        ++z;
    }

    CBSeitenNr = new QCheckBox(QStringLiteral("Seiten&nummern"));
    CBSeitenNr->setObjectName(QStringLiteral("CBSeitenNr"));
    CBAnVon = new QCheckBox(QStringLiteral("An/&Von-Spalte"));
    CBAnVon->setObjectName(QStringLiteral("CBAnVon"));
    CBAnVon->setEnabled(false);

    auto* gruppe = new QGroupBox(QString::fromUtf8("Ü&berschriften"));
    auto* gruppenLayout = new QVBoxLayout(gruppe);
    const char* const stile[] = {"Fett", "Fett / nie kursiv", "Fett / immer kursiv"};
    auto* knopfgruppe = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        RBUeberschrift[i] = new QRadioButton(QString::fromUtf8(stile[i]));
        knopfgruppe->addButton(RBUeberschrift[i], i);
        gruppenLayout->addWidget(RBUeberschrift[i]);
    }

    BtnSchrift1 = new QPushButton(QStringLiteral("Schriftart &1 ..."));
    BtnSchrift1->setObjectName(QStringLiteral("BtnSchrift1"));
    BtnSchrift2 = new QPushButton(QStringLiteral("Schriftart &2 ..."));
    BtnSchrift2->setObjectName(QStringLiteral("BtnSchrift2"));
    BtnDrucker = new QPushButton(QStringLiteral("&Drucker..."));
    BtnDrucker->setObjectName(QStringLiteral("BtnDrucker"));
    // Return in a number field means OK, never a font chooser or the printer set-up.
    for (QPushButton* k : {BtnSchrift1, BtnSchrift2, BtnDrucker})
        k->setAutoDefault(false);
    connect(BtnSchrift1, &QPushButton::clicked, this, [this] { schriftWaehlen(schrift1_); });
    connect(BtnSchrift2, &QPushButton::clicked, this, [this] { schriftWaehlen(schrift2_); });
    connect(BtnDrucker, &QPushButton::clicked, this, [this] { druckerEinrichten(this); });

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeDruckoptionen);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(gruppe);
    rechts->addWidget(CBSeitenNr);
    rechts->addWidget(CBAnVon);
    auto* oben = new QHBoxLayout;
    oben->addLayout(raender);
    oben->addLayout(rechts);
    auto* schriften = new QHBoxLayout;
    schriften->addWidget(BtnSchrift1);
    schriften->addWidget(BtnSchrift2);
    schriften->addWidget(BtnDrucker);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addLayout(schriften);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void Tprintdlg::schriftWaehlen(Schrift& s) {
    bool ok = false;
    const QFont alt = druck::qtSchrift(s, Schriftwahl{1, 0, s.stil});
    QFont start(alt.family(), s.groesse);
    start.setBold(alt.bold());
    start.setItalic(alt.italic());
    const QFont f = QFontDialog::getFont(&ok, start, this, QStringLiteral("Schriftart"));
    if (!ok) return;
    s.name = schriftname(druck::ansiText(f.family()));
    s.groesse = static_cast<std::uint8_t>(std::clamp(f.pointSize(), 1, 255));
    s.stil = static_cast<std::uint8_t>((f.bold() ? kFett : 0) | (f.italic() ? kKursiv : 0) |
                                       (f.underline() ? kUnterstrichen : 0) |
                                       (f.strikeOut() ? kDurchgestrichen : 0));
}

void Tprintdlg::fuellen(const Druckeingaben& d) {
    EditOben->setText(QString::fromStdString(d.oben));
    EditLinks->setText(QString::fromStdString(d.links));
    EditUnten->setText(QString::fromStdString(d.unten));
    EditZeilen->setText(QString::fromStdString(d.zeilenabstand));
    EditSpalten->setText(QString::fromStdString(d.spaltenabstand));
    CBSeitenNr->setChecked(d.seitennummern);
    CBAnVon->setChecked(d.anVon);
    RBUeberschrift[std::clamp(d.italic, 0, 2)]->setChecked(true);
    schrift1_ = d.schrift1;
    schrift2_ = d.schrift2;
}

Druckeingaben Tprintdlg::eingaben() const {
    Druckeingaben d;
    d.oben = druck::ansiText(EditOben->text());
    d.links = druck::ansiText(EditLinks->text());
    d.unten = druck::ansiText(EditUnten->text());
    d.zeilenabstand = druck::ansiText(EditZeilen->text());
    d.spaltenabstand = druck::ansiText(EditSpalten->text());
    d.seitennummern = CBSeitenNr->isChecked();
    d.anVon = CBAnVon->isChecked();
    for (int i = 0; i < 3; ++i)
        if (RBUeberschrift[i]->isChecked()) d.italic = i;
    d.schrift1 = schrift1_;
    d.schrift2 = schrift2_;
    return d;
}

Druckeinstellungen& druckeinstellungen() {
    static Druckeinstellungen e = standardDruckeinstellungen(druck::standardschrift());
    return e;
}

QPrinter& drucker() {
    static QPrinter p(QPrinter::HighResolution);
    return p;
}

void druckerEinrichten(QWidget* eltern) {
    QPrintDialog dialog(&drucker(), eltern);
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.exec();
}

bool druckoptionen(Person& p, QWidget* eltern, const QString& anVonText) {
    Druckeinstellungen& e = druckeinstellungen();
    const bool ersterLauf = druck::druckeinstellungenLaden(p, e);
    Tprintdlg dialog(eltern);
    dialog.fuellen(druckeingaben(e));
    if (!anVonText.isEmpty()) {
        dialog.CBAnVon->setText(anVonText);
        dialog.CBAnVon->setEnabled(true);
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted) return false;
        if (auto neu = druckeingabenPruefen(dialog.eingaben(), p)) {
            e = *neu;
            break;
        }
    }
    druck::druckeinstellungenSpeichern(p, e, ersterLauf);
    return true;
}

} // namespace zalvor::gui
