// Small helpers the entry dialogs share.
#include "gui/files/dialoghilfe.h"

#include "gui/common/hilfeaufruf.h"
#include "gui/common/qtext.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zalvor::gui {

QStringList ausAnsi(const std::vector<std::string>& eintraege) {
    QStringList liste;
    for (const auto& e : eintraege)
        liste << ausAnsi(std::string_view(e));
    return liste;
}

void feldFuer(QLineEdit* feld, int n, QChar muster) {
    feld->setMaxLength(n);
    QFontMetrics fm(feld->font());
    QStyleOptionFrame opt;
    opt.initFrom(feld);
    opt.lineWidth = feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, feld);
    // One spare character for the cursor and the margins of the style.
    int inhalt = fm.horizontalAdvance(QString(n + 1, muster));
    QSize s = feld->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(inhalt, fm.height()),
                                              feld);
    feld->setFixedWidth(s.width());
}

std::string listenEintrag(const QComboBox* liste) {
    if (liste->isEditable()) return nachAnsi(liste->currentText());
    if (liste->currentIndex() < 0) return {};
    return nachAnsi(liste->currentText());
}

void listenEintragWaehlen(QComboBox* liste, const std::string& eintrag) {
    if (liste->isEditable()) {
        liste->setEditText(ausAnsi(eintrag));
        return;
    }
    liste->setCurrentIndex(eintrag.empty() ? -1 : liste->findText(ausAnsi(eintrag)));
}

QPushButton* neuerKnopf(QDialogButtonBox* knoepfe, const QString& text, int rolle) {
    auto* k = new QPushButton(text, knoepfe);
    knoepfe->addButton(k, static_cast<QDialogButtonBox::ButtonRole>(rolle));
    return k;
}

QLineEdit* neuesFeld(const char* name, int n, QChar muster) {
    auto* feld = benannt(new QLineEdit, name);
    feldFuer(feld, n, muster);
    return feld;
}

QLabel* beschriftung(const QString& text, QWidget* feld) {
    auto* l = new QLabel(text);
    l->setBuddy(feld);
    return l;
}

namespace {

QPushButton* okAbbruch(QDialog* dialog, QDialogButtonBox* knoepfe) {
    QPushButton* ok = neuerKnopf(knoepfe, QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return ok;
}

} // namespace

QPushButton* hilfeOkAbbruch(QDialog* dialog, QDialogButtonBox* knoepfe, int kontext) {
    hilfeKnopf(knoepfe, kontext);
    return okAbbruch(dialog, knoepfe);
}

QPushButton* okAbbruchHilfe(QDialog* dialog, QDialogButtonBox* knoepfe, int kontext) {
    QPushButton* ok = okAbbruch(dialog, knoepfe);
    hilfeKnopf(knoepfe, kontext);
    return ok;
}

QPushButton* hilfeKnopf(QDialogButtonBox* knoepfe, int kontext) {
    QPushButton* k = neuerKnopf(knoepfe, QStringLiteral("&Hilfe"), QDialogButtonBox::HelpRole);
    k->setAutoDefault(false);
    QObject::connect(k, &QPushButton::clicked, knoepfe, [kontext] { hilfeAufrufen(kontext); });
    hilfeTaste(k);
    return k;
}

void hilfeTaste(QAbstractButton* knopf) {
    // F1 shows the window's own topic, as its button does.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, knopf);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, knopf, &QAbstractButton::click);
}

} // namespace zalvor::gui
