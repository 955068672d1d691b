// The booking dialog TBuchungsDlg: an income or an expense on one account.
#pragma once

#include "core/entry/buchen.h"
#include "core/entry/buchungseingabe.h"
#include "gui/entry/dialogfelder.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zalvor::gui {

class TBuchungsDlg : public QDialog, public Maskenfelder {
    Q_OBJECT
  public:
    explicit TBuchungsDlg(QWidget* parent = nullptr);

    // Shows the entries `e` with the lists and switches of `m`; the date field gets the focus.
    void fuellen(const BuchungsMaske& m, const BuchungsEingaben& e);
    BuchungsEingaben eingaben() const;
    // The button that closed the dialog last.
    DlgKnopf knopf() const { return knopf_; }

    QComboBox* CBTyp;
    QComboBox* CBKonto;
    QLineEdit* EditAnVon;
    QCheckBox* CBSchablone;
    QPushButton* BtnPlanen;

  private:
    DlgKnopf knopf_ = DlgKnopf::Abbruch;
};

} // namespace zalvor::gui
