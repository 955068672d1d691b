// Frame lines keep a gap to the texts beside them: the list's lines before the type and the
// counterpart column whatever the column gap, the profit and loss lines at their headings.
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "druckberichte.h"
#include "festemessung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace zalvor {
namespace {

// Horizontal distance of a vertical line to a text it passes; -1 when it strikes it, a large
// number when it does not pass it.
int abstand(const Drucklinie& l, const test::Feld& f) {
    if (l.x1 != l.x2 || std::max(l.y1, l.y2) <= f.oben || std::min(l.y1, l.y2) >= f.unten)
        return 100000;
    if (l.x1 >= f.links && l.x1 <= f.rechts) return -1;
    return std::min(std::abs(l.x1 - f.links), std::abs(l.x1 - f.rechts));
}

TEST(Rahmenlinien, AbstandZuDenTextenDaneben) {
    const struct {
        const char* name;
        int spaltenabstand;
        bool abschluss;
    } faelle[] = {
        {"Liste", 10, false},
        {"Liste ohne Spaltenabstand", 0, false},
        {"Liste mit kleinem Spaltenabstand", 3, false},
        {"Abschluss", 10, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        test::FesteMessung m;
        Druckeinstellungen e;
        e.spaltenabstand = static_cast<std::uint8_t>(f.spaltenabstand);
        const Druckdokument d =
            f.abschluss ? abschlussSetzen(test::jahresabschluss(true, false),
                                          {"26", 6, 12, 2026, "/daten/Verein"}, e, m, {2400, 3400})
                        : listeSetzen(test::eaListe(3), e, m, {2400, 3400});
        int senkrechte = 0;
        for (const Drucklinie& l : d.seiten[0].linien) {
            if (l.x1 != l.x2) continue;
            ++senkrechte;
            for (const Drucktext& t : d.seiten[0].texte)
                EXPECT_GE(abstand(l, test::feldVon(t, m)), 4) << "x " << l.x1 << ": " << t.text;
        }
        EXPECT_GE(senkrechte, 4);
    }
}

} // namespace
} // namespace zalvor
