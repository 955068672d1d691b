// Tool bar pictures: SVG files of the program's resources (":/icons/toolbar/").
#include "gui/mainwindow/symbole.h"

#include "gui/common/svgbild.h"

#include <iterator>

namespace zalvor::gui {

namespace {

// The file of each picture, in the order of Symbolbild.
constexpr const char* kDateien[] = {"programm",  "oeffnen",         "dateiliste", "buchen",
                                    "umbuchen",  "aendern",         "loeschen",   "schablonen",
                                    "ealiste",   "jahresabschluss", "sollist",    "voriges",
                                    "naechstes", "hilfe",           "hilfeindex", "verlassen"};
static_assert(std::size(kDateien) == static_cast<std::size_t>(Symbolbild::Verlassen) + 1);

} // namespace

QIcon symbol(Symbolbild bild) {
    return svgSymbol(QStringLiteral(":/icons/toolbar/%1.svg")
                         .arg(QLatin1String(kDateien[static_cast<std::size_t>(bild)])));
}

} // namespace zalvor::gui
