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

} // namespace zalvor::test
