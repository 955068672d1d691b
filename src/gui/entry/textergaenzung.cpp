// Completion of the booking text.
#include "gui/entry/textergaenzung.h"

#include <QComboBox>
#include <QCompleter>
#include <QStringListModel>

namespace zalvor::gui {

void textergaenzungSetzen(QComboBox* text, const QStringList& texte) {
    QCompleter* c = text->completer();
    // The combo box's own completer works on its entries; ours keeps a list of its own.
    auto* liste = c ? qobject_cast<QStringListModel*>(c->model()) : nullptr;
    if (!liste || c->property("dateitexte").isNull()) {
        liste = new QStringListModel(text);
        c = new QCompleter(liste, text);
        c->setProperty("dateitexte", true);
        c->setCaseSensitivity(Qt::CaseInsensitive);
        c->setCompletionMode(QCompleter::PopupCompletion);
        text->setCompleter(c);
    }
    liste->setStringList(texte);
}

} // namespace zalvor::gui
