// The splitter panels Panel1 and Panel2 of the closing window: dragging one resizes the
// group grid below it.
#pragma once

#include <QLabel>

namespace zalvor::gui {

class TSplitterPanel : public QLabel {
    Q_OBJECT

  public:
    // `raster` is the grid below the panel, `seite` the tab page whose height bounds it.
    TSplitterPanel(const QString& text, QWidget* raster, QWidget* seite);

    // The drag rule: the height at the press plus the upward distance, applied only while it
    // lies strictly between 30 and the page's client height less 30.
    static bool hoeheErlaubt(int hoehe, int seitenhoehe) {
        return hoehe > 30 && hoehe < seitenhoehe - 30;
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QWidget* raster_;
    QWidget* seite_;
    bool ziehen_ = false;
    int startY_ = 0;
    int startHoehe_ = 0;
};

} // namespace zalvor::gui
