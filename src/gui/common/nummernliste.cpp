// Keyboard search by number in a list of numbered entries.
#include "gui/common/nummernliste.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace zalvor::gui {

TNummernliste::TNummernliste(QWidget* parent) : QComboBox(parent) {
    // The open list searches alike.
    view()->installEventFilter(this);
}

bool TNummernliste::ziffer(const QString& text) {
    if (text.size() != 1 || !text.front().isDigit()) return false;
    if (!zuletzt_.isValid() || zuletzt_.elapsed() > QApplication::keyboardInputInterval())
        gesucht_.clear();
    zuletzt_.restart();
    for (const QString& versuch : {gesucht_ + text, text}) {
        for (int i = 0; i < count(); ++i) {
            if (itemText(i).trimmed().startsWith(versuch)) {
                gesucht_ = versuch;
                setCurrentIndex(i);
                view()->setCurrentIndex(model()->index(i, modelColumn(), rootModelIndex()));
                return true;
            }
        }
    }
    gesucht_.clear();
    return true;
}

void TNummernliste::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || !ziffer(e->text()))
        QComboBox::keyPressEvent(e);
}

bool TNummernliste::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == view() && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (!(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            ziffer(taste->text()))
            return true;
    }
    return QComboBox::eventFilter(objekt, ereignis);
}

} // namespace zalvor::gui
