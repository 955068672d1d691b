// zalvor-cli reorganisieren, pruefen, index: the index files of a booking file.
#include "common/befehl.h"
#include "common/betrag.h"
#include "common/dateiargument.h"
#include "files/buchungsdatei.h"
#include "files/indexdatei.h"
#include "files/reorganisation.h"

namespace zalvor::cli {

namespace {

void zusammenfassung(Kontext& k) {
    k.out << satzAnzahl(k.sitzung.datei.dateiname()) << " Datensätze, nächste Buchungsnummer "
          << k.sitzung.datei.naechsteNummer << "\n";
}

int reorganisierenBefehl(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    k.args.fertig();
    dateiLaden(k, datei);
    // Templates are converted only by the year change into the Euro, never by the menu.
    if (!reorganisieren(k.sitzung, false)) return kAbgelehnt;
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
    const std::string datei = k.args.position("DATEI");
    k.args.fertig();
    dateiLaden(k, datei);
    const IndexBefund befund = indexCheckBeimOeffnen(k.sitzung);
    k.out << befundText(befund) << "\n";
    return befund == IndexBefund::InOrdnung ? kFertig : kAbgelehnt;
}

int indexBefehl(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nummer = k.args.position("K");
    k.args.fertig();
    const auto kWert = ganzzahlLesen(nummer);
    if (!kWert || *kWert < 1 || *kWert > 9)
        throw Aufruffehler("K ist eine Indexnummer von 1 bis 9: " + nummer);
    dateiArgument(k, datei, true);
    std::string text;
    for (std::uint16_t e : indexLesen(k.sitzung.datei, static_cast<int>(*kWert)))
        text += std::to_string(e) + "\n";
    k.out << text;
    return kFertig;
}

const Registrierung r1{{"reorganisieren", "DATEI",
                        "entfernt gelöschte Buchungen und Schablonen, baut die neun "
                        "Indexdateien neu auf; die alten Dateien bleiben unter ~... erhalten",
                        reorganisierenBefehl}};
const Registrierung r2{{"pruefen", "DATEI",
                        "die Prüfung der Indexdateien beim Öffnen (Rückgabewert 1 bei einem "
                        "Befund); Ja startet die Reorganisation",
                        pruefenBefehl}};
const Registrierung r3{{"index", "DATEI K",
                        "die Satznummern der Indexdatei K (1..9) in ihrer Reihenfolge, eine je "
                        "Zeile",
                        indexBefehl}};
} // namespace

} // namespace zalvor::cli
