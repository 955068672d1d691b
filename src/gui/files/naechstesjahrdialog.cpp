// The dialog TDNJahr: text, the two-digit field and the note.
#include "gui/files/naechstesjahrdialog.h"

#include "gui/files/dialoghilfe.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zalvor::gui {

TDNJahr::TDNJahr(QWidget* parent) : TWerteDialog(parent) {
    setObjectName(QStringLiteral("TDNJahr"));
    setWindowTitle(QString::fromUtf8("Nächstes Jahr"));
    const int zeichen = fontMetrics().averageCharWidth();

    auto* text = new QLabel(QStringLiteral("Diese Funktion erstellt eine neue Datei mit gleichem "
                                           "Namen und gleicher Definition für das folgende Jahr:"));
    text->setWordWrap(true);
    text->setMinimumWidth(zeichen * 45);
    EditJahr = neuesFeld("EditJahr", 2);
    auto* label = new QLabel(QStringLiteral("&Neues Jahr:"));
    label->setBuddy(EditJahr);
    auto* form = new QFormLayout;
    form->addRow(label, EditJahr);
    auto* hinweis = new QLabel(QString::fromUtf8(
        "Im Übrigen werden auch die momentanen Real- Kontobestände sowie Planungen übernommen."));
    hinweis->setWordWrap(true);
    hinweis->setMinimumWidth(zeichen * 45);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = okAbbruchHilfe(this, knoepfe, kHilfeNaechstesJahr);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text);
    haupt->addLayout(form);
    haupt->addWidget(hinweis);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TDNJahr::fuellen(const QString& jahr) {
    EditJahr->setText(jahr);
    EditJahr->setFocus();
    EditJahr->selectAll();
}

QString TDNJahr::eingaben() const {
    return EditJahr->text();
}

} // namespace zalvor::gui
