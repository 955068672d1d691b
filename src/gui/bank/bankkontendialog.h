// "&Optionen | &Bankkonten...": the IBAN and bank name of each of the nine accounts.
#pragma once

#include <QWidget>

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

// Shows the dialog; stores the accounts when the person confirms and every IBAN is valid.
void bankkontenDialog(Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
