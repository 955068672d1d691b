// Tool bar pictures: SVG files of the program's resources (":/icons/toolbar/").
#include "gui/mainwindow/symbole.h"

#include "gui/common/svgbild.h"

namespace zalvor::gui {

namespace {

const char* datei(Symbolbild bild) {
    switch (bild) {
    case Symbolbild::Programm:
        return "programm";
    case Symbolbild::Oeffnen:
        return "oeffnen";
    case Symbolbild::Dateiliste:
        return "dateiliste";
    case Symbolbild::Buchen:
        return "buchen";
    case Symbolbild::Umbuchen:
        return "umbuchen";
    case Symbolbild::Aendern:
        return "aendern";
    case Symbolbild::Loeschen:
        return "loeschen";
    case Symbolbild::Schablonen:
        return "schablonen";
    case Symbolbild::EaListe:
        return "ealiste";
    case Symbolbild::Jahresabschluss:
        return "jahresabschluss";
    case Symbolbild::SollIst:
        return "sollist";
    case Symbolbild::Voriges:
        return "voriges";
    case Symbolbild::Naechstes:
        return "naechstes";
    case Symbolbild::Hilfe:
        return "hilfe";
    case Symbolbild::HilfeIndex:
        return "hilfeindex";
    case Symbolbild::Verlassen:
        return "verlassen";
    }
    return "programm";
}

} // namespace

QIcon symbol(Symbolbild bild) {
    return svgSymbol(QStringLiteral(":/icons/toolbar/%1.svg").arg(QLatin1String(datei(bild))));
}

} // namespace zalvor::gui
