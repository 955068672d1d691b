// zalvor-cli liste: the booking lists of the "&Listen" menu.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/betrag.h"
#include "core/files/sortierung.h"
#include "core/lists/buchungslisten.h"

namespace zalvor::cli {

namespace {

int liste(Kontext& k) {
    const std::optional<std::string> ordnung = k.args.wert("--sortierung");
    const std::string datei = k.args.position("DATEI");
    const std::string art = k.args.position("ART");
    int konto = -1;
    Befehlsart regel = Befehlsart::Einfachliste;
    if (art == "einfach") {
        regel = Befehlsart::Einfachliste;
    } else if (art == "ea") {
        regel = Befehlsart::EaListe;
    } else if (art == "alle") {
        regel = Befehlsart::KontenlistenAlle;
        konto = 0;
    } else if (art == "konto") {
        const std::string n = k.args.position("N");
        const auto wert = ganzzahlLesen(n);
        if (!wert || *wert < 1 || *wert > 9)
            throw Aufruffehler("N ist eine Kontonummer von 1 bis 9: " + n);
        konto = static_cast<int>(*wert);
        regel = Befehlsart::Kontenliste;
    } else {
        throw Aufruffehler("ART ist einfach, ea, konto N oder alle: " + art);
    }
    std::optional<Sortierung> sortierung = Sortierung::Nummer;
    if (ordnung) {
        sortierung = sortierungAusName(*ordnung);
        if (!sortierung)
            throw Aufruffehler("--sortierung ist nummer, typ, text, betrag oder datum: " +
                               *ordnung);
    }
    k.args.fertig();
    dateiLaden(k, datei, regel);
    // As OK in the sort dialog: a missing index file offers the reorganisation. Without it
    // there is no list in that order: the person cancelled, or the failure was reported.
    if (*sortierung != Sortierung::Nummer &&
        sortierungWaehlen(k.sitzung, *sortierung) == SortierErgebnis::OhneReorganisation)
        return kAbgelehnt;
    const Bericht b = konto < 0
                          ? (art == "einfach" ? einfachListe(k.sitzung.verein, k.sitzung.person,
                                                             k.sitzung.uhr, k.sitzung.euroText)
                                              : eaListe(k.sitzung.verein, k.sitzung.person,
                                                        k.sitzung.uhr, k.sitzung.euroText))
                          : kontenListe(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr,
                                        k.sitzung.euroText, konto);
    berichtAusgeben(k.out, k.format, b);
    return kFertig;
}

} // namespace

Befehl befehlListe() {
    return {"liste",
            "DATEI (einfach | ea | konto N | alle) [--sortierung "
            "nummer|typ|text|betrag|datum]",
            "Einfachliste mit Geldbestand, E/A-Liste oder Kontenlisten in der "
            "gewählten Sortierung",
            Befehlsart::Einfachliste, liste};
}

} // namespace zalvor::cli
