// Reading and writing the code word file.
#include "core/protection/codewortdatei.h"

#include "core/common/dateisystem.h"
#include "core/files/dateischreiben.h"

#include <vector>

namespace zalvor {

Gelesen<Codewoerter> codewoerterAusBytes(std::span<const std::uint8_t> bytes) {
    const std::string inhalt(bytes.begin(), bytes.end());
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
    Gelesen<Codewoerter> g;
    if (!zeilen.empty()) g.wert.haupt = zeilen[0];
    if (zeilen.size() > 1) g.wert.nurLese = zeilen[1];
    return g;
}

Codewoerter codewortdateiLesen(const std::string& pfad) {
    return codewoerterAusBytes(dateiLesen(pfad)).wert;
}

void codewortdateiSchreiben(const std::string& pfad, const Codewoerter& c) {
    std::vector<std::string> zeilen{c.haupt};
    if (c.nurLese) zeilen.push_back(*c.nurLese);
    textdateiSchreiben(pfad, zeilen);
}

} // namespace zalvor
