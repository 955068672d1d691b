// The sort dialog TWListSort "Listen sortieren nach".
#pragma once

#include "core/files/sortierung.h"

#include <QDialog>

class QButtonGroup;
class QPushButton;

namespace zalvor::gui {

class TWListSort : public QDialog {
    Q_OBJECT
  public:
    explicit TWListSort(QWidget* parent = nullptr);

    // "Buchungs&Nummer" is selected whenever the dialog opens.
    void vorbereiten();
    Sortierung gewaehlt() const;
    void waehlen(Sortierung s);

    QButtonGroup* RGKriterium;
    QPushButton* BtnOk;
};

// The menu command: OK makes the chosen order current (with the index check and the
// offered reorganisation); the status bar follows. true after OK.
bool sortierenBefehl(Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
