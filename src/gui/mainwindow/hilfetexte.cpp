// The help topics of the program, by context number.
#include "mainwindow/hilfe.h"

namespace zalvor::gui {

const std::vector<Hilfethema>& hilfethemen() {
    static const std::vector<Hilfethema> themen = {
        {18, "Erste Schritte", "Start;Datei öffnen;neue Datei;Anfang",
         "<h2>Erste Schritte</h2>"
         "<p>Zalvor führt das Kassenbuch eines Vereins: für jedes Geschäftsjahr eine "
         "Buchungsdatei, z.B. <i>VEREIN.26</i> für 2026. Alle Dateien eines Vereins "
         "(Definitionen, Indexdateien, Mitglieder, Schablonen) liegen unter demselben Namen im "
         "selben Verzeichnis.</p>"
         "<ul><li><b>Datei | Öffnen...</b> öffnet eine vorhandene Buchungsdatei. Geben Sie den "
         "Namen ohne Endung ein, wird das aktuelle Jahr angehängt.</li>"
         "<li><b>Datei | Neu...</b> legt einen neuen Verein an: Währung, Typen- und Kontennamen "
         "und die Anfangsbestände der Konten.</li></ul>"
         "<p>Solange keine Datei geöffnet ist, sind die Menüs Buchungen, Mitglieder, Listen und "
         "Abschluß gesperrt.</p>"
         "<p>Siehe auch: <a href=\"kontext:1\">Buchungstabelle</a>, "
         "<a href=\"kontext:104\">Tastenkürzel</a>.</p>"},
        {1, "Buchungstabelle", "Tabelle;Hauptfenster;Löschen;Ändern;Statuszeile",
         "<h2>Die Buchungstabelle</h2>"
         "<p>Die Tabelle zeigt jede Buchung der geöffneten Datei in der Reihenfolge der Datei: "
         "Buchungsnummer, Datum, Typ, Buchungstext, Betrag, E (Einnahme) oder A (Ausgabe) und "
         "das Konto. Geplante Buchungen zeigen das Konto in Klammern, z.B. <tt>(2)</tt>; "
         "Umbuchungen zeigen <tt>von»nach</tt>.</p>"
         "<ul><li><b>Doppelklick</b> oder <b>Eingabetaste</b> auf einer Zeile zeigt die Buchung "
         "zum Ändern an.</li>"
         "<li>Die <b>rechte Maustaste</b> öffnet ein Menü mit <i>Anzeigen/Ändern</i> und "
         "<i>Löschen</i>.</li>"
         "<li><b>Entf</b> löscht die markierte Buchung nach einer Rückfrage. Gelöschte "
         "Buchungen bleiben als <i>* gelöscht *</i> stehen, bis Sie "
         "<a href=\"kontext:101\">reorganisieren</a>.</li></ul>"
         "<p>Die Statuszeile zeigt, ob Planvorgaben, Schablonen oder ein Codeschutz bestehen, "
         "und die Zahl der Datensätze.</p>"},
        {19, "Neue Datei", "neue Datei;Anfangsbestände;Einstellungen",
         "<h2>Die neue Datei</h2>"
         "<p>Die neue Buchungsdatei ist angelegt und enthält die Anfangsbestände der Konten. "
         "Konten mit dem Bestand 0 wurden bei der Reorganisation entfernt.</p>"
         "<p>Typen- und Kontennamen ändern Sie jederzeit unter <b>Buchungen | "
         "Einstellungen...</b>, die Währung unter <b>Optionen | Währung / Euro...</b>. "
         "Buchen Sie nun mit <b>F2</b> die erste Einnahme oder Ausgabe.</p>"},
        {100, "Buchen und Umbuchen", "Buchen;Umbuchen;Einnahme;Ausgabe;Konto;F2;F3",
         "<h2>Buchen und Umbuchen</h2>"
         "<p><b>F2</b> öffnet den Buchungsdialog: Nummer und Datum werden vorgeschlagen; "
         "wählen Sie Einnahme oder Ausgabe, Typ, Konto, Text und Betrag. Beträge dürfen Komma "
         "oder Punkt und höchstens zwei Nachkommastellen haben.</p>"
         "<p><b>F3</b> bucht einen Betrag von einem Konto auf ein anderes (z.B. Bargeld auf das "
         "Girokonto). Eine Umbuchung ändert den Gesamtbestand nicht.</p>"
         "<p>Eine <i>geplante</i> Buchung zählt nicht zum Kontostand; sie wird ins nächste Jahr "
         "übernommen.</p>"},
        {101, "Reorganisation", "Reorganisieren;Indexdatei;Sicherung;gelöscht",
         "<h2>Reorganisation</h2>"
         "<p><b>Datei | Reorganisieren</b> schreibt die Buchungsdatei ohne die gelöschten "
         "Buchungen neu und baut die neun Indexdateien für die Sortierungen neu auf. Die alten "
         "Dateien bleiben als Sicherung unter einem Namen mit <tt>~</tt> am Anfang erhalten.</p>"
         "<p>Reorganisieren Sie, wenn beim Öffnen eine Indexdatei als fehlend oder beschädigt "
         "gemeldet wird.</p>"},
        {102, "Währung und Euro", "Euro;Währung;Kurs;Umstellung;Euro-Symbol",
         "<h2>Währung und Euro</h2>"
         "<p>Unter <b>Optionen | Währung / Euro...</b> legen Sie die alte Landeswährung, den "
         "Euro-Kurs und das Jahr der Umstellung fest. Ab diesem Jahr werden die Dateien in Euro "
         "geführt; beim Jahreswechsel werden die Bestände umgerechnet.</p>"
         "<p><b>Optionen | Euro-Symbol...</b> bestimmt, wie der Euro in Tabellen und Listen "
         "bezeichnet wird.</p>"},
        {103, "Nächstes Jahr", "Jahreswechsel;nächstes Jahr;Anfangsbestand",
         "<h2>Nächstes Jahr</h2>"
         "<p><b>Datei | Nächstes Jahr...</b> legt die Datei des folgenden Jahres an. Die "
         "aktuellen Kontostände werden als Anfangsbestände übernommen, geplante Buchungen als "
         "Planungen zum 1. Januar. Buchen Sie danach noch im alten Jahr, stimmen die neuen "
         "Anfangsbestände nicht mehr.</p>"},
        {110, "Mehrwertsteuer", "MwSt;Mehrwertsteuer;Steuersatz;Vorsteuer",
         "<h2>Mehrwertsteuer</h2>"
         "<p>Unter <b>Abschluß | Mehrwertsteuer...</b> (oder <b>Optionen</b>) schalten Sie die "
         "Berechnung der in den Ausgaben enthaltenen Mehrwertsteuer ein und geben den Steuersatz "
         "in Prozent ein, mit Punkt als Dezimalzeichen (z.B. <b>19</b> oder <b>16.5</b>). Der "
         "Abschluß rechnet dann aus der Summe der Ausgaben den Steueranteil heraus. Das Ergebnis "
         "stimmt nur, wenn alle Ausgaben diesem Satz unterlagen.</p>"},
        {105, "Datei-Einstellungen", "Einstellungen;Typen;Kontennamen;Ausgabetypen;Einnahmetypen",
         "<h2>Datei-Einstellungen</h2>"
         "<p>Unter <b>Buchungen | Einstellungen...</b> benennen Sie bis zu 50 Ausgabe- und 50 "
         "Einnahmetypen (je höchstens 15 Zeichen) und die neun Konten (höchstens 10 Zeichen). "
         "Ein Konto namens <b>unbenannt</b> wird nicht benutzt und erscheint in keiner "
         "Kontenliste. Die Namen gelten für alle Jahre des Vereins.</p>"},
        {106, "Sortieren", "Sortieren;Reihenfolge;Index;Listen",
         "<h2>Listen sortieren</h2>"
         "<p>Unter <b>Listen | Sortieren nach...</b> wählen Sie, in welcher Reihenfolge die "
         "Listen die Buchungen zeigen: nach Nummer, Typ, Text, Betrag oder Datum. Fehlt eine "
         "dafür nötige Indexdatei, bietet das Programm eine Reorganisation an, die sie neu "
         "erstellt.</p>"},
        {16, "Listenfenster", "Liste;E/A-Liste;Kontenliste;Einfachliste",
         "<h2>Listen</h2>"
         "<p>Ein Listenfenster zeigt die Buchungen in der unter <b>Listen | Sortieren nach...</b> "
         "gewählten Reihenfolge: die Einfachliste mit laufendem Kassenbestand, die E/A-Liste "
         "mit Ausgaben und Einnahmen getrennt oder die Liste eines Kontos. Jede Liste öffnet "
         "ein eigenes Fenster; mit <b>F9</b> wechseln Sie zwischen den Fenstern.</p>"},
        {21, "Druckoptionen", "Drucken;Ränder;Schrift;Seitenzahl",
         "<h2>Druckoptionen</h2>"
         "<p>Vor jedem Ausdruck legen Sie Seitenränder, Zeilen- und Spaltenabstand, die beiden "
         "Druckschriften und die Seitennummerierung fest. Die Einstellungen bleiben für den "
         "nächsten Ausdruck erhalten.</p>"},
        {26, "Codeschutz", "Codewort;Passwort;Nur-Lese-Code;Schutz",
         "<h2>Codeschutz</h2>"
         "<p>Unter <b>Datei | Codeschutz...</b> schützen Sie die Dateien eines Vereins mit "
         "einem Codewort, das beim Öffnen abgefragt wird. Zusätzlich kann ein Nur-Lese-Code "
         "festgelegt werden: Wer ihn eingibt, kann die Buchungen ansehen, aber nicht ändern.</p>"
         "<p>Geben Sie ein leeres Codewort ein, wird der Schutz entfernt. Vergessen Sie das "
         "Codewort nicht: ohne es lässt sich die Datei nicht mehr öffnen.</p>"},
        {32, "Planvorgaben", "Plan;Soll-Ist;Budget;Haushalt",
         "<h2>Planvorgaben</h2>"
         "<p>Unter <b>Buchungen | Planvorgaben</b> tragen Sie für jeden Typ und jede "
         "Typengruppe den geplanten Jahresbetrag ein. <b>Abschluß | Soll-Ist</b> vergleicht "
         "die Planvorgaben mit den tatsächlichen Summen.</p>"},
        {40, "Meldungen", "Meldung;Hinweis;Fehler",
         "<h2>Meldungen</h2>"
         "<p>Längere Hinweise und Fehlermeldungen erscheinen in einem eigenen Fenster. Lesen "
         "Sie den Text und schließen Sie das Fenster mit <b>OK</b>.</p>"},
        {140, "Schablonen", "Schablonen;Wiederholung;automatische Buchung;F8",
         "<h2>Schablonen</h2>"
         "<p>Kreuzen Sie im Buchungsdialog <b>Schablone erstellen</b> an, wird die Buchung als "
         "Schablone gespeichert. <b>Buchungen | Schablonen...</b> (F8) zeigt alle Schablonen; "
         "<b>Buchen</b> bucht die markierte mit dem heutigen Datum.</p>"
         "<p>Mit <b>Wiederholung...</b> wird eine Schablone monatlich am Tag der Schablone oder "
         "jährlich an ihrem Datum fällig. Fällige Schablonen werden beim Öffnen der Datei des "
         "laufenden Jahres automatisch gebucht, auch für Monate, die seit dem letzten Öffnen "
         "vergangen sind. Prüfen Sie danach, ob die Zahlungen wirklich geleistet wurden.</p>"},
        {104, "Tastenkürzel", "Tasten;Kürzel;F2;F3;F4;F5;F6;F8;F9",
         "<h2>Tastenkürzel</h2><table cellpadding=\"3\">"
         "<tr><td><b>F2</b></td><td>Buchen</td></tr>"
         "<tr><td><b>F3</b></td><td>Umbuchen</td></tr>"
         "<tr><td><b>F4</b></td><td>E/A-Liste</td></tr>"
         "<tr><td><b>F5</b></td><td>Monatsabschluß</td></tr>"
         "<tr><td><b>F6</b></td><td>Jahresabschluß</td></tr>"
         "<tr><td><b>F8</b></td><td>Schablonen</td></tr>"
         "<tr><td><b>Entf</b></td><td>markierte Buchung löschen</td></tr>"
         "<tr><td><b>F9</b> / <b>Umschalt+F9</b></td><td>nächstes / voriges Fenster</td></tr>"
         "</table>"},
        {kHilfeHilfe, "Hilfe zur Hilfe", "Hilfe;Index;Inhalt",
         "<h2>So benutzen Sie die Hilfe</h2>"
         "<p>Die Seite <b>Inhalt</b> listet alle Themen; ein Klick zeigt das Thema. Auf der "
         "Seite <b>Index</b> tippen Sie einen Begriff ein und wählen ein passendes Stichwort. "
         "Unterstrichene Verweise führen zu verwandten Themen.</p>"
         "<p>Die Hilfetaste eines Dialogs zeigt das Thema dieses Dialogs. <b>Hilfe | Hilfe "
         "schließen</b> schließt dieses Fenster.</p>"},
    };
    return themen;
}

const Hilfethema* hilfethema(int kontext) {
    for (const auto& t : hilfethemen())
        if (t.kontext == kontext) return &t;
    return nullptr;
}

} // namespace zalvor::gui
