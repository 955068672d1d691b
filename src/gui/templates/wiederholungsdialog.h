// The repetition dialog TDSBWdh: never, monthly on the template's day, yearly on its date.
#pragma once

#include "core/templates/schablonenfenster.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zalvor::gui {

class TDSBWdh : public QDialog {
    Q_OBJECT
  public:
    explicit TDSBWdh(QWidget* parent = nullptr);

    // Texts and the entry of the template's present code.
    void fuellen(const zalvor::WiederholungsMaske& m);
    zalvor::Wiederholung wahl() const;

    QLabel* Label1;
    QGroupBox* RadioGroup1;
    QRadioButton* RBNie;
    QRadioButton* RBMonatlich;
    QRadioButton* RBJaehrlich;
    QPushButton* BtnOk;
};

} // namespace zalvor::gui
