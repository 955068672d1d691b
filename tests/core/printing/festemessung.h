// A fixed-width measure for layout tests: font 1 is 10 units a character, font 2 is 12,
// every point more adds one unit of width per character and one of height; heights are 20.
#pragma once

#include "core/printing/druckseite.h"

#include <algorithm>

namespace zalvor::test {

class FesteMessung : public Messung {
  public:
    Textmass mass(const std::string& t, const Schriftwahl& s) override {
        const int zeichen = static_cast<int>(t.size());
        return Textmass{zeichen * ((s.nummer == 2 ? 12 : 10) + s.zuschlag), 20 + s.zuschlag};
    }
};

// All texts of a page in order, for finding and asserting.
inline const Drucktext* textMit(const Druckseite& s, const std::string& t) {
    auto it = std::find_if(s.texte.begin(), s.texte.end(),
                           [&](const Drucktext& d) { return d.text == t; });
    return it == s.texte.end() ? nullptr : &*it;
}

// The box a text covers on the page.
struct Feld {
    int links = 0, oben = 0, rechts = 0, unten = 0;
};

inline Feld feldVon(const Drucktext& t, Messung& m) {
    const Textmass g = m.mass(t.text, t.schrift);
    int links = t.x;
    if (t.anker == Anker::UntenRechts) links -= g.breite;
    if (t.anker == Anker::UntenMitte) links -= g.breite / 2;
    const int oben = t.anker == Anker::ObenLinks ? t.y : t.y - g.hoehe;
    return Feld{links, oben, links + g.breite, oben + g.hoehe};
}

inline bool schneiden(const Feld& a, const Feld& b) {
    return a.links < b.rechts && b.links < a.rechts && a.oben < b.unten && b.oben < a.unten;
}

} // namespace zalvor::test
