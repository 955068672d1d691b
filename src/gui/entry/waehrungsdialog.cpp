// The currency settings dialog TDSetEuro: layout, list choice, digits-only year fields.
#include "gui/entry/waehrungsdialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

QLabel* text(const QString& t) {
    auto* l = new QLabel(t);
    l->setWordWrap(true);
    return l;
}

} // namespace

TDSetEuro::TDSetEuro(QWidget* parent) : TWerteDialog(parent) {
    setObjectName(QStringLiteral("TDSetEuro"));
    setWindowTitle(QStringLiteral("\"Alte\" Währung und Euro"));
    const int zeichen = fontMetrics().averageCharWidth();

    CBWaehrg = benannt(new QComboBox, "CBWaehrg");
    CBWaehrg->setEditable(true);
    CBWaehrg->setInsertPolicy(QComboBox::NoInsert);
    CBWaehrg->addItems(ausAnsi(waehrungsListe()));
    CBWaehrg->lineEdit()->setMaxLength(3);
    CBWaehrg->setMinimumContentsLength(4);
    // Rows of the open list as high as the dots of "ÖS" reach.
    const QFontMetrics masse(CBWaehrg->view()->font());
    const int zeile =
        std::max(masse.height(), masse.boundingRect(QString::fromUtf8("ÖÄÜ")).height()) +
        masse.height() / 2;
    for (int i = 0; i < CBWaehrg->count(); ++i)
        CBWaehrg->setItemData(i, QSize(0, zeile), Qt::SizeHintRole);
    EditKurs = neuesFeld("EditKurs", 10);
    EditUJ = neuesFeld("EditUJ", 2);
    EditUBis = neuesFeld("EditUBis", 2);

    auto* einleitung = new QHBoxLayout;
    auto* t1 = text(QStringLiteral(
        "Erfassen Sie hier die Bezeichnung Ihrer \"alten\" Währung sowie den Wechselkurs, mit "
        "dem diese in den Euro umgerechnet werden kann. ."));
    auto* t2 = text(QStringLiteral(
        "Wollen Sie den Euro nicht benutzen (z.B. in der Schweiz) geben Sie als Kurs Null ein, "
        "legen aber dennoch eine Währungsbezeichnung fest."));
    t1->setMinimumWidth(zeichen * 30);
    t2->setMinimumWidth(zeichen * 30);
    einleitung->addWidget(t1, 1, Qt::AlignTop);
    einleitung->addSpacing(zeichen * 2);
    einleitung->addWidget(t2, 1, Qt::AlignTop);

    auto* info = new QGroupBox(QStringLiteral("Währungsinformationen"));
    auto* infoGitter = new QGridLayout(info);
    auto* kursLabel = new QLabel(QStringLiteral("Wechsel&kurs"));
    kursLabel->setBuddy(EditKurs);
    auto* waehrungLabel = new QLabel(QStringLiteral("&Währung"));
    waehrungLabel->setBuddy(CBWaehrg);
    infoGitter->addWidget(kursLabel, 0, 1);
    infoGitter->addWidget(waehrungLabel, 0, 2);
    infoGitter->addWidget(new QLabel(QStringLiteral("1 Euro ist")), 1, 0);
    infoGitter->addWidget(EditKurs, 1, 1);
    infoGitter->addWidget(CBWaehrg, 1, 2);
    infoGitter->addWidget(new QLabel(QStringLiteral("wert.")), 1, 3);
    infoGitter->setColumnStretch(4, 1);

    auto* zeitraum = new QGroupBox(QStringLiteral("Umstellungszeitraum"));
    auto* zeitGitter = new QGridLayout(zeitraum);
    auto* ujLabel = new QLabel(QStringLiteral("&Umstellungsjahr"));
    ujLabel->setBuddy(EditUJ);
    auto* bisLabel = new QLabel(QStringLiteral("Umstellungszeitraum &bis"));
    bisLabel->setBuddy(EditUBis);
    zeitGitter->addWidget(ujLabel, 0, 0);
    zeitGitter->addWidget(EditUJ, 0, 1);
    zeitGitter->addWidget(bisLabel, 1, 0);
    zeitGitter->addWidget(EditUBis, 1, 1);
    zeitGitter->addWidget(text(QStringLiteral("Bitte lesen Sie hierzu die Hilfe genau durch!")), 2,
                          0, 1, 3);
    zeitGitter->setColumnStretch(2, 1);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeWaehrung);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(einleitung);
    haupt->addWidget(info);
    haupt->addWidget(zeitraum);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);

    connect(CBWaehrg, &QComboBox::textActivated, this, [this](const QString& eintrag) {
        WaehrungsEingaben e = eingaben();
        waehrungGewaehlt(nachAnsi(eintrag), e);
        EditKurs->setText(ausAnsi(e.kurs));
        EditUJ->setText(ausAnsi(e.umstellungsjahr));
        zuletztUJ_ = e.umstellungsjahr;
    });
    connect(EditUJ, &QLineEdit::textEdited, this, [this] { jahrGeaendert(EditUJ, zuletztUJ_); });
    connect(EditUBis, &QLineEdit::textEdited, this,
            [this] { jahrGeaendert(EditUBis, zuletztUBis_); });
}

void TDSetEuro::jahrGeaendert(QLineEdit* feld, std::string& zuletzt) {
    std::string neu = nachAnsi(feld->text());
    std::string ergebnis = jahrFeldGeaendert(neu, zuletzt);
    if (ergebnis != neu) {
        // The cursor stays where the refused character was typed.
        int stelle = feld->cursorPosition() - static_cast<int>(neu.size() - ergebnis.size());
        feld->setText(ausAnsi(ergebnis));
        feld->setCursorPosition(std::max(0, stelle));
    }
    zuletzt = ergebnis;
}

void TDSetEuro::fuellen(const WaehrungsEingaben& e) {
    CBWaehrg->setEditText(ausAnsi(e.waehrung));
    EditKurs->setText(ausAnsi(e.kurs));
    EditUJ->setText(ausAnsi(e.umstellungsjahr));
    EditUBis->setText(ausAnsi(e.umstellungBis));
    zuletztUJ_ = e.umstellungsjahr;
    zuletztUBis_ = e.umstellungBis;
    CBWaehrg->setFocus();
    CBWaehrg->lineEdit()->selectAll();
}

WaehrungsEingaben TDSetEuro::eingaben() const {
    return WaehrungsEingaben{nachAnsi(CBWaehrg->currentText()), nachAnsi(EditKurs->text()),
                             nachAnsi(EditUJ->text()), nachAnsi(EditUBis->text())};
}

bool waehrungsBefehl(Sitzung& s, bool ausMenue, QWidget* eltern) {
    TDSetEuro dlg(eltern);
    return waehrungsDialog(s, ausMenue, [&dlg](WaehrungsEingaben& e) { return dlg.abfragen(e); });
}

} // namespace zalvor::gui
