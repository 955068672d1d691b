// TDBeitrSaetze "Weitere Beitragssätze": names and amounts of the rates 1 to 20.
#pragma once

#include "core/members/mitgliedereinstellungen.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TNamensraster;

class TDBeitrSaetze : public QDialog {
    Q_OBJECT
  public:
    explicit TDBeitrSaetze(QWidget* parent = nullptr);

    void fuellen(const zalvor::SaetzeEingaben& e);
    void nehmen(zalvor::SaetzeEingaben& e) const;

    TNamensraster* SGSaetze;
    QPushButton* BtnOk;
};

// The whole dialog; true when the rates were stored.
bool weitereSaetzeZeigen(zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
