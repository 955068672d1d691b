// The transfer dialog TUmbuchungDlg: money from one account to another.
#pragma once

#include "core/entry/buchen.h"
#include "core/entry/umbuchungseingabe.h"
#include "gui/entry/dialogfelder.h"

#include <QDialog>

class QComboBox;

namespace zalvor::gui {

class TUmbuchungDlg : public QDialog, public Maskenfelder {
    Q_OBJECT
  public:
    explicit TUmbuchungDlg(QWidget* parent = nullptr);

    void fuellen(const UmbuchungsMaske& m, const UmbuchungsEingaben& e);
    UmbuchungsEingaben eingaben() const;
    DlgKnopf knopf() const { return knopf_; }

    QComboBox* CBVon;
    QComboBox* CBNach;

  private:
    DlgKnopf knopf_ = DlgKnopf::Abbruch;
};

} // namespace zalvor::gui
