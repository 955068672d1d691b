// Splitter panel of the closing window.
#include "gui/closing/splitterpanel.h"

#include <QMouseEvent>

namespace zalvor::gui {

TSplitterPanel::TSplitterPanel(const QString& text, QWidget* raster, QWidget* seite)
    : QLabel(text), raster_(raster), seite_(seite) {
    setCursor(Qt::SizeVerCursor);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMargin(2);
}

void TSplitterPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QLabel::mousePressEvent(e);
    ziehen_ = true;
    startY_ = static_cast<int>(e->globalPosition().y());
    startHoehe_ = raster_->height();
}

void TSplitterPanel::mouseMoveEvent(QMouseEvent* e) {
    if (!ziehen_) return QLabel::mouseMoveEvent(e);
    const int hoehe = startHoehe_ + startY_ - static_cast<int>(e->globalPosition().y());
    if (hoeheErlaubt(hoehe, seite_->contentsRect().height())) raster_->setFixedHeight(hoehe);
}

void TSplitterPanel::mouseReleaseEvent(QMouseEvent* e) {
    ziehen_ = false;
    QLabel::mouseReleaseEvent(e);
}

} // namespace zalvor::gui
