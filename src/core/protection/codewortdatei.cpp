// Reading and writing the code word file.
#include "core/protection/codewortdatei.h"

#include "core/common/dateisystem.h"
#include "core/files/dateischreiben.h"

#include <vector>

namespace zalvor {

Codewoerter codewortdateiLesen(const std::string& pfad) {
    BinaerDatei d(pfad, BinaerDatei::Modus::Lesen);
    std::string inhalt(static_cast<std::size_t>(d.groesse()), '\0');
    if (!inhalt.empty()) d.lesen(0, inhalt.data(), inhalt.size());
    d.schliessen();

    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < inhalt.size() && zeilen.size() < 2) {
        const std::size_t ende = inhalt.find("\r\n", anfang);
        if (ende == std::string::npos) {
            zeilen.push_back(inhalt.substr(anfang));
            break;
        }
        zeilen.push_back(inhalt.substr(anfang, ende - anfang));
        anfang = ende + 2;
    }
    Codewoerter c;
    if (!zeilen.empty()) c.haupt = zeilen[0];
    if (zeilen.size() > 1) c.nurLese = zeilen[1];
    return c;
}

void codewortdateiSchreiben(const std::string& pfad, const Codewoerter& c) {
    std::vector<std::string> zeilen{c.haupt};
    if (c.nurLese) zeilen.push_back(*c.nurLese);
    textdateiSchreiben(pfad, zeilen);
}

} // namespace zalvor
