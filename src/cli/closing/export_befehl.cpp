// zalvor-cli export: the bookings as a plain-text double-entry journal or as a table.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/closing/journal.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"

namespace zalvor::cli {

namespace {

int exportieren(Kontext& k) {
    const bool journal = k.args.schalter("--journal");
    const std::string datei = k.args.letzte("DATEI");
    if (journal && k.format != Format::Tsv)
        throw Aufruffehler("--journal schreibt ein Journal; --format gilt nur ohne --journal");
    dateiLaden(k, datei);
    const Sitzung& s = k.sitzung;
    const JournalQuelle q{s.verein.datei.dateiname(), s.verein.datei.jahr, &s.verein.def,
                          s.waehrungstext()};
    const auto buchungen = alleBuchungenLesen(s.verein.datei.dateiname());
    if (journal) {
        for (const auto& zeile : journalZeilen(q, buchungen))
            k.out << ansiNachUtf8(zeile) << "\n";
    } else {
        tabelleAusgeben(k.out, k.format, exportRaster(q, buchungen));
    }
    return kFertig;
}

} // namespace

Befehl befehlExport() {
    return {"export", "DATEI [--journal]",
            "alle gültigen Buchungen: --journal als Journal der doppelten Buchführung "
            "im Klartext, sonst als "
            "Tabelle mit ISO-Datum (--format csv|json für Tabellenkalkulationen)",
            Befehlsart::Export, exportieren};
}

} // namespace zalvor::cli
