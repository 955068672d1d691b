// The fields the booking and the transfer dialog share: made, laid out, shown and read alike.
#pragma once

#include "core/entry/buchen.h"
#include "core/entry/buchungsfelder.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QHBoxLayout;
class QLayout;
class QWidget;

namespace zalvor::gui {

// The entries of both dialogs; each dialog adds its own lists between amount and text.
struct Maskenfelder {
    QLineEdit* EditTag = nullptr;
    QLineEdit* EditMonat = nullptr;
    QLabel* LabelJahr = nullptr;
    QLineEdit* EditBuNr = nullptr;
    QLineEdit* EditBeleg = nullptr;
    QLineEdit* EZBetrag = nullptr;
    QComboBox* CBWaehrung = nullptr;
    QComboBox* CBText = nullptr;
    QPushButton* BtnBuchen = nullptr;
    QPushButton* BtnAbbruch = nullptr;
};

// Makes the shared entries with their names, widths and limits.
void maskenfelderAnlegen(Maskenfelder& f);
// Day, month and year with the booking number and voucher beside them.
QHBoxLayout* datumsreihe(const Maskenfelder& f, const QWidget& dlg);
// Amount and currency.
QHBoxLayout* betragsreihe(const Maskenfelder& f);
// "Bu&chen" as the default button, then whatever `mitte` adds, then "&Abbruch".
template <class Mitte>
void maskenknoepfe(Maskenfelder& f, QDialogButtonBox* knoepfe, Mitte&& mitte) {
    f.BtnBuchen = neuerKnopf(knoepfe, QStringLiteral("Bu&chen"), QDialogButtonBox::AcceptRole);
    f.BtnBuchen->setObjectName(QStringLiteral("BtnBuchen"));
    f.BtnBuchen->setDefault(true);
    mitte();
    f.BtnAbbruch = neuerKnopf(knoepfe, QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    f.BtnAbbruch->setObjectName(QStringLiteral("BtnAbbruch"));
}

// "Bu&chen" accepts the dialog with `knopf` set to Buchen, "&Abbruch" rejects it; the form
// stands above the buttons, the dialog at its fixed size.
void maskeAnordnen(QDialog& dlg, Maskenfelder& f, DlgKnopf& knopf, QLayout* form,
                   QDialogButtonBox* knoepfe);
// A list with these entries (Windows form), `eintrag` selected when it is one of them.
void listeFuellen(QComboBox* liste, const std::vector<std::string>& eintraege,
                  const std::string& eintrag);

// Caption, year, currency list, booking texts, date, number, voucher, amount, and the
// "Bu&chen" button with the focus on the day, or on the entry whose check failed when it is
// one of these. Called after the dialog's own lists are filled.
template <class Dlg, class Maske, class Eingaben>
void gemeinsameFelderZeigen(Dlg& d, const Maske& m, const Eingaben& e) {
    d.setWindowTitle(ausAnsi(m.titel));
    d.LabelJahr->setText(ausAnsi(m.jahrText));
    d.CBWaehrung->clear();
    d.CBWaehrung->addItems(ausAnsi(m.waehrungen));
    d.CBWaehrung->setEnabled(m.waehrungWaehlbar);
    d.CBText->clear();
    d.CBText->addItems(ausAnsi(m.textListe));

    d.EditTag->setText(ausAnsi(e.tag));
    d.EditMonat->setText(ausAnsi(e.monat));
    d.EditBuNr->setText(ausAnsi(e.bunr));
    d.EditBeleg->setText(ausAnsi(e.beleg));
    d.EZBetrag->setText(ausAnsi(e.betrag));
    listenEintragWaehlen(d.CBWaehrung, e.waehrung);
    listenEintragWaehlen(d.CBText, e.text);

    d.BtnBuchen->setEnabled(!m.nurLesen);
    d.BtnBuchen->setDefault(true);
    QLineEdit* fokus = d.EditTag;
    switch (e.fehlerfeld) {
    case Eingabefeld::Betrag:
        fokus = d.EZBetrag;
        break;
    case Eingabefeld::Monat:
        fokus = d.EditMonat;
        break;
    case Eingabefeld::Bunr:
        fokus = d.EditBuNr;
        break;
    default:
        break;
    }
    fokus->setFocus();
    fokus->selectAll();
}

// The dialog's own lists whose check failed get the focus after the shared fields.
inline void listenFokus(bool fehlgeschlagen, QComboBox* liste) {
    if (fehlgeschlagen) liste->setFocus();
}

template <class Dlg, class Eingaben>
void gemeinsameFelderLesen(const Dlg& d, Eingaben& e) {
    e.tag = nachAnsi(d.EditTag->text());
    e.monat = nachAnsi(d.EditMonat->text());
    e.bunr = nachAnsi(d.EditBuNr->text());
    e.beleg = nachAnsi(d.EditBeleg->text());
    e.betrag = nachAnsi(d.EZBetrag->text());
    e.waehrung = listenEintrag(d.CBWaehrung);
    e.text = listenEintrag(d.CBText);
}

} // namespace zalvor::gui
