// zalvor-cli loeschen: deletes a booking as the table's "&Löschen" does.
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/entry/satzzeile.h"
#include "core/files/buchungsdatei.h"
#include "core/mainwindow/loeschen.h"

namespace zalvor::cli {

namespace {

int loeschen(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nummer = k.args.letzte("SATZNR");
    dateiLaden(k, datei, Befehlsart::Loeschen);
    const std::uint32_t satz = satzNummer(k.sitzung, "SATZNR", nummer);
    if (satz == satzAnzahl(k.sitzung.verein.datei.dateiname())) {
        k.err << "zalvor-cli loeschen: Satz " << satz
              << " ist die leere letzte Zeile der Tabelle, nichts zu löschen\n";
        return kFertig;
    }
    if (!satzLoeschen(k.sitzung, satz)) return kAbgelehnt;
    satzAusgeben(k, satz);
    return kFertig;
}

} // namespace

Befehl befehlLoeschen() {
    return {"loeschen", "DATEI SATZNR",
            "löscht Satz SATZNR (ab 0) nach der Frage \"Satz wirklich löschen?\" (--antworten ja): "
            "der Betrag wird 0, Satz und Indexe bleiben",
            Befehlsart::Loeschen, loeschen};
}

} // namespace zalvor::cli
