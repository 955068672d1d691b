// The Euro symbol dialog TDEurSymb: the € in four fonts, and the answer.
#include "gui/entry/eurosymboldialog.h"

#include "gui/common/auszeichnungslabel.h"
#include "gui/common/labelhoehe.h"
#include "gui/common/qtext.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

// The four fonts of the test, each followed by installed fonts of the same kind that take
// its place where it is missing.
struct Testschrift {
    QStringList familien;
    QFont::StyleHint art;
};

const Testschrift kSchriften[4] = {
    {{"Arial", "Liberation Sans", "Arimo", "DejaVu Sans"}, QFont::SansSerif},
    {{"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"}, QFont::Serif},
    {{"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"}, QFont::TypeWriter},
    {{"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans"}, QFont::SansSerif},
};

QLabel* text(const QString& t, int breite) {
    auto* l = new QLabel(t);
    l->setWordWrap(true);
    l->setFixedWidth(breite);
    return l;
}

} // namespace

TDEurSymb::TDEurSymb(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDEurSymb"));
    const EuroSymbolTexte texte = euroSymbolTexte();
    setWindowTitle(ausAnsi(texte.titel));
    const int breite = fontMetrics().averageCharWidth() * 60;

    auto* kaestchen = new QHBoxLayout;
    kaestchen->addStretch();
    for (int i = 0; i < 4; ++i) {
        QFont f = font();
        f.setFamilies(kSchriften[i].familien);
        f.setStyleHint(kSchriften[i].art);
        f.setPointSizeF(font().pointSizeF() * 2.5);
        auto* k = new QLabel(QString(QChar(0x20AC)));
        k->setObjectName(QStringLiteral("Kaestchen%1").arg(i + 1));
        k->setFont(f);
        k->setFrameStyle(QFrame::Box | QFrame::Plain);
        k->setAlignment(Qt::AlignCenter);
        const int seite = QFontMetrics(f).height() + 8;
        k->setFixedSize(seite, seite);
        k->setToolTip(kSchriften[i].familien.constFirst() + QStringLiteral(" (") +
                      QFontInfo(f).family() + QStringLiteral(")"));
        Kaestchen[i] = k;
        kaestchen->addWidget(k);
        kaestchen->addSpacing(fontMetrics().averageCharWidth() * 2);
    }
    kaestchen->addStretch();

    XaLabelTest = new TXaLabel;
    XaLabelTest->setObjectName(QStringLiteral("XaLabelTest"));
    XaLabelTest->setTransparent(true);
    XaLabelTest->setHorzAlignment(TXaHorzAlignment::haCenter);
    XaLabelTest->setCaption(ausAnsi(texte.test));
    xaGroesse(XaLabelTest, breite);
    XaLabelErklaerung = new TXaLabel;
    XaLabelErklaerung->setObjectName(QStringLiteral("XaLabelErklaerung"));
    XaLabelErklaerung->setTransparent(true);
    XaLabelErklaerung->setHorzAlignment(TXaHorzAlignment::haCenter);
    XaLabelErklaerung->setCaption(ausAnsi(texte.erklaerung));
    xaGroesse(XaLabelErklaerung, breite);

    Knoepfe = new QDialogButtonBox;
    Knoepfe->addButton(QStringLiteral("&Ja"), QDialogButtonBox::YesRole);
    Knoepfe->addButton(QStringLiteral("&Nein"), QDialogButtonBox::NoRole);
    Knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(Knoepfe, &QDialogButtonBox::clicked, this, &TDEurSymb::geklickt);
    Knoepfe->buttons().constFirst()->setFocus();

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text(ausAnsi(texte.frage), breite));
    haupt->addWidget(text(ausAnsi(texte.hinweis), breite));
    haupt->addSpacing(fontMetrics().height() / 2);
    haupt->addWidget(XaLabelTest);
    haupt->addLayout(kaestchen);
    haupt->addWidget(XaLabelErklaerung);
    haupt->addWidget(Knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TDEurSymb::geklickt(QAbstractButton* knopf) {
    switch (Knoepfe->buttonRole(knopf)) {
    case QDialogButtonBox::YesRole:
        antwort_ = Knopf::Ja;
        accept();
        break;
    case QDialogButtonBox::NoRole:
        antwort_ = Knopf::Nein;
        accept();
        break;
    default:
        antwort_.reset();
        reject();
        break;
    }
}

void euroSymbolBefehl(Sitzung& s, QWidget* eltern) {
    TDEurSymb dlg(eltern);
    dlg.exec();
    euroSymbolAnwenden(s, dlg.antwort());
}

} // namespace zalvor::gui
