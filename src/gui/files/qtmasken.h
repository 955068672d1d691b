// The entry forms of the engine's sequences (new file, next year) as Qt dialogs.
#pragma once

#include "core/common/masken.h"

#include <QObject>

class QWidget;

namespace zalvor::gui {

// Owned by the window the dialogs are centred on.
class QtMasken : public QObject, public Masken {
  public:
    explicit QtMasken(QWidget* eltern);

    bool waehrungseinstellungen(Sitzung& s, bool ausMenue) override;
    bool dateieinstellungen(Sitzung& s) override;
    std::optional<std::array<std::string, 9>>
    anfangsbestaende(Sitzung& s, const std::array<std::string, 9>& vorher) override;
    std::optional<std::string> naechstesJahr(Sitzung& s, const std::string& vorschlag) override;

  private:
    QWidget* eltern_;
};

} // namespace zalvor::gui
