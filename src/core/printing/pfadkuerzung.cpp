// Shortening a path in the middle: folders out of the middle, then characters.
#include "core/printing/pfadkuerzung.h"

#include "core/common/zeichensatz.h"

#include <vector>

namespace zalvor {

namespace {

bool trenner(char c) {
    return c == '/' || c == '\\';
}

std::size_t pfadAnfang(const std::string& t) {
    const std::size_t datei = t.find("Datei: ");
    const std::size_t ab = datei == std::string::npos ? 0 : datei;
    return t.find_first_of("/\\", ab);
}

} // namespace

std::string pfadKuerzen(const std::string& text, int breite, Messung& m, const Schriftwahl& s) {
    auto passt = [&](const std::string& t) { return m.breite(t, s) <= breite; };
    if (passt(text)) return text;
    const std::string auslassung = A("…");
    const std::size_t anfang = pfadAnfang(text);
    std::size_t letzter = anfang;
    for (std::size_t i = anfang == std::string::npos ? text.size() : anfang; i < text.size(); ++i)
        if (trenner(text[i])) letzter = i;
    if (anfang != std::string::npos && letzter > anfang) {
        // The folders between the path's first and last separator.
        std::vector<std::string> ordner{""};
        for (std::size_t i = anfang + 1; i < letzter; ++i) {
            if (trenner(text[i]))
                ordner.emplace_back();
            else
                ordner.back() += text[i];
        }
        const std::string vorn = text.substr(0, anfang + 1);
        const std::string hinten = text.substr(letzter);
        const char sep = text[letzter];
        for (std::size_t behalten = ordner.size(); behalten-- > 0;) {
            std::string t = vorn;
            const std::size_t erste = (behalten + 1) / 2;
            for (std::size_t i = 0; i < erste; ++i)
                t += ordner[i] + sep;
            t += auslassung;
            for (std::size_t i = ordner.size() - (behalten - erste); i < ordner.size(); ++i)
                t += sep + ordner[i];
            t += hinten;
            if (passt(t)) return t;
        }
    }
    // Characters before the file name (or before the end of a text without a path).
    const std::size_t rest =
        anfang != std::string::npos && letzter > anfang ? letzter : text.size();
    const std::string hinten = text.substr(rest);
    for (std::size_t vorn = rest; vorn-- > 0;) {
        const std::string t = text.substr(0, vorn) + auslassung + hinten;
        if (passt(t)) return t;
    }
    // Last the file name from its start, so that its end with the year stays.
    for (std::size_t ab = 1; ab < hinten.size(); ++ab) {
        const std::string t = auslassung + hinten.substr(ab);
        if (passt(t)) return t;
    }
    return auslassung;
}

} // namespace zalvor
