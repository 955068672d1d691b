// Print settings as text: one line per dialog field.
#include "cli/printing/einstellungstext.h"

#include "core/common/zeichensatz.h"

namespace zalvor::cli {

namespace {

std::string schrift(const Schrift& s) {
    std::string t = ansiNachUtf8(s.name) + ":" + std::to_string(s.groesse);
    if (s.stil & kFett) t += " fett";
    if (s.stil & kKursiv) t += " kursiv";
    if (s.stil & kUnterstrichen) t += " unterstrichen";
    if (s.stil & kDurchgestrichen) t += " durchgestrichen";
    return t;
}

} // namespace

void einstellungenAusgeben(std::ostream& out, const Druckeinstellungen& e) {
    static const char* const ueberschriften[] = {"Fett", "Fett / nie kursiv",
                                                 "Fett / immer kursiv"};
    out << "Oben\t" << int{e.oben} << "\n"
        << "Links\t" << int{e.links} << "\n"
        << "Unten\t" << int{e.unten} << "\n"
        << "Zeilenabstand\t" << int{e.zeilenabstand} << "\n"
        << "Spaltenabstand\t" << int{e.spaltenabstand} << "\n"
        << "Seitennummern\t" << (e.seitennummern ? "ja" : "nein") << "\n"
        << "An/Von-Spalte\t" << (e.anVon ? "ja" : "nein") << "\n"
        << "Ueberschriften\t" << int{e.italic} << " "
        << (e.italic < 3 ? ueberschriften[e.italic] : "?") << "\n"
        << "Schriftart 1\t" << schrift(e.schrift1) << "\n"
        << "Schriftart 2\t" << schrift(e.schrift2) << "\n";
}

} // namespace zalvor::cli
