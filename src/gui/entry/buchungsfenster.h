// The Qt side of the booking commands: the two dialogs, created once and shown for each use.
#pragma once

#include "gui/entry/buchungsdialog.h"
#include "gui/entry/umbuchungsdialog.h"

#include <QPointer>
#include <QStringList>

#include <functional>

namespace zalvor::gui {

class QtBuchungsFenster : public BuchungsFenster {
  public:
    // The dialogs belong to `eltern` when given (centred on it), else to this object.
    explicit QtBuchungsFenster(QWidget* eltern = nullptr);
    ~QtBuchungsFenster() override;
    QtBuchungsFenster(const QtBuchungsFenster&) = delete;
    QtBuchungsFenster& operator=(const QtBuchungsFenster&) = delete;

    DlgKnopf buchung(const BuchungsMaske& m, BuchungsEingaben& e) override;
    DlgKnopf umbuchung(const UmbuchungsMaske& m, UmbuchungsEingaben& e) override;

    // The booking texts of the open file, offered as completions in the text field.
    void textquelle(std::function<QStringList()> quelle) { textquelle_ = std::move(quelle); }

    TBuchungsDlg* buchungsDlg() const { return buchung_; }
    TUmbuchungDlg* umbuchungsDlg() const { return umbuchung_; }

  private:
    QPointer<TBuchungsDlg> buchung_;
    QPointer<TUmbuchungDlg> umbuchung_;
    std::function<QStringList()> textquelle_;
};

} // namespace zalvor::gui
