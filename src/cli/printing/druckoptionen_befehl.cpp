// zalvor-cli druckoptionen: the dialog "Druckoptionen" on the command line.
#include "cli/common/befehl.h"
#include "cli/printing/einstellungstext.h"
#include "core/common/zeichensatz.h"
#include "print/anwendung.h"
#include "print/druckschrift.h"
#include "print/qteinstellungsspeicher.h"

namespace zalvor::cli {

namespace {

bool jaNein(const std::string& name, const std::string& w) {
    if (w == "ja") return true;
    if (w == "nein") return false;
    throw Aufruffehler(name + " erwartet ja oder nein");
}

// "NAME:GROESSE"; the size is a point size of one byte.
Schrift schriftArgument(const std::string& name, const std::string& w, Schrift s) {
    const auto p = w.rfind(':');
    if (p == std::string::npos || p == 0) throw Aufruffehler(name + " erwartet NAME:GROESSE");
    const std::string g = w.substr(p + 1);
    if (g.empty() || g.size() > 3 || g.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(g) < 1 || std::stoi(g) > 255)
        throw Aufruffehler(name + ": Schriftgröße 1 bis 255");
    s.name = schriftname(utf8NachAnsi(w.substr(0, p)));
    s.groesse = static_cast<std::uint8_t>(std::stoi(g));
    return s;
}

int druckoptionen(Kontext& k) {
    auto oben = k.args.wert("--oben");
    auto links = k.args.wert("--links");
    auto unten = k.args.wert("--unten");
    auto zeilen = k.args.wert("--zeilenabstand");
    auto spalten = k.args.wert("--spaltenabstand");
    auto nummern = k.args.wert("--seitennummern");
    auto anVon = k.args.wert("--anvon");
    auto ueber = k.args.wert("--ueberschriften");
    auto s1 = k.args.wert("--schrift1");
    auto s2 = k.args.wert("--schrift2");
    k.args.fertig();
    if (ueber && *ueber != "0" && *ueber != "1" && *ueber != "2")
        throw Aufruffehler("--ueberschriften erwartet 0, 1 oder 2");

    druck::anwendungSicherstellen();
    Person& p = k.sitzung.person;
    Druckeinstellungen e = standardDruckeinstellungen(druck::standardschrift());
    const bool ersterLauf = druck::druckeinstellungenLaden(p, e);
    const bool aendern =
        oben || links || unten || zeilen || spalten || nummern || anVon || ueber || s1 || s2;
    if (aendern || ersterLauf) {
        Druckeingaben d = druckeingaben(e);
        if (oben) d.oben = *oben;
        if (links) d.links = *links;
        if (unten) d.unten = *unten;
        if (zeilen) d.zeilenabstand = *zeilen;
        if (spalten) d.spaltenabstand = *spalten;
        if (nummern) d.seitennummern = jaNein("--seitennummern", *nummern);
        if (anVon) d.anVon = jaNein("--anvon", *anVon);
        if (ueber) d.italic = std::stoi(*ueber);
        if (s1) d.schrift1 = schriftArgument("--schrift1", *s1, d.schrift1);
        if (s2) d.schrift2 = schriftArgument("--schrift2", *s2, d.schrift2);
        const auto neu = druckeingabenPruefen(d, p);
        if (!neu) return kAbgelehnt;
        e = *neu;
        if (!druck::druckeinstellungenSpeichern(p, e, ersterLauf)) {
            einstellungenAusgeben(k.out, e);
            return kEAFehler;
        }
    }
    einstellungenAusgeben(k.out, e);
    return kFertig;
}

} // namespace

Befehl befehlDruckoptionen() {
    return {"druckoptionen",
            "[--oben N] [--links N] [--unten N] [--zeilenabstand N] [--spaltenabstand N] "
            "[--seitennummern ja|nein] [--anvon ja|nein] [--ueberschriften 0|1|2] "
            "[--schrift1 NAME:GROESSE] [--schrift2 NAME:GROESSE]",
            "zeigt und setzt die gespeicherten Druckoptionen wie der Dialog \"Druckoptionen\"",
            Befehlsart::DruckerEinstellungen, druckoptionen};
}

} // namespace zalvor::cli
