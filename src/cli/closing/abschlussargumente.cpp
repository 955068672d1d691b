// Options of a closing on the command line.
#include "cli/closing/abschlussargumente.h"

#include "cli/common/dateiargument.h"
#include "core/closing/monatsfrage.h"
#include "core/common/zeichensatz.h"

namespace zalvor::cli {

std::optional<AbschlussParameter> abschlussParameter(const std::optional<std::string>& monatText,
                                                     bool umrechnen, Person& person) {
    AbschlussParameter p;
    p.umrechnen = umrechnen;
    if (monatText) {
        const std::string text = utf8NachAnsi(*monatText);
        const auto monat = monatLesen(text);
        if (!monat) {
            monatFehlerMelden(person, text);
            return std::nullopt;
        }
        p.monat = *monat;
    }
    return p;
}

std::optional<Abschluss> abschlussAusArgumenten(Kontext& k, std::optional<std::string> datei) {
    const auto monatText = k.args.wert("--monat");
    const bool umrechnen = k.args.schalter("--umrechnen");
    if (!datei) datei = k.args.position("DATEI");
    k.args.fertig();
    dateiLaden(k, *datei, monatText ? Befehlsart::Monatsabschluss : Befehlsart::Jahresabschluss);
    Sitzung& s = k.sitzung;
    const auto p = abschlussParameter(monatText, umrechnen, s.person);
    if (!p) return std::nullopt;
    if (umrechnen && !s.verein.beideWaehrungen())
        throw Aufruffehler("--umrechnen: das Jahr " + s.verein.datei.jahr +
                           " kennt keine zweite Währung");
    return abschlussErstellen(s.verein, s.euroText, s.person, *p);
}

} // namespace zalvor::cli
