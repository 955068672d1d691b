// TDBeitr "Beiträge buchen": one check box per member in a scrolling area.
#pragma once

#include "core/members/beitraegebuchen.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QPushButton;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TDBeitr : public QDialog {
    Q_OBJECT
  public:
    TDBeitr(const zalvor::BeitragsDialog& d, QWidget* parent = nullptr);

    // The ticks of the boxes go into `d`.
    void nehmen(zalvor::BeitragsDialog& d) const;

    std::vector<QCheckBox*> kaesten;
    QPushButton* BtnBuchen;
    QPushButton* BtnAbbruch;
};

// The whole command: the dialog, then the bookings of the ticked members.
void beitraegeBuchenZeigen(zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
