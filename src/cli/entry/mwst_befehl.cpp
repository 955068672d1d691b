// zalvor-cli mwst: the VAT rate dialog "Mehrwertsteuer".
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/zeichensatz.h"
#include "core/entry/mwstsatz.h"

namespace zalvor::cli {

namespace {

int mwst(Kontext& k) {
    const bool aus = k.args.schalter("--aus");
    const auto satz = k.args.wert("--satz");
    const std::string datei = k.args.letzte("DATEI");
    if (aus == satz.has_value()) throw Aufruffehler("entweder --aus oder --satz TEXT");
    dateiLaden(k, datei, Befehlsart::Mwst);
    Sitzung& s = k.sitzung;
    bool gezeigt = false;
    const bool gespeichert = mwstDialog(s.verein, s.person, [&](MwStEingaben& e) {
        if (gezeigt) return false; // refused: the person cancels after the message
        gezeigt = true;
        e.aktiv = !aus;
        if (satz) e.satz = utf8NachAnsi(*satz);
        return true;
    });
    if (!gespeichert) return kAbgelehnt;
    const MwStEingaben jetzt = mwstDlgFuellen(s.verein.def);
    k.out << "Steuersatz\t" << ansiNachUtf8(jetzt.satz) << "\n"
          << "Aktiv\t" << (jetzt.aktiv ? "ja" : "nein") << "\n";
    return kFertig;
}

} // namespace

Befehl befehlMwst() {
    return {"mwst", "DATEI (--aus | --satz TEXT)",
            "setzt den Mehrwertsteuersatz wie der Dialog \"Mehrwertsteuer\" (Zahl mit \".\") oder "
            "schaltet die Berechnung aus",
            Befehlsart::Mwst, mwst};
}

} // namespace zalvor::cli
