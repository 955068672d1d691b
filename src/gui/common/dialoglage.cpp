// Dialogs reappear where they were.
#include "gui/common/dialoglage.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QScreen>

namespace zalvor::gui {

namespace {

constexpr const char* kLage = "zalvorDialoglage";

void breitGenug(QDialog& dlg) {
    const int noetig = titelbreite(dlg);
    if (dlg.width() >= noetig) return;
    const int mehr = noetig - dlg.width();
    // A fixed-size layout sets the size again on every change: the width must be fixed too.
    if (dlg.layout() && dlg.layout()->sizeConstraint() == QLayout::SetFixedSize)
        dlg.setFixedWidth(noetig);
    else
        dlg.setMinimumWidth(noetig);
    dlg.resize(noetig, dlg.height());
    dlg.move(dlg.x() - mehr / 2, dlg.y());
}

void mittig(QDialog& dlg) {
    const QScreen* bild = dlg.screen() ? dlg.screen() : QGuiApplication::primaryScreen();
    if (!bild) return;
    QRect rahmen = dlg.frameGeometry();
    rahmen.moveCenter(bild->availableGeometry().center());
    dlg.move(rahmen.topLeft());
}

} // namespace

bool TDialoglage::eventFilter(QObject* objekt, QEvent* ereignis) {
    auto* dlg = qobject_cast<QDialog*>(objekt);
    if (!dlg || !dlg->isWindow()) return false;
    if (ereignis->type() == QEvent::Hide) {
        // The frame's position: the one a later move() puts back unchanged.
        dlg->setProperty(kLage, dlg->frameGeometry().topLeft());
    } else if (ereignis->type() == QEvent::Show) {
        breitGenug(*dlg);
        const QVariant lage = dlg->property(kLage);
        if (lage.isValid())
            dlg->move(lage.toPoint());
        else if (!dlg->parentWidget() || !dlg->parentWidget()->window()->isVisible())
            mittig(*dlg);
    }
    return false;
}

int titelbreite(const QWidget& fenster) {
    QFont fett = fenster.font();
    fett.setBold(true);
    const QFontMetrics m(fett);
    // Icon and the three buttons of a title bar are about a line height square each.
    return m.horizontalAdvance(fenster.windowTitle()) + 6 * m.height() + 16;
}

void dialoglageMerken() {
    static TDialoglage* filter = nullptr;
    if (filter) return;
    filter = new TDialoglage(qApp);
    qApp->installEventFilter(filter);
}

} // namespace zalvor::gui
