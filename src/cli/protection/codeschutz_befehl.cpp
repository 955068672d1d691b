// zalvor-cli codeschutz: the "Codeschutz..." procedure, every entry and answer from --antworten.
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/protection/codeschutz.h"

namespace zalvor::cli {

namespace {

int codeschutz(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::Codeschutz);
    const bool geaendert = codeschutzBefehl(k.sitzung);
    k.out << "Codeschutz\t" << (k.sitzung.verein.def.codeGeschuetzt() ? "ja" : "nein") << "\n"
          << "Nur-Lese-Code\t" << (nurLeseCodeVorhanden(k.sitzung.verein.dateien()) ? "ja" : "nein")
          << "\n";
    return geaendert ? kFertig : kAbgelehnt;
}

} // namespace

Befehl befehlCodeschutz() {
    return {
        "codeschutz", "DATEI",
        "setzt, ändert oder entfernt das Codewort wie \"Codeschutz...\": altes Codewort (falls "
        "geschützt), neues zweimal (leer entfernt den Schutz), dann ja/nein und der Nur-Lese-Code "
        "zweimal; alles aus --antworten. Schützt nur den Zugang über dieses Programm, "
        "verschlüsselt nichts",
        Befehlsart::Codeschutz, codeschutz};
}

} // namespace zalvor::cli
