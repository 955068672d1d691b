// TDMglKrt "Mitglieder-Karteikarte": the names, the free-field grid and the rate list.
#pragma once

#include "core/members/karteikarte.h"
#include "core/sepa/mandatskarte.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TNamensraster;

class TDMglKrt : public QDialog {
    Q_OBJECT
  public:
    explicit TDMglKrt(QWidget* parent = nullptr);

    // `schreiben` false (read-only mode): the card can be looked at, OK stays disabled.
    void fuellen(const zalvor::Karteikarte& k, bool schreiben);
    void nehmen(zalvor::Karteikarte& k) const;
    void mandatFuellen(const zalvor::sepa::MandatsKarte& m);
    void mandatNehmen(zalvor::sepa::MandatsKarte& m) const;
    // With a session the mandate entries are checked at OK: a refusal is shown there and the
    // card stays open, with nothing stored.
    void pruefenMit(zalvor::Sitzung* s) { s_ = s; }
    void accept() override;

    QLineEdit* EName;
    QLineEdit* EVorname;
    TNamensraster* SGFelder;
    QComboBox* CBSatz;
    QGroupBox* GBMandat;
    QLineEdit* EIban;
    QLineEdit* EBic;
    QLineEdit* EInhaber;
    QLineEdit* EReferenz;
    QLineEdit* EUnterschrift;
    QLabel* LSequenz;
    QPushButton* BtnOk;

  private:
    zalvor::Sitzung* s_ = nullptr;
};

// The card of member n (none: a new member) with its mandate; the record number when
// something was stored.
std::optional<std::uint32_t> karteZeigen(zalvor::Sitzung& s, std::optional<std::uint32_t> n,
                                         QWidget* eltern);

} // namespace zalvor::gui
