// Menu "&Dateiliste" › "&Neu..." and "Ö&ffnen..." (also the tool button "Datei-Liste öffnen").
#include "core/closing/dateilisteoeffnen.h"
#include "core/files/dateisatz.h"
#include "gui/closing/dateilistenfenster.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/mainwindow/zuletzt.h"

#include <QDir>
#include <QFileInfo>

namespace zalvor::gui {

namespace {

// Where a list named without a folder goes: the open club's folder, else the home folder.
QString listenordner(TMainForm& f) {
    const QString ordner = oeffnenStartordner(f.sitzung());
    return ordner.isEmpty() ? QDir::homePath() : ordner;
}

void neu(TMainForm& f) {
    zalvor::Person& p = f.person();
    const zalvor::Dateiwaehler fragen = zalvor::listennameFragen(p);
    const QString ordner = listenordner(f);
    const auto l = zalvor::neueDateiliste(
        [&]() -> std::optional<std::string> {
            const auto name = fragen();
            if (!name) return std::nullopt;
            return QFileInfo(QDir(ordner), QString::fromStdString(*name))
                .absoluteFilePath()
                .toStdString();
        },
        p);
    if (l) dateilistenfensterZeigen(f, *l);
}

void oeffnen(TMainForm& f) {
    const auto l = zalvor::dateilisteOeffnen(
        dateidialog(
            &f, QString::fromUtf8("Dateiliste öffnen"),
            QString::fromStdString("Dateiliste (" + zalvor::Dateisatz::listenmuster() + ")"),
            // without its dot, as Qt takes it
            QString::fromStdString(zalvor::Dateisatz::listenEndung()).mid(1), listenordner(f)),
        f.sitzung().uhr, f.person());
    if (l) dateilistenfensterZeigen(f, *l);
}

void verbinden(TMainForm& f) {
    f.verdrahten("dateilisteNeu", [&f] { neu(f); });
    f.verdrahten("dateilisteOeffnen", [&f] { oeffnen(f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Dateiliste", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
