// "&Optionen | &Zuordnungsregeln...": the club's stored assignment rules, in the order the
// statement import tries them.
#pragma once

#include "core/bank/regeln.h"
#include "core/files/definitionen.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QTableWidget;

namespace zalvor::gui {

class ZuordnungsregelnDialog : public QDialog {
  public:
    // Applies the rules the person confirmed; returns the refusal to show (Windows form), or
    // an empty text when they were stored.
    using Uebernahme = std::function<std::string(const std::vector<bank::Zuordnungsregel>&)>;

    ZuordnungsregelnDialog(const TDefinitionen& def,
                           const std::vector<bank::Zuordnungsregel>& regeln, Uebernahme uebernehmen,
                           QWidget* eltern = nullptr);

    // The rules as the table shows them, in its order.
    std::vector<bank::Zuordnungsregel> regeln() const;

  private:
    const TDefinitionen& def_;
    Uebernahme uebernehmen_;
    QTableWidget* tabelle_;

    void zeigen(const std::vector<bank::Zuordnungsregel>& liste, int auswahl);
    void zeileSetzen(int zeile, const bank::Zuordnungsregel& r);
    void typenFuellen(int zeile, int typ);
    void verschieben(int schritt);
    void bestaetigen();
};

} // namespace zalvor::gui
