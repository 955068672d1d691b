// Program start: application, main window, an optional booking file to open at once.
#include "core/common/uhr.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// Hidden option for the documentation: --screenshot PNG [DATEI] grabs the main window.
int bildschirmfoto(zalvor::gui::TMainForm& form, const QString& png) {
    form.resize(980, 620);
    form.show();
    QApplication::processEvents();
    const bool ok = form.grab().save(png);
    std::fprintf(stderr, ok ? "%s geschrieben\n" : "%s konnte nicht geschrieben werden\n",
                 png.toLocal8Bit().constData());
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(zalvor::gui::kProgrammTitel);
    // The user's configuration folder (settings, a Euro label the program folder cannot hold).
    QApplication::setOrganizationName(QStringLiteral("zalvor"));
    // Qt's own dialogs (file dialog, context menus of fields) in German where the
    // translations are installed: Qt's own, else the copy installed beside the program.
    QTranslator qtDeutsch;
    for (const QString& ordner :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QApplication::applicationDirPath() + QStringLiteral("/../share/zalvor/translations")}) {
        if (qtDeutsch.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           ordner)) {
            QApplication::installTranslator(&qtDeutsch);
            break;
        }
    }

    const zalvor::SystemUhr uhr;
    zalvor::gui::TMainForm form(
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString(), uhr);

    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();
    QString foto;
    if (argumente.size() >= 2 && argumente.front() == "--screenshot") {
        argumente.removeFirst();
        foto = argumente.takeFirst();
    }
    if (!argumente.isEmpty()) {
        const QString datei = argumente.front();
        form.befehl([&] {
            if (form.dateiOeffnen(datei) == zalvor::OeffnenErgebnis::NichtVorhanden &&
                foto.isEmpty())
                form.oeffnenBefehl();
        });
        if (form.programmBeendet()) return 0;
    }
    if (!foto.isEmpty()) return bildschirmfoto(form, foto);

    form.show();
    return QApplication::exec();
}
