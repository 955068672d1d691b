// zalvor-cli schablonen: the template window's grid, or the message it opens with instead.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/templates/schablonenfenster.h"

namespace zalvor::cli {

namespace {

int schablonen(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::Schablonen);
    schablonenBefehl(k.sitzung, [&k](const Raster& r) { rasterAusgeben(k.out, k.format, r); });
    return kFertig;
}

} // namespace

Befehl befehlSchablonen() {
    return {"schablonen", "DATEI",
            "zeigt die Schablonen wie das Fenster \"Schablonen\" (Zeile NR ab 0); ohne Schablonen "
            "dessen Hinweis, eine leere oder ganz gelöschte Schablonendatei wird dabei gelöscht",
            Befehlsart::Schablonen, schablonen};
}

} // namespace zalvor::cli
