// Dialogs shown again after a failed check reappear exactly where they were.
#pragma once

#include <QObject>

namespace zalvor::gui {

// Application-wide: a dialog remembers its place when it hides and takes it again when it
// is shown once more (the platform would centre it anew, under a window manager offset by
// the frame each time). A dialog shown for the first time is placed as usual.
class TDialoglage : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// Installs the filter once for the application.
void dialoglageMerken();

} // namespace zalvor::gui
