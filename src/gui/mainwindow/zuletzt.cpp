// "Zuletzt geöffnet": the recent clubs in the user's settings.
#include "gui/mainwindow/zuletzt.h"

#include "gui/common/benutzereinstellungen.h"

#include <QFileInfo>

namespace zalvor::gui {

namespace {

const QString kSchluessel = QStringLiteral("zuletzt/dateien");

void speichern(const QStringList& liste) {
    benutzerEinstellungen()->setValue(kSchluessel, liste);
}

// One spelling per file, so that the same club does not appear twice.
QString kanonisch(const QString& datei) {
    return QFileInfo(datei).absoluteFilePath();
}

} // namespace

QStringList zuletztGeoeffnet() {
    return benutzerEinstellungen()->value(kSchluessel).toStringList();
}

void zuletztMerken(const QString& datei) {
    const QString neu = kanonisch(datei);
    QStringList liste = zuletztGeoeffnet();
    liste.removeAll(neu);
    liste.prepend(neu);
    while (liste.size() > kZuletztHoechstens)
        liste.removeLast();
    speichern(liste);
}

void zuletztVergessen(const QString& datei) {
    QStringList liste = zuletztGeoeffnet();
    if (liste.removeAll(kanonisch(datei))) speichern(liste);
}

QString oeffnenStartordner(const zalvor::Sitzung& s) {
    if (s.verein.datei.aktiv())
        return QFileInfo(QString::fromStdString(s.verein.datei.dateiname())).absolutePath();
    const QStringList liste = zuletztGeoeffnet();
    return liste.isEmpty() ? QString() : QFileInfo(liste.front()).absolutePath();
}

} // namespace zalvor::gui
