// zalvor-cli reorganisieren, pruefen, index: the index files of a booking file.
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/betrag.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "core/files/reorganisation.h"

namespace zalvor::cli {

namespace {

void zusammenfassung(Kontext& k) {
    k.out << satzAnzahl(k.sitzung.verein.datei.dateiname())
          << " Datensätze, nächste Buchungsnummer " << k.sitzung.verein.datei.naechsteNummer
          << "\n";
}

int reorganisierenBefehl(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::Reorganisieren);
    // Templates are converted only by the year change into the Euro, never by the menu.
    if (!reorganisieren(k.sitzung.verein, k.sitzung.person, false)) return kAbgelehnt;
    zusammenfassung(k);
    return kFertig;
}

const char* befundText(IndexBefund b) {
    switch (b) {
    case IndexBefund::InOrdnung:
        return "in Ordnung";
    case IndexBefund::Fehlt:
        return "Indexdatei fehlt";
    case IndexBefund::Beschaedigt:
        return "Indexdatei beschädigt";
    case IndexBefund::Zugriffsfehler:
        return "Fehler beim Zugriff auf eine Indexdatei";
    }
    return "";
}

int pruefenBefehl(Kontext& k) {
    const std::string datei = k.args.letzte("DATEI");
    // The check is the opening's first step; its finding is what this command reports.
    dateiLaden(k, datei);
    const IndexBefund befund = k.sitzung.verein.indexBefund;
    k.out << befundText(befund) << "\n";
    k.statusIstBefund = true;
    return befund == IndexBefund::InOrdnung ? kFertig : kAbgelehnt;
}

int indexBefehl(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nummer = k.args.letzte("K");
    const auto kWert = ganzzahlLesen(nummer);
    if (!kWert || *kWert < 1 || *kWert > 9)
        throw Aufruffehler("K ist eine Indexnummer von 1 bis 9: " + nummer);
    dateiLaden(k, datei);
    std::string text;
    for (std::uint16_t e : indexLesen(k.sitzung.verein.datei, static_cast<int>(*kWert)))
        text += std::to_string(e) + "\n";
    k.out << text;
    return kFertig;
}

} // namespace

Befehl befehlReorganisieren() {
    return {"reorganisieren", "DATEI",
            "entfernt gelöschte Buchungen und Schablonen, baut die neun "
            "Indexdateien neu auf; die alten Dateien bleiben unter ~... erhalten",
            Befehlsart::Reorganisieren, reorganisierenBefehl};
}
Befehl befehlPruefen() {
    return {"pruefen", "DATEI",
            "die Prüfung der Indexdateien beim Öffnen (Rückgabewert 1 bei einem "
            "Befund); Ja startet die Reorganisation",
            Befehlsart::IndexPruefen, pruefenBefehl};
}
Befehl befehlIndex() {
    return {"index", "DATEI K",
            "die Satznummern der Indexdatei K (1..9) in ihrer Reihenfolge, eine je "
            "Zeile",
            Befehlsart::IndexZeigen, indexBefehl};
}

} // namespace zalvor::cli
