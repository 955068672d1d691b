// The settings dialog TDSetDef "Datei-Einstellungen": names of the types and accounts.
#pragma once

#include "core/files/dateieinstellungen.h"
#include "core/files/sitzung.h"
#include "gui/common/wertedialog.h"

namespace zalvor::gui {

class TNamensraster;

class TDSetDef : public TWerteDialog<SetDefZellen> {
    Q_OBJECT
  public:
    explicit TDSetDef(QWidget* parent = nullptr);

    void fuellen(const SetDefZellen& zellen) override;
    SetDefZellen eingaben() const override;

    TNamensraster* SGAus;
    TNamensraster* SGEin;
    TNamensraster* SGKonto;

    void accept() override;
};

// Shows the dialog with the names of the active file; OK stores them and writes the
// definitions file. true when stored.
bool einstellungenDialog(Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
