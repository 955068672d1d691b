// zalvor-cli mitglieder, mitglied, mitglied-entfernen: the member window and the member card.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "core/common/zeichensatz.h"
#include "core/members/beitragssaetze.h"
#include "core/members/karteikarte.h"
#include "core/members/mitgliedsdatei.h"

namespace zalvor::cli {

namespace {

int mitglieder(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::MitgliedAnzeigen);
    rasterAusgeben(k.out, k.format, karteiRaster(k.sitzung.verein));
    return kFertig;
}

int mitgliedNummer(Kontext& k, const std::string& text, const std::string& option) {
    const auto anzahl =
        static_cast<int>(mitgliederAnzahl(k.sitzung.verein.datei.dateien().mitglieder()));
    if (anzahl == 0) throw Aufruffehler(option + ": die Mitgliederkartei ist leer");
    return zahlOption(text, 0, anzahl - 1, option);
}

int mitglied(Kontext& k) {
    const auto [aendern, nachname, vorname] =
        k.args.optionen<3>({"--aendern", "--nachname", "--vorname"});
    const auto felder = k.args.werte("--feld");
    const auto satz = k.args.wert("--satz");
    dateiLaden(k, k.args.letzte("DATEI"),
               aendern ? Befehlsart::MitgliedAendern : Befehlsart::MitgliedNeu);
    std::optional<std::uint32_t> nummer;
    if (aendern) nummer = static_cast<std::uint32_t>(mitgliedNummer(k, *aendern, "--aendern"));
    // Without readable rates the card offers none; the asked-for rate cannot be set.
    if (satz && k.sitzung.verein.beitraege.unlesbar) {
        k.err << "zalvor-cli mitglied: --satz braucht die Beitragssätze, die sich nicht "
                 "einlesen ließen\n";
        return kEAFehler;
    }
    const auto gespeichert = karteDialog(k.sitzung, nummer, [&](Karteikarte& karte) {
        auto& e = karte.eingaben;
        if (nachname) e.nachname = utf8NachAnsi(*nachname);
        if (vorname) e.vorname = utf8NachAnsi(*vorname);
        for (const auto& f : felder) {
            const auto [n, wert] = nummerWert(f, 5, "--feld");
            e.frei[static_cast<std::size_t>(n - 1)] = wert;
        }
        if (satz) e.satz = zahlOption(*satz, 0, 20, "--satz");
        return true;
    });
    if (!gespeichert) return kEAFehler;
    k.out << "Nr\t" << *gespeichert << "\n";
    return kFertig;
}

int mitgliedEntfernen(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nr = k.args.letzte("NR");
    dateiLaden(k, datei, Befehlsart::MitgliedEntfernen);
    const int n = mitgliedNummer(k, nr, "NR");
    return mitgliedLoeschen(k.sitzung, static_cast<std::uint32_t>(n)) ? kFertig : kAbgelehnt;
}

} // namespace

Befehl befehlMitglieder() {
    return {"mitglieder", "DATEI",
            "zeigt die Mitgliederkartei (Nr, Namen, freie Felder, Bezahlt, Satz)",
            Befehlsart::MitgliedAnzeigen, mitglieder};
}
Befehl befehlMitglied() {
    return {"mitglied",
            "DATEI [--aendern NR] [--nachname T] [--vorname T] [--feld N=WERT]... [--satz N]",
            "legt ein Mitglied an oder ändert es wie die Karteikarte; nennt seine neue Nr",
            Befehlsart::MitgliedNeu, mitglied};
}
Befehl befehlMitgliedEntfernen() {
    return {"mitglied-entfernen", "DATEI NR",
            "entfernt ein Mitglied nach der Frage \"Mitglied wirklich löschen?\"",
            Befehlsart::MitgliedEntfernen, mitgliedEntfernen};
}

} // namespace zalvor::cli
