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

MwStEingaben mwstDlgFuellen(const Sitzung& s) {
    return MwStEingaben{BetragText(s.def.mwstSatz, 2), s.def.mwstSatz != 0};
}

bool mwstDlgOk(Sitzung& s, const MwStEingaben& e) {
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
            s.person.meldung("Fehler", A("Ungültige Eingabe als Steuersatz: Zahl eingeben!"),
                             Symbol::Fehler);
            return false;
        }
        satz = *wert;
    }
    // A rate that could not be stored is not taken: the dialog stays with the input.
    const long double alt = s.def.mwstSatz;
    s.def.mwstSatz = satz;
    if (!definitionenSchreiben(s.datei.basisname, s.def, s.person)) {
        s.def.mwstSatz = alt;
        return false;
    }
    return true;
}

bool mwstDialog(Sitzung& s, const std::function<bool(MwStEingaben&)>& zeigen) {
    s.dateiErforderlich();
    MwStEingaben e = mwstDlgFuellen(s);
    while (zeigen(e))
        if (mwstDlgOk(s, e)) return true;
    return false;
}

} // namespace zalvor
