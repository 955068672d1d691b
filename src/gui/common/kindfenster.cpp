// Child windows in frames of the work area.
#include "gui/common/kindfenster.h"

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zalvor::gui {

QMdiSubWindow* kindfensterZeigen(QMdiArea* flaeche, QWidget* fenster, const QIcon& symbol,
                                 bool maximiert) {
    QMdiSubWindow* rahmen = flaeche->addSubWindow(fenster);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    rahmen->setWindowIcon(symbol);
    if (maximiert)
        rahmen->showMaximized();
    else
        rahmen->show();
    return rahmen;
}

void kindfensterSchliessen(QWidget* fenster) {
    if (!fenster) return;
    QWidget* rahmen = fenster->parentWidget();
    delete (rahmen ? rahmen : fenster);
}

} // namespace zalvor::gui
