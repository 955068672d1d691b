// The Euro symbol option "Euro-Symbol verwenden?" on the engine side.
#include "core/entry/eurosymbolwahl.h"

#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/files/eurotext.h"

namespace zalvor {

EuroSymbolTexte euroSymbolTexte() {
    EuroSymbolTexte t;
    t.titel = "Euro-Symbol verwenden?";
    t.frage = A("Haben Sie auf Ihrem Rechner das Euro-Symbol installiert? Wenn ja, ist es "
                "mindestens in den Schriftarten Arial, TimesNewRoman, Courier New und MS Sans "
                "Serif (das ist diese Schriftart!) verfügbar.");
    t.hinweis = A("(Das Installationspaket zum Hinzufügen des Euro-Symbols zu den genannten "
                  "Schriftarten ist von Microsoft als Freeware erhältlich.)");
    t.test = A("Im Folgenden wird getestet, ob das Euro-Symbol bei Ihnen installiert ist:\\lb "
               "\\BSehen Sie in den vier Kästchen jeweils ein Euro-Symbol?");
    t.erklaerung = A("Wenn Sie \\IJa\\i anklicken, wird das Programm die angezeigten Zeichen "
                     "verwenden, antworten Sie mit \\INein\\i, so wird der Schriftzug \"EUR\" "
                     "benutzt.");
    return t;
}

bool euroSymbolAnwenden(Sitzung& s, std::optional<Knopf> antwort) {
    std::string text;
    if (antwort == Knopf::Ja)
        text = kEuroZeichen;
    else if (antwort == Knopf::Nein)
        text = "EUR";
    else
        return false;
    euroTextSpeichern(s.euroablage, text);
    s.euroText = text;
    s.tabelle(TabellenModus::Voll);
    return true;
}

} // namespace zalvor
