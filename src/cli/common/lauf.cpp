// Global options, the person on stderr, and the error boundary of every command.
#include "cli/common/lauf.h"

#include "cli/common/befehl.h"
#include "cli/common/cliperson.h"
#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/transaction/schreibtransaktion.h"

#include <deque>
#include <memory>
#include <sstream>

namespace zalvor::cli {

namespace {

const char* const kHilfeKopf =
    R"(zalvor-cli: die Kassenbuch-Maschine ohne Fenster

Aufruf: zalvor-cli [--heute JJJJ-MM-TT] [--antworten LISTE] [--format tsv|csv|json] BEFEHL ARGUMENTE

  --heute JJJJ-MM-TT   das heutige Datum (Vorgabe: Systemdatum); bestimmt Kalenderjahr,
                       Vorgabedatum und automatische Buchungen
  --antworten LISTE    Antworten auf die Fragen des Befehls, der Reihe nach, mit Kommas
                       getrennt: ja, nein, ok, abbruch oder der Text eines Knopfes
                       (z.B. Einnahme). Eine Texteingabe (auch ein Codewort) nimmt den
                       nächsten Eintrag. Im Eintrag steht \, für ein Komma und \\ für
                       einen Backslash. Ein leerer Eintrag ist eine leere Texteingabe, bei
                       einer Frage die sichere Antwort. Ist die Liste aufgebraucht, gilt
                       die sichere Antwort (Nein, bzw. Abbruch), eine Texteingabe gilt
                       als abgebrochen.
  --format             Tabellen als tsv (Vorgabe), csv oder json, UTF-8 auf stdout

Meldungen gehen nach stderr: "[Titel] Text"; nach einer Frage folgt "-> Antwort".
Rückgabewert: 0 erledigt, 1 von einer Prüfung abgelehnt, 2 falscher Aufruf,
3 Ein-/Ausgabefehler ("E/A-Fehler %d").
DATEI ist eine Buchungsdatei mit zweistelligem Jahr (Verein.26); ohne ".JJ" gilt das
Kalenderjahr.

Befehle:
)";

void hilfe(std::ostream& out) {
    out << kHilfeKopf;
    for (const auto& b : befehle()) {
        out << "  " << b.name << (b.aufruf.empty() ? "" : " ") << b.aufruf << "\n      "
            << b.beschreibung << "\n";
    }
}

} // namespace

// Items are separated by commas; inside an item a backslash before a comma or a backslash
// makes that character literal.
std::deque<std::string> antwortListe(const std::string& liste) {
    std::deque<std::string> out;
    if (liste.empty()) return out;
    std::string teil;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const char c = liste[i];
        if (c == '\\' && i + 1 < liste.size() && (liste[i + 1] == ',' || liste[i + 1] == '\\')) {
            teil += liste[++i];
        } else if (c == ',') {
            out.push_back(std::move(teil));
            teil.clear();
        } else {
            teil += c;
        }
    }
    out.push_back(std::move(teil));
    return out;
}

namespace {

Datum datumLesen(const std::string& text) {
    int j = 0, m = 0, t = 0;
    char a = 0, b = 0;
    std::istringstream in(text);
    if (!(in >> j >> a >> m >> b >> t) || a != '-' || b != '-' || m < 1 || m > 12 || t < 1 ||
        t > 31 || j < 1900 || j > 2090)
        throw Aufruffehler("--heute erwartet JJJJ-MM-TT: " + text);
    return Datum{j, m, t};
}

} // namespace

int ausfuehren(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
               const std::string& programmVerzeichnis) {
    std::unique_ptr<CliPerson> person;
    try {
        std::vector<std::string> rest;
        std::optional<Datum> heute;
        std::string antworten;
        Format format = Format::Tsv;
        std::size_t i = 0;
        for (; i < argumente.size(); ++i) {
            const std::string& a = argumente[i];
            auto wert = [&]() -> std::string {
                if (i + 1 >= argumente.size()) throw Aufruffehler(a + " braucht einen Wert");
                return argumente[++i];
            };
            if (a == "--help" || a == "-h" || a == "hilfe") {
                hilfe(out);
                return kFertig;
            } else if (a == "--heute") {
                heute = datumLesen(wert());
            } else if (a == "--antworten") {
                antworten = wert();
            } else if (a == "--format") {
                std::string f = wert();
                if (f == "tsv")
                    format = Format::Tsv;
                else if (f == "csv")
                    format = Format::Csv;
                else if (f == "json")
                    format = Format::Json;
                else
                    throw Aufruffehler("unbekanntes Format: " + f);
            } else {
                break;
            }
        }
        if (i >= argumente.size()) throw Aufruffehler("kein Befehl angegeben");
        const Befehl* befehl = befehlSuchen(argumente[i]);
        if (!befehl) throw Aufruffehler("unbekannter Befehl: " + argumente[i]);
        std::vector<std::string> befehlsArgumente(argumente.begin() + static_cast<long>(i) + 1,
                                                  argumente.end());

        SystemUhr systemUhr;
        FesteUhr feste(heute.value_or(Datum{}));
        const Uhr& uhr = heute ? static_cast<const Uhr&>(feste) : systemUhr;
        person = std::make_unique<CliPerson>(err, antwortListe(antworten));
        auto sitzung = sitzungAnlegen(*person, uhr, programmVerzeichnis);
        Kontext k{*sitzung,     out, err, format, Argumente(std::move(befehlsArgumente)),
                  befehl->regel};
        try {
            // All or nothing: a command that does not end as done leaves the club as before.
            Schreibtransaktion transaktion(*sitzung);
            const int status = befehl->ausfuehren(k);
            // Never "done" after the engine reported a failure it went on from.
            const int ergebnis =
                status == kFertig ? exitStatus(person->gemeldeterAusgang()) : status;
            if (ergebnis == kFertig ||
                (k.statusIstBefund && person->gemeldeterAusgang() == Ausgang::Erledigt))
                transaktion.abschliessen();
            else if (!transaktion.zuruecknehmen())
                return kEAFehler;
            return ergebnis;
        } catch (const Aufruffehler& e) {
            err << "zalvor-cli " << befehl->name << ": " << e.what() << "\n"
                << "Aufruf: zalvor-cli " << befehl->name << " " << befehl->aufruf << "\n";
            return kFalscherAufruf;
        }
    } catch (const Aufruffehler& e) {
        err << "zalvor-cli: " << e.what() << " (zalvor-cli --help zeigt die Befehle)\n";
        return kFalscherAufruf;
    } catch (const KeineDateiFehler& e) {
        err << "[Zalvor 4.5] E/A-Fehler " << e.nummer() << "\n"
            << "zalvor-cli: " << e.what()
            << " ist keine gewöhnliche Datei (ein Ordner, eine Pipe oder "
            << "ein Gerät) und wird nicht geöffnet.\n";
        return kEAFehler;
    } catch (const EAFehler& e) {
        err << "[Zalvor 4.5] E/A-Fehler " << e.nummer() << "\n";
        return kEAFehler;
    } catch (const GesperrtFehler&) {
        return kAbgelehnt;
    } catch (const UeberlaufFehler&) {
        err << "[Zalvor 4.5] " << ansiNachUtf8(A("Gleitkommaüberlauf")) << "\n";
        return kAbgelehnt;
    } catch (const BefehlAbgebrochen&) {
        return kAbgelehnt;
    } catch (const ProgrammEnde& e) {
        // Where the desktop program closes, the command ends: nothing more of the file is read.
        err << "zalvor-cli: Programmende (" << e.what() << ")\n";
        return kAbgelehnt;
    }
}

} // namespace zalvor::cli
