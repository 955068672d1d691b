// The table of all commands: --help and the dispatcher read it, in this order.
#include "cli/common/befehl.h"

namespace zalvor::cli {

// Each command's source file defines its entry (name, usage line, description, function).
Befehl befehlTabelle();
Befehl befehlOeffnen();
Befehl befehlNeu();
Befehl befehlNaechstesJahr();
Befehl befehlBuchen();
Befehl befehlUmbuchen();
Befehl befehlLoeschen();
Befehl befehlReorganisieren();
Befehl befehlPruefen();
Befehl befehlIndex();
Befehl befehlMwst();
Befehl befehlWaehrung();
Befehl befehlEurosymbol();
Befehl befehlDefinitionen();
Befehl befehlDemo();
Befehl befehlListe();
Befehl befehlSchablonen();
Befehl befehlSchabloneBuchen();
Befehl befehlSchabloneLoeschen();
Befehl befehlSchabloneWiederholung();
Befehl befehlDruckoptionen();
Befehl befehlCodeschutz();
Befehl befehlAbschluss();
Befehl befehlTypengruppen();
Befehl befehlExport();
Befehl befehlPlanvorgaben();
Befehl befehlSollIst();
Befehl befehlMitglieder();
Befehl befehlMitglied();
Befehl befehlMitgliedEntfernen();
Befehl befehlMitgliederEinstellungen();
Befehl befehlBeitragssaetze();
Befehl befehlBeitraegeBuchen();
Befehl befehlBeitraegeReset();
Befehl befehlGlaeubiger();
Befehl befehlMandat();
Befehl befehlLastschrift();
Befehl befehlMitgliederliste();
Befehl befehlDrucken();
Befehl befehlDateiliste();
Befehl befehlMehrdateiabschluss();
Befehl befehlBankkonto();
Befehl befehlRegeln();
Befehl befehlImport();

const std::vector<Befehl>& befehle() {
    static const std::vector<Befehl> alle = {
        befehlTabelle(),
        befehlOeffnen(),
        befehlNeu(),
        befehlNaechstesJahr(),
        befehlBuchen(),
        befehlUmbuchen(),
        befehlLoeschen(),
        befehlReorganisieren(),
        befehlPruefen(),
        befehlIndex(),
        befehlMwst(),
        befehlWaehrung(),
        befehlEurosymbol(),
        befehlDefinitionen(),
        befehlDemo(),
        befehlListe(),
        befehlSchablonen(),
        befehlSchabloneBuchen(),
        befehlSchabloneLoeschen(),
        befehlSchabloneWiederholung(),
        befehlDruckoptionen(),
        befehlCodeschutz(),
        befehlAbschluss(),
        befehlTypengruppen(),
        befehlExport(),
        befehlPlanvorgaben(),
        befehlSollIst(),
        befehlMitglieder(),
        befehlMitglied(),
        befehlMitgliedEntfernen(),
        befehlMitgliederEinstellungen(),
        befehlBeitragssaetze(),
        befehlBeitraegeBuchen(),
        befehlBeitraegeReset(),
        befehlGlaeubiger(),
        befehlMandat(),
        befehlLastschrift(),
        befehlMitgliederliste(),
        befehlDrucken(),
        befehlDateiliste(),
        befehlMehrdateiabschluss(),
        befehlBankkonto(),
        befehlRegeln(),
        befehlImport(),
    };
    return alle;
}

} // namespace zalvor::cli
