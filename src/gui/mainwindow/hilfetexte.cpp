// The help topics of the program, by context number.
#include "gui/mainwindow/hilfe.h"

namespace zalvor::gui {

const std::vector<Hilfethema>& hilfethemen() {
    static const std::vector<Hilfethema> themen = {
        {18, "Erste Schritte", "Start;Datei öffnen;Anfang;Zuletzt geöffnet",
         "<h2>Erste Schritte</h2>"
         "<p>Zalvor führt das Kassenbuch eines Vereins: für jedes Geschäftsjahr eine "
         "Buchungsdatei, z.B. <i>VEREIN.26</i> für 2026. Alle Dateien eines Vereins "
         "(Definitionen, Indexdateien, Mitglieder, Schablonen) liegen unter demselben Namen im "
         "selben Verzeichnis.</p>"
         "<ul><li><b>Datei | Öffnen...</b> (Strg+O) öffnet eine vorhandene Buchungsdatei. "
         "Geben Sie den Namen ohne Endung ein, wird das aktuelle Jahr angehängt. Der Dialog "
         "beginnt im Verzeichnis des zuletzt geöffneten Vereins; Sicherungskopien mit "
         "<tt>~</tt> am Anfang des Namens werden nicht angeboten.</li>"
         "<li><b>Datei | Zuletzt geöffnet</b> öffnet einen der letzten acht Vereine mit einem "
         "Klick.</li>"
         "<li><b>Datei | Neu...</b> (Strg+N) legt einen neuen Verein an: Währung, Typen- und "
         "Kontennamen und die Anfangsbestände der Konten.</li></ul>"
         "<p>Solange keine Datei geöffnet ist, sind die Menüs Buchungen, Mitglieder, Listen und "
         "Abschluß gesperrt.</p>"
         "<p>Beispiel: Der Kassenwart des TSV öffnet <i>TSV.25</i>, bucht bis Jahresende und "
         "legt im Januar mit <a href=\"kontext:103\">Nächstes Jahr</a> die Datei <i>TSV.26</i> "
         "an.</p>"
         "<p>Siehe auch: <a href=\"kontext:1\">Buchungstabelle</a>, "
         "<a href=\"kontext:104\">Tastenkürzel</a>.</p>"},
        {1, "Buchungstabelle",
         "Tabelle;Hauptfenster;Löschen;Ändern;Statuszeile;Suchen;"
         "Kontostände;Rückgängig",
         "<h2>Die Buchungstabelle</h2>"
         "<p>Die Tabelle zeigt jede Buchung der geöffneten Datei in der Reihenfolge der Datei: "
         "Buchungsnummer, Datum, Typ, Buchungstext, Betrag, E (Einnahme) oder A (Ausgabe) und "
         "das Konto. Geplante Buchungen zeigen das Konto in Klammern, z.B. <tt>(2)</tt>; "
         "Umbuchungen zeigen <tt>von»nach</tt>, z.B. <tt>1»2</tt>.</p>"
         "<ul><li><b>Doppelklick</b> oder <b>Eingabetaste</b> auf einer Zeile zeigt die Buchung "
         "zum Ändern an.</li>"
         "<li>Die <b>rechte Maustaste</b> öffnet ein Menü mit <i>Anzeigen/Ändern</i> und "
         "<i>Löschen</i>.</li>"
         "<li><b>Entf</b> löscht die markierte Buchung nach einer Rückfrage. Gelöschte "
         "Buchungen bleiben als <i>* gelöscht *</i> stehen, bis Sie "
         "<a href=\"kontext:101\">reorganisieren</a>.</li>"
         "<li><b>Strg+F</b> öffnet die Suchleiste: Die Tabelle zeigt nur noch die Zeilen, "
         "deren Text, Empfänger, Betrag oder Datum den eingegebenen Begriff enthält, z.B. "
         "<tt>Miete</tt> oder <tt>12.</tt> für alle Buchungen im Dezember. Esc schließt die "
         "Suche.</li>"
         "<li>Ein Klick auf einen <b>Spaltenkopf</b> sortiert die Anzeige nach dieser Spalte "
         "(Datum nach Monat und Tag, Beträge nach Wert), ein zweiter Klick kehrt die "
         "Reihenfolge um. <b>Optionen | Tabelle neu zeichnen!</b> zeigt wieder die "
         "Reihenfolge der Datei. Die Datei selbst bleibt unverändert.</li>"
         "<li><b>Strg+Z</b> (<b>Buchungen | Rückgängig</b>) nimmt die letzte Buchung, Änderung "
         "oder Löschung dieser Sitzung zurück.</li></ul>"
         "<p>Unter der Tabelle stehen die Kontostände: je Konto der tatsächliche Stand und der "
         "Stand einschließlich der geplanten Buchungen, dazu der Kassenbestand aller Konten.</p>"
         "<p>Die Statuszeile zeigt, ob Planvorgaben, Schablonen oder ein Codeschutz bestehen, "
         "und die Zahl der Datensätze.</p>"},
        {19, "Neue Datei", "neue Datei;Verein anlegen",
         "<h2>Die neue Datei</h2>"
         "<p>Die neue Buchungsdatei ist angelegt und enthält die Anfangsbestände der Konten. "
         "Konten mit dem Bestand 0 wurden bei der Reorganisation entfernt.</p>"
         "<p>Beim Anlegen geben Sie den Namen ein: <tt>TSV</tt> legt <i>TSV</i> mit dem "
         "laufenden Jahr an, <tt>TSV.98</tt> die Datei für 1998. Danach folgen die "
         "Währungseinstellungen, die Namen der Typen und Konten und die Anfangsbestände.</p>"
         "<p>Typen- und Kontennamen ändern Sie jederzeit unter <b>Buchungen | "
         "Einstellungen...</b>, die Währung unter <b>Optionen | Währung / Euro...</b>. "
         "Buchen Sie nun die erste Einnahme oder Ausgabe (<a href=\"kontext:100\">Buchen</a>)."
         "</p>"},
        {109, "Anfangsbestände", "Anfangsbestand;Kontostand zu Jahresbeginn",
         "<h2>Anfangsbestände</h2>"
         "<p>Tragen Sie für jedes Konto den Bestand zu Beginn des Geschäftsjahres ein, also "
         "den Kassenstand bzw. den Kontoauszug vom 1. Januar. Klicken Sie in die Zelle "
         "<i>Betrag</i> und tippen Sie den Betrag; <b>Tab</b> führt zum nächsten Konto, "
         "<b>Umschalt+Tab</b> zurück, die <b>Eingabetaste</b> übernimmt die Zelle.</p>"
         "<p>Beträge mit Komma oder Punkt und höchstens zwei Nachkommastellen, z.B. "
         "<tt>1250,50</tt>. <tt>12.345</tt> wird abgelehnt und das Konto genannt.</p>"
         "<p>Mindestens ein Konto sollte einen Bestand haben: Konten mit 0 werden bei der "
         "folgenden Reorganisation entfernt.</p>"},
        {100, "Buchen", "Buchen;Einnahme;Ausgabe;Buchungstext;geplant;Schablone",
         "<h2>Einnahme oder Ausgabe buchen</h2>"
         "<p><b>Buchungen | Buchen...</b> öffnet nach der Frage <i>Einnahme oder Ausgabe</i> "
         "den Buchungsdialog. Nummer und Datum werden vorgeschlagen.</p>"
         "<ul><li><b>Datum</b>: Tag und Monat; das Jahr ist das der Datei.</li>"
         "<li><b>Typ</b>: wofür das Geld ein- oder ausgeht (z.B. <i>Hallenmiete</i>); nach "
         "den Typen werden Abschluß und Listen summiert.</li>"
         "<li><b>Konto</b>: auf welchem der neun Konten gebucht wird.</li>"
         "<li><b>Text</b>: ein kurzer Buchungstext; das Feld ergänzt Texte, die in der Datei "
         "schon vorkommen.</li>"
         "<li><b>Betrag</b>: mit Komma oder Punkt, höchstens zwei Nachkommastellen.</li>"
         "<li><b>Planen</b> statt <b>Buchen</b> speichert eine geplante Buchung; sie zählt "
         "nicht zum Kontostand und wird ins nächste Jahr übernommen.</li></ul>"
         "<p>Beispiel: Ausgabe am 3.11., Typ <i>Hallenmiete</i>, Konto 1 Kasse, Text "
         "<i>Miete November</i>, Betrag <tt>250</tt>.</p>"
         "<p>Schlägt eine Prüfung fehl, erscheint der Dialog an derselben Stelle wieder, mit "
         "dem Eingabefeld im Fokus, das die Meldung betrifft.</p>"},
        {108, "Umbuchen", "Umbuchen;Umbuchung;Geldtransit",
         "<h2>Umbuchen</h2>"
         "<p><b>Buchungen | Umbuchen...</b> bucht einen Betrag von einem Konto auf ein "
         "anderes, z.B. Bargeld aus der Kasse auf das Girokonto. Eine Umbuchung ändert den "
         "Gesamtbestand nicht und erscheint in keiner Typensumme.</p>"
         "<p>Wählen Sie <b>von Konto</b> und <b>nach Konto</b> (verschieden), Datum, Text und "
         "Betrag. In der Tabelle erscheint sie als <tt>1»2</tt>.</p>"},
        {101, "Reorganisation", "Reorganisieren;Indexdatei;Sicherung;gelöscht",
         "<h2>Reorganisation</h2>"
         "<p><b>Datei | Reorganisieren</b> schreibt die Buchungsdatei ohne die gelöschten "
         "Buchungen neu und baut die neun Indexdateien für die Sortierungen neu auf. Die alten "
         "Dateien bleiben als Sicherung unter einem Namen mit <tt>~</tt> am Anfang erhalten.</p>"
         "<p>Reorganisieren Sie, wenn beim Öffnen eine Indexdatei als fehlend oder beschädigt "
         "gemeldet wird, und vor dem Jahresabschluß, damit gelöschte Buchungen "
         "verschwinden.</p>"},
        {102, "Währung und Euro", "Euro;Währung;Kurs;Umstellungsjahr;Umstellungszeitraum",
         "<h2>\"Alte\" Währung und Euro</h2>"
         "<p>Der Dialog <b>Optionen | Währung / Euro...</b> legt fest, in welcher Währung die "
         "Dateien geführt werden:</p>"
         "<ul><li><b>Währung</b>: die Bezeichnung der alten Landeswährung, höchstens drei "
         "Zeichen. <i>DM</i> setzt den Kurs 1.95583, <i>ÖS</i> 13.7603; <i>SFr</i> setzt den "
         "Kurs 0 und das Umstellungsjahr 89 (kein Euro).</li>"
         "<li><b>Wechselkurs</b>: wie viel der alten Währung ein Euro wert ist. Wer den Euro "
         "nicht benutzt, gibt 0 ein und trotzdem eine Währung.</li>"
         "<li><b>Umstellungsjahr</b> (zweistellig): ab diesem Geschäftsjahr wird in Euro "
         "gebucht. Beim Wechsel mit <a href=\"kontext:103\">Nächstes Jahr</a> in dieses Jahr "
         "werden Anfangsbestände, geplante Buchungen, Schablonen und Beitragssätze mit dem Kurs "
         "umgerechnet.</li>"
         "<li><b>Umstellungszeitraum bis</b> (zweistellig): bis einschließlich zu diesem Jahr "
         "bieten Buchungsdialog und Abschlüsse beide Währungen an; Sie können einen Betrag "
         "z.B. noch in DM eingeben, gespeichert wird er in der Währung der Datei.</li></ul>"
         "<p>Beispiel: DM bis 2001, Euro ab 2002, beide Währungen bis 2002: Währung <i>DM</i>, "
         "Kurs 1.95583, Umstellungsjahr 02, Umstellungszeitraum bis 02.</p>"
         "<p><b>Wichtig:</b> Ist das Umstellungsjahr erreicht, ändern Sie es nicht mehr: eine "
         "Erhöhung ließe Euro-Beträge als alte Währung erscheinen, eine Senkung alte Beträge "
         "früherer Jahre als Euro. Ein schon benutzter Kurs ändert bereits umgerechnete "
         "Beträge nicht mehr.</p>"},
        {107, "Euro-Symbol", "Euro-Symbol;EUR;EUROSYMB",
         "<h2>Euro-Symbol verwenden?</h2>"
         "<p>Der Dialog <b>Optionen | Euro-Symbol...</b> zeigt das Zeichen € in vier "
         "Schriften. Sehen Sie überall ein Euro-Zeichen, antworten Sie <b>Ja</b>: Tabellen und "
         "Listen zeigen dann €. Mit <b>Nein</b> steht dort <i>EUR</i>.</p>"
         "<p>Die Wahl gilt für die ganze Installation und wird in der Datei <tt>EUROSYMB</tt> "
         "neben dem Programm gespeichert; ist dieses Verzeichnis schreibgeschützt, im "
         "Einstellungsverzeichnis des Benutzers.</p>"},
        {103, "Nächstes Jahr", "Jahreswechsel;nächstes Jahr;Vorjahr",
         "<h2>Nächstes Jahr</h2>"
         "<p><b>Datei | Nächstes Jahr...</b> legt die Datei des folgenden Jahres mit gleichem "
         "Namen und gleichen Definitionen an. Vorgeschlagen wird das Folgejahr (nach 99 kommt "
         "00).</p>"
         "<ul><li>Die aktuellen Kontostände werden als Anfangsbestände übernommen.</li>"
         "<li>Geplante Buchungen werden als Planungen zum 1. Januar mit der Nummer 0 "
         "übernommen.</li>"
         "<li>Beginnt mit dem neuen Jahr der Euro, wird mit dem eingestellten Kurs "
         "umgerechnet.</li></ul>"
         "<p>Gibt es die Datei schon, können Sie sie überschreiben oder öffnen. Buchen Sie "
         "danach noch im alten Jahr, stimmen die neuen Anfangsbestände nicht mehr: legen Sie "
         "das neue Jahr dann einfach noch einmal an.</p>"},
        {110, "Mehrwertsteuer", "MwSt;Mehrwertsteuer;Steuersatz;Vorsteuer",
         "<h2>Mehrwertsteuer</h2>"
         "<p>Unter <b>Abschluß | Mehrwertsteuer...</b> (oder <b>Optionen</b>) schalten Sie die "
         "Berechnung der in den Ausgaben enthaltenen Mehrwertsteuer ein und geben den Steuersatz "
         "in Prozent ein, mit Punkt als Dezimalzeichen (z.B. <b>19</b> oder <b>16.5</b>). Der "
         "Abschluß rechnet dann aus der Summe der Ausgaben den Steueranteil heraus. Das Ergebnis "
         "stimmt nur, wenn alle Ausgaben diesem Satz unterlagen.</p>"
         "<p>Beispiel: Ausgaben von 1190.00 bei 19 % enthalten 190.00 Steuer.</p>"},
        {105, "Datei-Einstellungen",
         "Einstellungen;Typen;Kontennamen;Ausgabetypen;"
         "Einnahmetypen;unbenannt",
         "<h2>Datei-Einstellungen</h2>"
         "<p>Unter <b>Buchungen | Einstellungen...</b> benennen Sie bis zu 50 Ausgabe- und 50 "
         "Einnahmetypen (je höchstens 15 Zeichen) und die neun Konten (höchstens 10 Zeichen). "
         "Klicken Sie in eine Zelle und tippen Sie; <b>Tab</b> geht zur nächsten Zelle, die "
         "Eingabetaste übernimmt die Zelle.</p>"
         "<p>Ein Konto namens <b>unbenannt</b> wird nicht benutzt und erscheint in keiner "
         "Kontenliste. Die Namen gelten für alle Jahre des Vereins.</p>"
         "<p>Beispiel: Ausgabetypen <i>Hallenmiete</i>, <i>Trikots</i>, Einnahmetypen "
         "<i>Spenden</i>, <i>Zuschüsse</i>; Konten <i>Kasse</i> und <i>Giro</i>.</p>"},
        {106, "Sortieren", "Sortieren;Reihenfolge;Index",
         "<h2>Listen sortieren</h2>"
         "<p>Unter <b>Listen | Sortieren nach...</b> wählen Sie, in welcher Reihenfolge die "
         "Listen die Buchungen zeigen: nach Nummer, Typ, Text, Betrag oder Datum. Fehlt eine "
         "dafür nötige Indexdatei, bietet das Programm eine Reorganisation an, die sie neu "
         "erstellt.</p>"
         "<p>Die Buchungstabelle selbst sortieren Sie mit einem Klick auf den Spaltenkopf.</p>"},
        {16, "Listenfenster", "Liste;E/A-Liste;Kontenliste;Einfachliste",
         "<h2>Listen</h2>"
         "<p>Ein Listenfenster zeigt die Buchungen in der unter <b>Listen | Sortieren nach...</b> "
         "gewählten Reihenfolge: die Einfachliste mit laufendem Kassenbestand, die E/A-Liste "
         "mit Ausgaben und Einnahmen getrennt oder die Liste eines Kontos. Jede Liste öffnet "
         "ein eigenes Fenster; mit <b>F9</b> wechseln Sie zwischen den Fenstern.</p>"},
        {17, "Abschluß", "Abschluß;Jahresabschluß;Monatsabschluß;Gewinn;Verlust;Grafik",
         "<h2>Monats- und Jahresabschluß</h2>"
         "<p><b>Abschluß | Jahresabschluß</b> (<b>F6</b>) und <b>Abschluß | Monatsabschluß</b> "
         "(<b>F5</b>) zeigen in einem eigenen Fenster die Kontenbestände, die Summen je Ausgabe- "
         "und Einnahmetyp mit ihren Gruppen, die Beiträge und die Gewinn- und Verlustrechnung, "
         "jeweils real, geplant und zusammen. Der Reiter <b>Grafik</b> zeigt dieselben Zahlen "
         "als Balken. Im Umstellungsjahr rechnet der Knopf rechts neben der Währungszeile den "
         "Abschluß in die andere Währung um.</p>"},
        {111, "Typengruppen", "Typengruppen;Gruppe;Zuordnung;Drag & Drop",
         "<h2>Typengruppen</h2>"
         "<p>Unter <b>Buchungen | Typengruppen...</b> ordnen Sie Typen und Gruppen einer "
         "Gruppe zu: Zeile links wählen, Gruppe rechts wählen, <b>Zuordnung vornehmen</b> - "
         "oder die Zeile einfach auf die Gruppe ziehen. Eine bestehende Zuordnung wird zuerst "
         "aufgehoben.</p>"},
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
         "Codewort nicht: ohne es lässt sich die Datei nicht mehr öffnen.</p>"
         "<p><b>Wichtig:</b> Der Codeschutz regelt nur den Zugang über dieses Programm. Er ist "
         "keine Verschlüsselung: Buchungen, Mitglieder und Einstellungen liegen unverändert in "
         "ihren Dateien und lassen sich mit jedem anderen Werkzeug lesen und ändern. Auch das "
         "Codewort selbst ist nur verschoben, nicht sicher verwahrt.</p>"
         "<p>Ein Codewort, das sich nicht als eine Zeile der Code-Datei speichern lässt, wird "
         "abgelehnt; wählen Sie dann ein anderes.</p>"},
        {32, "Planvorgaben", "Plan;Soll-Ist;Budget;Haushalt",
         "<h2>Planvorgaben</h2>"
         "<p>Unter <b>Buchungen | Planvorgaben</b> tragen Sie für jeden Typ und jede "
         "Typengruppe den geplanten Jahresbetrag ein. <b>Abschluß | Soll-Ist</b> vergleicht "
         "die Planvorgaben mit den tatsächlichen Summen.</p>"},
        {40, "Meldungen", "Meldung;Hinweis;Fehler",
         "<h2>Meldungen</h2>"
         "<p>Längere Hinweise und Fehlermeldungen erscheinen in einem eigenen Fenster. Lesen "
         "Sie den Text und schließen Sie das Fenster mit <b>OK</b>.</p>"
         "<p>Eine Meldung <i>E/A-Fehler</i> mit einer Zahl bedeutet, dass eine Datei nicht "
         "gelesen oder geschrieben werden konnte (13: keine Berechtigung, 28: Datenträger "
         "voll). Was bis dahin geschrieben war, bleibt erhalten.</p>"},
        {140, "Schablonen", "Schablonen;Wiederholung;automatische Buchung",
         "<h2>Schablonen</h2>"
         "<p>Kreuzen Sie im Buchungsdialog <b>Schablone erstellen</b> an, wird die Buchung als "
         "Schablone gespeichert. <b>Buchungen | Schablonen...</b> (F8) zeigt alle Schablonen; "
         "<b>Buchen</b> bucht die markierte mit dem heutigen Datum.</p>"
         "<p>Mit <b>Wiederholung...</b> wird eine Schablone monatlich am Tag der Schablone oder "
         "jährlich an ihrem Datum fällig. Fällige Schablonen werden beim Öffnen der Datei des "
         "laufenden Jahres automatisch gebucht, auch für Monate, die seit dem letzten Öffnen "
         "vergangen sind. Prüfen Sie danach, ob die Zahlungen wirklich geleistet wurden.</p>"},
        {120, "Mitgliederkartei", "Mitglied;Mitgliederkartei;Karteikarte;Kartei",
         "<h2>Mitgliederkartei</h2>"
         "<p><b>Mitglieder | Neu...</b> legt ein Mitglied an, <b>Mitglieder | "
         "Anzeigen/Ändern...</b> zeigt die Kartei. Die Mitglieder stehen nach Nachname und "
         "Vorname sortiert; ein geänderter Name sortiert das Mitglied neu ein, Bezahlt-Eintrag "
         "und Beitragssatz bleiben. Die Namen der fünf freien Felder stellen Sie unter "
         "<b>Mitglieder | Einstellungen</b> ein.</p>"},
        {121, "Beiträge", "Beitrag;Beitragssatz;Beiträge buchen;Reset;Beitragsperiode",
         "<h2>Beiträge</h2>"
         "<p><b>Beiträge buchen...</b> bucht für jedes angekreuzte Mitglied eine Einnahme mit "
         "seinem Beitragssatz auf das Beitragskonto und setzt seinen Bezahlt-Eintrag. Graue "
         "Kästchen gehören zu Mitgliedern, die schon bezahlt haben oder deren Beitragssatz "
         "keinen Namen oder keinen Betrag hat.</p>"
         "<p><b>Beiträge Reset...</b> beginnt eine neue Beitragsperiode; noch offene Beiträge "
         "können dabei als geplante Buchungen erfasst werden.</p>"},
        {122, "Mitgliederliste", "Mitgliederliste;Liste der Mitglieder;Bez",
         "<h2>Mitgliederliste</h2>"
         "<p><b>Mitglieder | Liste</b> zeigt alle Mitglieder mit den gewählten Spalten; "
         "<b>Drucken ...</b> druckt sie. Die Spalte <i>Bez</i> zeigt, wer in der laufenden "
         "Periode bezahlt hat.</p>"},
        {104, "Tastenkürzel", "Tasten;Kürzel;F2;F3;F4;F5;F6;F8;F9;Strg",
         "<h2>Tastenkürzel</h2><table cellpadding=\"3\">"
         "<tr><td><b>F1</b></td><td>Hilfe zum aktiven Fenster oder Dialog</td></tr>"
         "<tr><td><b>F2</b></td><td>Buchen</td></tr>"
         "<tr><td><b>F3</b></td><td>Umbuchen</td></tr>"
         "<tr><td><b>F4</b></td><td>E/A-Liste</td></tr>"
         "<tr><td><b>F5</b></td><td>Monatsabschluß</td></tr>"
         "<tr><td><b>F6</b></td><td>Jahresabschluß</td></tr>"
         "<tr><td><b>F8</b></td><td>Schablonen</td></tr>"
         "<tr><td><b>Entf</b></td><td>markierte Buchung löschen</td></tr>"
         "<tr><td><b>F9</b> / <b>Umschalt+F9</b></td><td>nächstes / voriges Fenster</td></tr>"
         "<tr><td><b>Strg+O</b></td><td>Datei öffnen</td></tr>"
         "<tr><td><b>Strg+N</b></td><td>neue Datei</td></tr>"
         "<tr><td><b>Strg+F</b></td><td>in der Buchungstabelle suchen</td></tr>"
         "<tr><td><b>Strg+Z</b></td><td>letzte Buchung, Änderung oder Löschung "
         "zurücknehmen</td></tr>"
         "<tr><td><b>Strg+Q</b></td><td>Programm beenden</td></tr>"
         "</table>"},
        {kHilfeHilfe, "Hilfe zur Hilfe", "Hilfe;Inhalt;Stichwortsuche",
         "<h2>So benutzen Sie die Hilfe</h2>"
         "<p>Die Seite <b>Inhalt</b> listet alle Themen; ein Klick zeigt das Thema. Auf der "
         "Seite <b>Index</b> tippen Sie einen Begriff ein und wählen ein passendes Stichwort. "
         "Unterstrichene Verweise führen zu verwandten Themen.</p>"
         "<p>Die Hilfetaste eines Dialogs und <b>F1</b> zeigen das Thema dieses Dialogs; das "
         "Hilfefenster bleibt bedienbar, während der Dialog offen ist. <b>Hilfe | Hilfe "
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
