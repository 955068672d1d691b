// Reading and writing the print settings in the settings store, message for message.
#include "core/printing/einstellungsspeicher.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

namespace {

const char* const kDruck = "Druck";
const char* const kRegistryFehler = "Registry-Fehler!";

struct Byteeintrag {
    const char* name;
    std::uint8_t Druckeinstellungen::*wert;
};

const Byteeintrag kRand[] = {
    {"SRO", &Druckeinstellungen::oben},         {"SRL", &Druckeinstellungen::links},
    {"SRU", &Druckeinstellungen::unten},        {"SA", &Druckeinstellungen::spaltenabstand},
    {"ZA", &Druckeinstellungen::zeilenabstand},
};

void schriftLesen(Einstellungsspeicher& s, Person& p, const std::string& pfad, Schrift& f,
                  const std::string& oeffnenFehler) {
    if (!s.schluesselOeffnen(pfad, false)) {
        p.meldung(kRegistryFehler, oeffnenFehler, Symbol::Fehler);
        return;
    }
    if (auto g = s.byteLesen(pfad, "Size"))
        f.groesse = *g;
    else
        p.meldung(kRegistryFehler, A("Fehler beim Lesen der Schriftgröße"), Symbol::Fehler);
    if (auto st = s.byteLesen(pfad, "Style"))
        f.stil = *st;
    else
        p.meldung(kRegistryFehler, "Fehler beim Lesen des Schriftstils", Symbol::Fehler);
    if (auto n = s.textLesen(pfad, "Name"))
        f.name = schriftname(*n);
    else
        p.meldung(kRegistryFehler, "Fehler beim Lesen des Schriftnamens", Symbol::Fehler);
}

bool schriftSchreiben(Einstellungsspeicher& s, const std::string& pfad, const Schrift& f) {
    return s.schluesselOeffnen(pfad, true) && s.byteSchreiben(pfad, "Size", f.groesse) &&
           s.textSchreiben(pfad, "Name", schriftname(f.name)) &&
           s.byteSchreiben(pfad, "Style", f.stil);
}

} // namespace

bool druckeinstellungenLesen(Einstellungsspeicher& s, Person& p, Druckeinstellungen& e,
                             const Schrift& standardschrift) {
    const auto zugang = s.oeffnen();
    if (zugang == Einstellungsspeicher::Zugang::Fehlt)
        p.meldung("Regirtry-Fehler", A("Fehler beim Öffnen von HKEY_CURRENT_USER\\Software !!"),
                  Symbol::Keins);
    if (zugang != Einstellungsspeicher::Zugang::Vorhanden) {
        p.meldung("INFO",
                  "Es existiert noch kein Eintrag in der Windows-Registrierung (\"Registry\"). "
                  "Die Standard-Werte werden gesetzt.",
                  Symbol::Information);
        e = standardDruckeinstellungen(standardschrift);
        return true;
    }
    if (!s.schluesselOeffnen(kDruck, false)) return false;

    Druckeinstellungen gelesen = e;
    bool ok = true;
    for (const Byteeintrag& b : kRand) {
        auto w = s.byteLesen(kDruck, b.name);
        if (!w) {
            ok = false;
            break;
        }
        gelesen.*b.wert = *w;
    }
    if (ok) {
        e = gelesen;
    } else {
        p.meldung(kRegistryFehler, "Fehler beim Lesen der Rand-Einstellungen!", Symbol::Fehler);
        randStandard(e);
    }

    const auto nr = s.byteLesen(kDruck, "SNr");
    const auto anVon = nr ? s.byteLesen(kDruck, "SPAnVon") : std::nullopt;
    const auto italic = anVon ? s.byteLesen(kDruck, "Italic") : std::nullopt;
    if (italic) {
        e.seitennummern = *nr != 0;
        e.anVon = *anVon != 0;
        e.italic = *italic;
    } else {
        p.meldung(kRegistryFehler, "Fehler beim Lesen der erweiterten Einstellungen!",
                  Symbol::Fehler);
        erweiterteStandard(e);
    }

    schriftLesen(s, p, "Druck/Font1", e.schrift1, "Fehler beim Lesen der Schriftart 1");
    schriftLesen(s, p, "Druck/Font2", e.schrift2, "Fehler beim Lesen der Schriftart 2");
    return false;
}

bool druckeinstellungenSchreiben(Einstellungsspeicher& s, Person& p, const Druckeinstellungen& e,
                                 bool ersterLauf) {
    // Reported on a first run too: the person has just typed these values and must learn
    // that they are kept only until the program ends.
    if (s.oeffnen() == Einstellungsspeicher::Zugang::Fehlt) {
        p.fehlermeldung(Ausgang::EAFehler, "FEHLER!",
                        "Fehler beim Zugriff auf die Windows-Registrierung (\"Registry\")!",
                        Symbol::Fehler);
        return false;
    }
    if (ersterLauf)
        p.meldung("Information",
                  A("Die Einstellungen werden jetzt in der Windows-Registrierung (\"Registry\") "
                    "gespeichert. Wenn Sie das Programm löschen wollen, benutzen Sie das "
                    "UNINSTALL-Programm, das diese Einstellungen wieder aus der Registry "
                    "entfernt."),
                  Symbol::Information);
    if (!s.schluesselOeffnen(kDruck, true)) {
        p.fehlermeldung(Ausgang::EAFehler, kRegistryFehler,
                        "Fehler beim Speichern der Rand-Einstellungen!", Symbol::Fehler);
        return false;
    }
    bool alles = true;
    for (const Byteeintrag& b : kRand) {
        if (!s.byteSchreiben(kDruck, b.name, e.*b.wert)) {
            p.fehlermeldung(Ausgang::EAFehler, kRegistryFehler,
                            "Fehler beim Speichern der Rand-Einstellungen!", Symbol::Fehler);
            alles = false;
            break;
        }
    }
    const bool erweitert = s.byteSchreiben(kDruck, "SNr", e.seitennummern ? 1 : 0) &&
                           s.byteSchreiben(kDruck, "SPAnVon", e.anVon ? 1 : 0) &&
                           s.byteSchreiben(kDruck, "Italic", e.italic);
    if (!erweitert)
        p.fehlermeldung(Ausgang::EAFehler, kRegistryFehler,
                        "Fehler beim Speichern der erweiterten Einstellungen!", Symbol::Fehler);
    const bool schriften = schriftSchreiben(s, "Druck/Font1", e.schrift1) &&
                           schriftSchreiben(s, "Druck/Font2", e.schrift2);
    if (!schriften)
        p.fehlermeldung(Ausgang::EAFehler, kRegistryFehler,
                        "Fehler beim Speichern der erweiterten Einstellungen!", Symbol::Fehler);
    return alles && erweitert && schriften;
}

} // namespace zalvor
