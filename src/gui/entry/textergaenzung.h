// Completion of the booking text from the texts the open file already holds.
#pragma once

#include <QStringList>

class QComboBox;

namespace zalvor::gui {

// Typing into the editable text list proposes the matching texts (any case, beginning with
// what is typed); the list's own entries stay as they are.
void textergaenzungSetzen(QComboBox* text, const QStringList& texte);

} // namespace zalvor::gui
