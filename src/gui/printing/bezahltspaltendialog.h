// TDQBez "Bezahlt-Spalte": how the member list's paid column is printed.
#pragma once

#include "core/printing/mitgliederdruck.h"

#include <QDialog>

#include <optional>

namespace zalvor::gui {

class TDQBez : public QDialog {
    Q_OBJECT
  public:
    explicit TDQBez(QWidget* parent = nullptr);
    Bezahltstil stil() const { return stil_; }

  private:
    Bezahltstil stil_ = Bezahltstil::Haken;
};

// The question; nullopt on "&Abbruch".
std::optional<Bezahltstil> bezahltSpalteFragen(QWidget* eltern);

} // namespace zalvor::gui
