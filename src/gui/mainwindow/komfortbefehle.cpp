// Commands of a modern desktop cash book: recent clubs, find in the table, undo.
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/mainwindow/zuletzt.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace zalvor::gui {

namespace {

// "Zuletzt geöffnet" opens exactly as "Ö&ffnen..." does after its dialog; a club that is
// gone leaves the list and the open dialog takes over.
void zuletztOeffnen(TMainForm& f, const QString& datei) {
    emit f.dateiWirdGewechselt();
    if (f.dateiOeffnen(datei) == OeffnenErgebnis::NichtVorhanden) {
        zuletztVergessen(datei);
        f.oeffnenBefehl();
    }
}

void zuletztAufbauen(TMainForm& f, QMenu* menue) {
    menue->clear();
    const QStringList liste = zuletztGeoeffnet();
    int nr = 1;
    for (const QString& datei : liste) {
        QString text = QDir::toNativeSeparators(datei);
        QAction* a =
            menue->addAction(QStringLiteral("&%1 %2").arg(nr++).arg(text.replace("&", "&&")));
        a->setData(datei);
        QObject::connect(a, &QAction::triggered, &f,
                         [&f, datei] { f.befehl([&f, datei] { zuletztOeffnen(f, datei); }); });
    }
    menue->setEnabled(!liste.isEmpty());
}

void verbinden(TMainForm& f) {
    QMenu* datei = f.findChild<QMenu*>(QStringLiteral("datei"));
    auto* zuletzt = new QMenu(QString::fromUtf8("&Zuletzt geöffnet"), datei);
    zuletzt->setObjectName(QStringLiteral("zuletzt"));
    datei->insertMenu(f.aktion(QStringLiteral("reorganisieren")), zuletzt);
    zuletztAufbauen(f, zuletzt);
    QObject::connect(zuletzt, &QMenu::aboutToShow, &f,
                     [&f, zuletzt] { zuletztAufbauen(f, zuletzt); });
    // Every club that becomes the active one goes to the top of the list.
    QObject::connect(&f, &TMainForm::dateiGeoeffnet, &f, [&f, zuletzt] {
        if (f.sitzung().verein.datei.aktiv())
            zuletztMerken(QString::fromStdString(f.sitzung().verein.datei.dateiname()));
        zuletztAufbauen(f, zuletzt);
    });

    f.verdrahten(QStringLiteral("suchen"), [&f] { f.tabelle()->sucheZeigen(); });
    f.verdrahten(QStringLiteral("rueckgaengig"), [&f] { f.tabelle()->rueckgaengigMachen(); });
    QObject::connect(&f, &TMainForm::dateiWirdGewechselt, &f,
                     [&f] { f.tabelle()->rueckgaengig().leeren(); });
}

// A new file becomes the active one without the open command.
void nachDemOeffnen(TMainForm& f) {
    if (f.sitzung().verein.datei.aktiv())
        zuletztMerken(QString::fromStdString(f.sitzung().verein.datei.dateiname()));
}

const BefehlsgruppeAnmeldung anmeldung{{"Komfort", verbinden, nachDemOeffnen}};

} // namespace

} // namespace zalvor::gui
