// Benchmark: the contribution dialog with 500 members, built and shown offscreen.
#include "core/members/beitraegebuchen.h"
#include "core/members/mitgliedsdatei.h"
#include "gui/members/beitraegebuchendialog.h"

#include "core/files/sitzung.h"
#include "guitesthilfen.h"

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
    const std::string basis = (dir.path() + "/Verein").toStdString();
    zalvor::guitest::dateiAnlegen(basis, "26", {});
    std::vector<zalvor::TMitglied> liste;
    constexpr int kMitglieder = 500;
    for (int i = 0; i < kMitglieder; ++i) {
        zalvor::TMitglied m;
        m.nachname.setze("Name" + std::to_string(1000 + i));
        m.vorname.setze("Vorname");
        m.bezahlt = static_cast<std::uint8_t>(i % 4 == 0);
        liste.push_back(m);
    }
    zalvor::mitgliederSchreiben(zalvor::TBuchungsdatei{basis, "26", 0}.dateien().mitglieder(),
                                liste);
    zalvor::guitest::Fenster f;
    f.form->dateiOeffnen(QString::fromStdString(basis + ".26"));
    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 5; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        auto d = zalvor::beitraegeOeffnen(f.form->sitzung());
        zalvor::gui::TDBeitr dialog(*d, f.form.get());
        dialog.show();
        QApplication::processEvents();
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Beitraege buchen, %d Mitglieder: Dialog offen nach %.1f ms (Median)\n",
                kMitglieder, zeiten[zeiten.size() / 2]);
    return 0;
}
