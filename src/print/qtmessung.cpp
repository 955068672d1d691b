// Measures with the printer's font metrics.
#include "print/qtmessung.h"

#include "print/druckschrift.h"

#include <QFontMetricsF>

#include <cmath>

namespace zalvor::druck {

QtMessung::QtMessung(const Schrift& s1, const Schrift& s2, QPaintDevice* geraet)
    : s1_(s1), s2_(s2), geraet_(geraet) {}

Textmass QtMessung::mass(const std::string& text, const Schriftwahl& w) {
    const auto schluessel = std::make_tuple(w.nummer, w.zuschlag, static_cast<int>(w.stil));
    auto it = schriften_.find(schluessel);
    if (it == schriften_.end())
        it = schriften_.emplace(schluessel, qtSchrift(w.nummer == 2 ? s2_ : s1_, w)).first;
    const QFontMetricsF fm =
        geraet_ ? QFontMetricsF(it->second, geraet_) : QFontMetricsF(it->second);
    return Textmass{static_cast<int>(std::ceil(fm.horizontalAdvance(qtText(text)))),
                    static_cast<int>(std::ceil(fm.height()))};
}

} // namespace zalvor::druck
