// zalvor-cli drucken: a printout of the desktop rendered headless into a PDF file with the
// stored print settings.
#include "cli/closing/abschlussargumente.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "cli/printing/einstellungstext.h"
#include "core/closing/abschlussbericht.h"
#include "core/closing/dateilisteoeffnen.h"
#include "core/closing/mehrdateiabschluss.h"
#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/files/dateisatz.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/sollist.h"
#include "core/members/mitgliederliste.h"
#include "core/printing/abschlussdruck.h"
#include "core/printing/listendruck.h"
#include "core/printing/mitgliederdruck.h"
#include "print/anwendung.h"
#include "print/druckschrift.h"
#include "print/qteinstellungsspeicher.h"
#include "print/seitenmaler.h"

#include <QPrinter>

#include <cerrno>
#include <optional>

namespace zalvor::cli {

namespace {

// The list of the "&Listen" menu named by the arguments after "liste".
Bericht listeBauen(Kontext& k, const std::string& datei) {
    const std::string art = k.args.position("ART");
    if (art == "einfach" || art == "ea") {
        k.args.fertig();
        dateiLaden(k, datei, art == "einfach" ? Befehlsart::Einfachliste : Befehlsart::EaListe);
        return art == "einfach"
                   ? einfachListe(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr,
                                  k.sitzung.euroText)
                   : eaListe(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr, k.sitzung.euroText);
    }
    int konto = 0;
    if (art == "konto") {
        const std::string n = k.args.position("N");
        const auto wert = ganzzahlLesen(n);
        if (!wert || *wert < 1 || *wert > 9)
            throw Aufruffehler("N ist eine Kontonummer von 1 bis 9: " + n);
        konto = static_cast<int>(*wert);
    } else if (art != "alle") {
        throw Aufruffehler("ART ist einfach, ea, konto N oder alle: " + art);
    }
    k.args.fertig();
    dateiLaden(k, datei, konto == 0 ? Befehlsart::KontenlistenAlle : Befehlsart::Kontenliste);
    return kontenListe(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr, k.sitzung.euroText,
                       konto);
}

// The closing of the file list named by DATEI, as the file list window shows it; nullopt
// after a message (a month that is none, a list that cannot be opened or names no file).
std::optional<Bericht> mehrdateiBauen(Kontext& k, const std::string& liste) {
    const auto monatText = k.args.wert("--monat");
    const bool umrechnen = k.args.schalter("--umrechnen");
    k.args.fertig();
    Person& person = k.sitzung.person;
    const auto p = abschlussParameter(monatText, umrechnen, person);
    if (!p) return std::nullopt;
    const auto l = dateilisteLaden(festeWahl(liste), person);
    if (!l) return std::nullopt;
    if (l->dateien.empty()) {
        k.err << "Die Dateiliste nennt keine Datei: kein Abschluss\n";
        return std::nullopt;
    }
    const Listenvorgaben v = listenvorgabenLesen(l->dateien.front(), person);
    if (umrechnen && !BeideWaehrungen(v.def.waehrung, v.jahr))
        throw Aufruffehler("--umrechnen: das Jahr " + v.jahr + " kennt keine zweite Währung");
    return mehrdateiBericht(
        mehrdateiabschlussRechnen(v, l->dateien, *p, k.sitzung.euroText, person));
}

int drucken(Kontext& k) {
    const auto pdf = k.args.wert("--pdf");
    const bool quer = k.args.schalter("--quer");
    const std::string datei = k.args.position("DATEI");
    const std::string was = k.args.position("DRUCK");
    if (!pdf || pdf->empty()) throw Aufruffehler("--pdf AUSGABE.pdf fehlt");
    druck::Setzer setzer;
    Druckeinstellungen e = standardDruckeinstellungen(Schrift{});
    if (was == "liste") {
        const Bericht b = listeBauen(k, datei);
        setzer = [b, &e](Messung& m, Seitenformat f) { return listeSetzen(b, e, m, f); };
    } else if (was == "abschluss") {
        const auto a = abschlussAusArgumenten(k, datei);
        if (!a) return kAbgelehnt;
        const Bericht b = abschlussBericht(*a, k.sitzung.verein.def);
        const Abschlusskopf kopf = abschlussKopf(k.sitzung);
        setzer = [b, kopf, &e](Messung& m, Seitenformat f) {
            return abschlussSetzen(b, kopf, e, m, f);
        };
    } else if (was == "mehrdateiabschluss") {
        const auto b = mehrdateiBauen(k, datei);
        if (!b) return kAbgelehnt;
        // No file is open: the title shows the calendar year as the desktop does then.
        const Abschlusskopf kopf = abschlussKopf(k.sitzung);
        setzer = [b = *b, kopf, &e](Messung& m, Seitenformat f) {
            return abschlussSetzen(b, kopf, e, m, f);
        };
    } else if (was == "mitgliederliste") {
        const auto spalten = k.args.wert("--spalten");
        const auto stilText = k.args.wert("--bez-stil");
        k.args.fertig();
        const Spaltenwahl wahl = spalten ? spaltenwahlLesen(*spalten) : Spaltenwahl{};
        const auto stil =
            static_cast<Bezahltstil>(stilText ? zahlOption(*stilText, 0, 3, "--bez-stil") : 0);
        dateiLaden(k, datei, Befehlsart::MitgliederListe);
        auto bericht = mitgliederlisteErstellen(k.sitzung, wahl);
        if (!bericht) return kEAFehler;
        // The extra check box of the print options, captioned for the member list: the
        // columns between the first and the last in font 2.
        setzer = [b = std::move(*bericht), stil, &e](Messung& m, Seitenformat f) {
            return mitgliederlisteSetzen(b, stil, e.anVon, e, m, f);
        };
    } else if (was == "soll-ist") {
        k.args.fertig();
        dateiLaden(k, datei, Befehlsart::SollIst);
        auto vergleich =
            sollIstVergleich(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr, k.sitzung.euroText);
        if (!vergleich) return kAbgelehnt;
        setzer = [b = std::move(*vergleich), &e](Messung& m, Seitenformat f) {
            return listeSetzen(b, e, m, f);
        };
    } else {
        throw Aufruffehler(
            "DRUCK ist liste, soll-ist, abschluss, mehrdateiabschluss oder mitgliederliste: " +
            was);
    }

    druck::anwendungSicherstellen();
    e = standardDruckeinstellungen(druck::standardschrift());
    druck::druckeinstellungenLaden(k.sitzung.person, e);
    einstellungenAusgeben(k.err, e);
    QPrinter drucker(QPrinter::HighResolution);
    druck::pdfEinrichten(drucker, *pdf, quer);
    int seiten = 0;
    errno = 0;
    if (!druck::drucken(drucker, e.schrift1, e.schrift2, setzer, {}, &seiten))
        throw EAFehler(errno != 0 ? errno : EIO, *pdf);
    k.out << *pdf << "\t" << seiten << (seiten == 1 ? " Seite" : " Seiten") << "\n";
    return kFertig;
}

} // namespace

Befehl befehlDrucken() {
    return {"drucken",
            "DATEI --pdf AUSGABE.pdf [--quer] (liste (einfach | ea | konto N | alle) | soll-ist | "
            "abschluss [--monat M] [--umrechnen] | "
            "mehrdateiabschluss [--monat M] [--umrechnen] | mitgliederliste [--spalten "
            "frei1,...,beschreibung,betrag] [--bez-stil 0-3])",
            "druckt eine Liste, den Soll-Ist-Vergleich, den Abschluss, den Abschluss "
            "einer Dateiliste (DATEI ist dann die " +
                Dateisatz::listenEndung() +
                "-Datei) oder die Mitgliederliste "
                "mit den gespeicherten Druckoptionen in eine PDF-Datei, mit --quer im "
                "Querformat",
            Befehlsart::Drucken, drucken};
}

} // namespace zalvor::cli
