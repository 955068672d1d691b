// The headless application of the command line; it lives until the program ends.
#include "print/anwendung.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace zalvor::druck {

void anwendungSicherstellen() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zalvor-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication anwendung(argc, argv);
}

} // namespace zalvor::druck
