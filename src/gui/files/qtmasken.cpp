// The entry forms of the engine's sequences as Qt dialogs.
#include "gui/files/qtmasken.h"

#include "gui/common/qtext.h"
#include "gui/entry/waehrungsdialog.h"
#include "gui/files/anfangsbestaendedialog.h"
#include "gui/files/dateieinstellungsdialog.h"
#include "gui/files/naechstesjahrdialog.h"

namespace zalvor::gui {

QtMasken::QtMasken(QWidget* eltern) : QObject(eltern), eltern_(eltern) {}

bool QtMasken::waehrungseinstellungen(Sitzung& s, bool ausMenue) {
    return waehrungsBefehl(s, ausMenue, eltern_);
}

bool QtMasken::dateieinstellungen(Sitzung& s) {
    return einstellungenDialog(s, eltern_);
}

std::optional<std::array<std::string, 9>>
QtMasken::anfangsbestaende(Sitzung& s, const std::array<std::string, 9>& vorher) {
    TWGetAB dlg(eltern_);
    dlg.fuellen(s.verein.def, vorher);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.betraege();
}

std::optional<std::string> QtMasken::naechstesJahr(Sitzung&, const std::string& vorschlag) {
    TDNJahr dlg(eltern_);
    QString jahr = ausAnsi(vorschlag);
    if (!dlg.abfragen(jahr)) return std::nullopt;
    return nachAnsi(jahr);
}

} // namespace zalvor::gui
