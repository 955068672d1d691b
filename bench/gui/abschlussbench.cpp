// Benchmark: the yearly closing of a 65,535-record booking file shown in its window, offscreen.
#include "guitesthilfen.h"

#include "gui/closing/abschlussfenster.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string basis = (dir.path() + "/gross").toStdString();
    const std::uint32_t n = 65535;
    zalvor::guitest::grosseDateiAnlegen(basis, "26", n);
    zalvor::guitest::Fenster f;
    f.form->resize(980, 620);
    f.form->show();
    f.form->dateiOeffnen(QString::fromStdString(basis + ".26"));
    QApplication::processEvents();

    constexpr int kLaeufe = 7;
    std::vector<double> zeiten;
    for (int i = 0; i < kLaeufe; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        f.form->aktion("jahresabschluss")->trigger();
        QApplication::processEvents();
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
        if (zalvor::gui::abschlussfenster().empty() || !zalvor::gui::abschlussfenster().front() ||
            !zalvor::gui::abschlussfenster().front()->isVisible()) {
            std::fprintf(stderr, "kein Abschlussfenster\n");
            return 1;
        }
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Datei mit %u Buchungen, %d Laeufe\n", n, kLaeufe);
    std::printf(
        "Jahresabschluss bis zum gezeigten Fenster (Median): %8.1f ms (min %.1f, max %.1f)\n",
        zeiten[zeiten.size() / 2], zeiten.front(), zeiten.back());
    return 0;
}
