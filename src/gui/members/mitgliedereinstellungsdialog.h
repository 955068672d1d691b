// TDMglEinst "Mitgliederverwaltung: Einstellungen": contribution account, standard rate and
// the names of the free fields; its button leads to the further rates.
#pragma once

#include "core/members/mitgliedereinstellungen.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TNamensraster;

class TDMglEinst : public QDialog {
    Q_OBJECT
  public:
    // Its button "Weitere Beitagssätze..." runs the further rates dialog on `s`.
    TDMglEinst(zalvor::Sitzung& s, QWidget* parent = nullptr);

    void fuellen(const zalvor::MglEinstEingaben& e);
    void nehmen(zalvor::MglEinstEingaben& e) const;

    QComboBox* CBKonto;
    QLineEdit* EBetrag;
    TNamensraster* SGFelder;
    QPushButton* BtnWeitere;
    QPushButton* BtnOk;

  private:
    std::vector<int> konten_;
};

// The whole dialog; true when the settings were stored.
bool mitgliederEinstellungenZeigen(zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
