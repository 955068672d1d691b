// The rules of the commands, declared once and keyed by the command: which need an open file,
// which read-only mode refuses, how the command line opens the club for them. Both front ends
// ask here; the desktop program enables its items from it, the command table of zalvor-cli
// names each command's rule.
#pragma once

#include <optional>
#include <string_view>

namespace zalvor {

struct Sitzung;

// The commands of both front ends. A new command needs its case in regel() and befehlsId():
// both switch over every value without a default, so a command without rules does not
// compile.
enum class Befehlsart {
    Neu,
    Oeffnen,
    NaechstesJahr,
    Reorganisieren,
    Codeschutz,
    DateilisteNeu,
    DateilisteOeffnen,
    Buchen,
    Umbuchen,
    AnzeigenAendern,
    Loeschen,
    Planvorgaben,
    Schablonen,
    Einstellungen,
    Typengruppen,
    MitgliederListe,
    MitgliedNeu,
    MitgliedAnzeigen,
    BeitraegeBuchen,
    BeitraegeReset,
    MitgliederEinstellungen,
    MitgliedAendern,
    MitgliedEntfernen,
    Beitragssaetze,
    Glaeubigerdaten,
    Lastschrift,
    Mandat,
    Einfachliste,
    EaListe,
    Kontenliste,
    KontenlistenAlle,
    Sortieren,
    Monatsabschluss,
    Jahresabschluss,
    SollIst,
    Mwst,
    Waehrung,
    EuroSymbol,
    TabelleNeu,
    Suchen,
    Rueckgaengig,
    DruckerEinstellungen,
    Kontoauszug,
    Bankkonten,
    Zuordnungsregeln,
    // Commands of zalvor-cli alone.
    IndexPruefen,
    IndexZeigen,
    Definitionen,
    Export,
    Drucken,
    Kontoauszugsvorschau,
};

// How a command opens the club.
enum class Absicht {
    // Reads; takes no lock. A repair accepted at the index check takes the lock for itself.
    Lesen,
    // Writes: holds the club's lock from before the first file is read until the command
    // ends (the desktop program: as long as it has the club open).
    Schreiben,
    // Rewrites the club as a whole (the reorganisation): holds the lock like writing, and the
    // opening offers no repair of its own.
    Reparieren,
};

struct Befehlsregel {
    // Disabled until a booking file has been opened or created.
    bool brauchtDatei = true;
    // Changes a stored file: refused while the file is open read-only (read-only code).
    bool schreibt = false;
    // A member item: disabled while the member file holds no member.
    bool brauchtMitglieder = false;
    // How zalvor-cli opens the club for the command.
    Absicht absicht = Absicht::Lesen;
};

Befehlsregel regel(Befehlsart art);
// The stable id shared by the menu item, the tool button and the rules of the desktop.
std::string_view befehlsId(Befehlsart art);
// The command of a desktop item id; nullopt for an item that is no command of these rules
// (window cycling, help, leaving the program).
std::optional<Befehlsart> befehlsartZuId(std::string_view id);

// Whether the command may run in the present state (for enabling items; no message).
bool befehlVerfuegbar(const Sitzung& s, Befehlsart art);
// Before a command runs: with no active file or in read-only mode the person is told why
// and the command ends (BefehlAbgebrochen).
void befehlPruefen(Sitzung& s, Befehlsart art);

} // namespace zalvor
