// Benchmark: opening a 65,535-record booking file and filling the booking table, offscreen.
#include "guitesthilfen.h"

#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

long spitzenspeicherKb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string basis = (dir.path() + "/gross").toStdString();
    const std::uint32_t n = 65535;
    zalvor::guitest::grosseDateiAnlegen(basis, "26", n);
    const long vorher = spitzenspeicherKb();

    constexpr int kLaeufe = 7;
    std::vector<double> oeffnen;
    std::vector<double> fuellen;
    for (int i = 0; i < kLaeufe; ++i) {
        zalvor::guitest::Fenster f;
        f.form->resize(980, 620);
        f.form->show();
        QElapsedTimer uhr;
        uhr.start();
        f.form->dateiOeffnen(QString::fromStdString(basis + ".26"));
        QApplication::processEvents();
        oeffnen.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
        if (f.form->tabelle()->modell()->saetze() != static_cast<int>(n)) {
            std::fprintf(stderr, "Tabelle hat %d statt %u Zeilen\n",
                         f.form->tabelle()->modell()->saetze(), n);
            return 1;
        }
        uhr.restart();
        f.form->tabelleFuellen(zalvor::TabellenModus::Voll);
        f.form->tabelle()->ansicht()->scrollToBottom();
        QApplication::processEvents();
        fuellen.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
    }
    std::printf("Datei mit %u Buchungen, %d Laeufe\n", n, kLaeufe);
    std::printf("Oeffnen mit voller Tabelle (Median): %8.1f ms\n", median(oeffnen));
    std::printf("Tabelle neu fuellen (Median):          %8.1f ms\n", median(fuellen));
    std::printf("Spitzenspeicher: %ld MB (vor dem ersten Oeffnen %ld MB)\n",
                spitzenspeicherKb() / 1024, vorher / 1024);
    return 0;
}
