// Dialogs reappear where they were.
#include "gui/common/dialoglage.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace zalvor::gui {

namespace {

constexpr const char* kLage = "zalvorDialoglage";

} // namespace

bool TDialoglage::eventFilter(QObject* objekt, QEvent* ereignis) {
    auto* dlg = qobject_cast<QDialog*>(objekt);
    if (!dlg || !dlg->isWindow()) return false;
    if (ereignis->type() == QEvent::Hide) {
        // The frame's position: the one a later move() puts back unchanged.
        dlg->setProperty(kLage, dlg->frameGeometry().topLeft());
    } else if (ereignis->type() == QEvent::Show) {
        const QVariant lage = dlg->property(kLage);
        if (lage.isValid()) dlg->move(lage.toPoint());
    }
    return false;
}

void dialoglageMerken() {
    static TDialoglage* filter = nullptr;
    if (filter) return;
    filter = new TDialoglage(qApp);
    qApp->installEventFilter(filter);
}

} // namespace zalvor::gui
