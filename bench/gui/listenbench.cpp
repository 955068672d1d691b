// Benchmark: a list window over a 65,535-record booking file, offscreen. With
// ZALVOR_LISTENBILDER=DATEI:ORDNER it writes the pictures of the E/A list and of all account
// lists of that file instead (for the README); ZALVOR_GROSSE_DATEI see below.
#include "guitesthilfen.h"

#include "gui/lists/listenfenster.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long spitzenspeicherKb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

int bilder(const QString& auftrag) {
    const QString datei = auftrag.section(':', 0, 0);
    const QString ordner = auftrag.section(':', 1);
    zalvor::guitest::Fenster f;
    f.form->resize(1180, 720);
    f.form->show();
    f.form->dateiOeffnen(datei);
    f.form->aktion("eaListe")->trigger();
    QApplication::processEvents();
    bool ok = f.form->grab().save(ordner + "/liste-ea.png");
    f.form->aktion("kontenlistenAlle")->trigger();
    auto* alle = zalvor::gui::listenfenster().front().data();
    if (alle && alle->reiter()) alle->reiter()->setCurrentIndex(1);
    QApplication::processEvents();
    ok = f.form->grab().save(ordner + "/liste-alle.png") && ok;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString auftrag = qEnvironmentVariable("ZALVOR_LISTENBILDER");
    if (!auftrag.isEmpty()) return bilder(auftrag);
    // ZALVOR_GROSSE_DATEI=BASISNAME only writes the file, for timing the command line on it.
    const QString gross = qEnvironmentVariable("ZALVOR_GROSSE_DATEI");
    if (!gross.isEmpty()) {
        zalvor::guitest::grosseDateiAnlegen(gross.toStdString(), "26", 65535);
        return 0;
    }

    QTemporaryDir dir;
    const std::string basis = (dir.path() + "/gross").toStdString();
    const std::uint32_t n = 65535;
    zalvor::guitest::grosseDateiAnlegen(basis, "26", n);
    zalvor::guitest::Fenster f;
    f.form->resize(980, 620);
    f.form->show();
    f.form->dateiOeffnen(QString::fromStdString(basis + ".26"));
    QApplication::processEvents();
    const long vorher = spitzenspeicherKb();

    struct Art {
        const char* name;
        const char* id;
    };
    for (const Art& art : {Art{"Einfachliste", "einfachliste"}, Art{"E/A-Liste", "eaListe"},
                           Art{"Alle Kontenlisten", "kontenlistenAlle"}}) {
        std::vector<double> zeiten;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer uhr;
            uhr.start();
            f.form->aktion(art.id)->trigger();
            QApplication::processEvents();
            zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
            if (!zalvor::gui::listenfenster().front()) {
                std::fprintf(stderr, "%s: kein Listenfenster\n", art.name);
                return 1;
            }
            // One window at a time, as the memory figure is meant.
            emit f.form->dateiWirdGewechselt();
            QApplication::processEvents();
        }
        std::sort(zeiten.begin(), zeiten.end());
        std::printf("%-18s Fenster gezeigt (Median von 5): %8.1f ms\n", art.name, zeiten[2]);
    }
    std::printf(
        "Spitzenspeicher: %ld MB (vor der ersten Liste %ld MB, je ein Listenfenster offen)\n",
        spitzenspeicherKb() / 1024, vorher / 1024);
    return 0;
}
