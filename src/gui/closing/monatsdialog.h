// TWAskMonat: the month question of the monthly closings (one file and several files).
#pragma once

#include "core/common/person.h"

#include <QDialog>

#include <optional>

class QComboBox;

namespace zalvor::gui {

class TWAskMonat : public QDialog {
    Q_OBJECT

  public:
    explicit TWAskMonat(QWidget* parent = nullptr);
    QComboBox* CBMonat;
};

// Asks until a month 1..12 is typed; "&Abbruch" gives nullopt (no closing).
std::optional<int> monatAbfragen(Person& p, QWidget* eltern);

} // namespace zalvor::gui
