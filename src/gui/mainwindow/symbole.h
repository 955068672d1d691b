// The tool bar pictures, from the program's resources.
#pragma once

#include <QIcon>

namespace zalvor::gui {

enum class Symbolbild {
    Programm,
    Oeffnen,
    Dateiliste,
    Buchen,
    Umbuchen,
    Aendern,
    Loeschen,
    Schablonen,
    EaListe,
    Jahresabschluss,
    SollIst,
    Voriges,
    Naechstes,
    Hilfe,
    HilfeIndex,
    Verlassen
};

QIcon symbol(Symbolbild bild);

} // namespace zalvor::gui
