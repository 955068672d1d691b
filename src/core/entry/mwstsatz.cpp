// The VAT rate dialog "Mehrwertsteuer" on the engine side.
#include "core/entry/mwstsatz.h"

#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"

namespace zalvor {

std::string mwstDlgText() {
    return A("Wenn Sie das Feld unten ankreuzen, wird im Abschluß aus der Summe der Ausgaben der "
             "enthaltene Mehrwertsteuer-Anteil zu nachfolgendem Steuersatz herausgerechnet. Der "
             "Wert stimmt natürlich nur, wenn auch alle Ausgaben diesem Steuersatz unterworfen "
             "waren!");
}

MwStEingaben mwstDlgFuellen(const TDefinitionen& def) {
    return MwStEingaben{BetragText(def.mwstSatz, 2), def.mwstSatz != 0};
}

bool mwstDlgOk(Verein& v, Person& person, const MwStEingaben& e) {
    long double satz = 0;
    if (e.aktiv) {
        std::optional<long double> wert;
        try {
            if (auto z = zahlLesen(e.satz)) wert = durchReal6(*z);
        } catch (const UeberlaufFehler&) {
            wert.reset();
        }
        // A negative rate has no meaning and would make the closing divide by zero at -100.
        if (!wert || *wert < 0) {
            person.meldung("Fehler", A("Ungültige Eingabe als Steuersatz: Zahl eingeben!"),
                           Symbol::Fehler);
            return false;
        }
        satz = *wert;
    }
    // A rate that could not be stored is not taken: the dialog stays with the input.
    const long double alt = v.def.mwstSatz;
    v.def.mwstSatz = satz;
    if (!definitionenSchreiben(v.datei.basisname, v.def, person)) {
        v.def.mwstSatz = alt;
        return false;
    }
    return true;
}

bool mwstDialog(Verein& v, Person& person, const std::function<bool(MwStEingaben&)>& zeigen) {
    dateiErforderlich(v.datei, person);
    MwStEingaben e = mwstDlgFuellen(v.def);
    while (zeigen(e))
        if (mwstDlgOk(v, person, e)) return true;
    return false;
}

} // namespace zalvor
