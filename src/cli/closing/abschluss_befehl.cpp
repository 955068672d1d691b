// zalvor-cli abschluss: the monthly or yearly closing window as grids.
#include "cli/closing/abschlussargumente.h"
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "core/closing/abschlussbericht.h"

namespace zalvor::cli {

namespace {

int abschluss(Kontext& k) {
    const auto a = abschlussAusArgumenten(k);
    if (!a) return kAbgelehnt;
    berichtAusgeben(k.out, k.format, abschlussBericht(*a, k.sitzung.verein.def));
    return kFertig;
}

} // namespace

Befehl befehlAbschluss() {
    return {"abschluss", "DATEI [--monat M] [--umrechnen]",
            "der Jahres- oder (--monat) Monatsabschluss mit allen Reitern, "
            "--umrechnen in die andere Währung",
            Befehlsart::Jahresabschluss, abschluss};
}

} // namespace zalvor::cli
