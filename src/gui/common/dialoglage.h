// Dialogs shown again after a failed check reappear exactly where they were; a dialog with no
// window behind it sits in the middle of the screen; every dialog is wide enough for its
// caption.
#pragma once

#include <QObject>

namespace zalvor::gui {

// Application-wide: a dialog remembers its place when it hides and takes it again when it
// is shown once more (the platform would centre it anew, under a window manager offset by
// the frame each time). A dialog shown for the first time is placed as usual, or centred on
// the screen when its parent is not on screen (a prompt at the program's start).
class TDialoglage : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// Installs the filter once for the application.
void dialoglageMerken();

// The width a window needs for its caption in the title bar, with the bar's buttons.
int titelbreite(const QWidget& fenster);

} // namespace zalvor::gui
