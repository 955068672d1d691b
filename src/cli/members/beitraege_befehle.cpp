// zalvor-cli beitraege-buchen, beitraege-reset, mitgliederliste.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "core/common/zeichensatz.h"
#include "core/members/beitraegebuchen.h"
#include "core/members/mitgliederliste.h"

namespace zalvor::cli {

namespace {

int beitraegeBuchenBefehl(Kontext& k) {
    const bool alle = k.args.schalter("--alle");
    const auto nummern = k.args.werte("--mitglied");
    const std::string datei = k.args.letzte("DATEI");
    if (alle == !nummern.empty()) throw Aufruffehler("entweder --alle oder --mitglied NR...");
    dateiLaden(k, datei, Befehlsart::BeitraegeBuchen);
    auto dialog = beitraegeOeffnen(k.sitzung);
    if (!dialog) return kEAFehler;
    const int anzahl = static_cast<int>(dialog->kaestchen.size());
    if (!alle) {
        // Only the listed boxes are ticked; the paid ones stay as they are shown.
        for (auto& kasten : dialog->kaestchen)
            kasten.angehakt = kasten.angehakt && !kasten.aktiv;
        for (const auto& text : nummern) {
            auto& kasten = dialog->kaestchen[static_cast<std::size_t>(
                zahlOption(text, 0, anzahl - 1, "--mitglied"))];
            if (!kasten.aktiv)
                throw Aufruffehler("Mitglied " + text + " (" + ansiNachUtf8(kasten.text) +
                                   ") ist bezahlt oder sein Beitragssatz kann nicht gebucht "
                                   "werden");
            kasten.angehakt = true;
        }
    } else {
        for (auto& kasten : dialog->kaestchen)
            kasten.angehakt = kasten.angehakt || kasten.aktiv;
    }
    k.out << "Gebucht\t" << beitraegeBuchen(k.sitzung, *dialog) << "\n";
    return kFertig;
}

int beitraegeReset(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::BeitraegeReset);
    return beitraegeZuruecksetzen(k.sitzung) ? kFertig : kAbgelehnt;
}

int mitgliederliste(Kontext& k) {
    const auto spalten = k.args.wert("--spalten");
    const std::string datei = k.args.letzte("DATEI");
    const Spaltenwahl wahl = spalten ? spaltenwahlLesen(*spalten) : Spaltenwahl{};
    dateiLaden(k, datei, Befehlsart::MitgliederListe);
    const auto bericht = mitgliederlisteErstellen(k.sitzung, wahl);
    if (!bericht) return kEAFehler;
    berichtAusgeben(k.out, k.format, *bericht);
    return kFertig;
}

} // namespace

Befehl befehlBeitraegeBuchen() {
    return {"beitraege-buchen", "DATEI (--alle | --mitglied NR...)",
            "bucht die Beiträge wie der Dialog \"Beiträge buchen\"", Befehlsart::BeitraegeBuchen,
            beitraegeBuchenBefehl};
}
Befehl befehlBeitraegeReset() {
    return {"beitraege-reset", "DATEI",
            "löscht die Bezahlt-Einträge (neue Beitragsperiode), fragt wie das Programm",
            Befehlsart::BeitraegeReset, beitraegeReset};
}
Befehl befehlMitgliederliste() {
    return {"mitgliederliste",
            "DATEI [--spalten frei1,frei2,frei3,frei4,frei5,beschreibung,betrag]",
            "zeigt die Mitgliederliste mit den gewählten Spalten", Befehlsart::MitgliederListe,
            mitgliederliste};
}

} // namespace zalvor::cli
