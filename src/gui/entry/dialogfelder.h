// The fields the booking and the transfer dialog share: shown and read alike in both.
#pragma once

#include "common/qtext.h"
#include "files/dialoghilfe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zalvor::gui {

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
