// The program's state around the open club: the person, the clock, the front end's hooks,
// the Euro label, the default date, the booking texts of the run, the lock.
#pragma once

#include "core/common/masken.h"
#include "core/common/person.h"
#include "core/common/sperre.h"
#include "core/common/uhr.h"
#include "core/files/eurotext.h"
#include "core/files/verein.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zalvor {

enum class TabellenModus { Voll, Anhaengen, Auffrischen };

// What changed, as the engine tells the front end: windows of another file close, views of
// the file or of one record are brought up to date.
struct Ereignis {
    enum class Art {
        DateiGewechselt,     // another booking file became the active one (or none)
        DateiGeaendert,      // the active file changed as a whole (records, indexes, definitions)
        SatzGeaendert,       // record `satz` was rewritten in place
        SatzAngehaengt,      // record `satz` was appended
        MitgliederGeaendert, // the member file changed: member views reread, items re-enabled
    };
    Art art;
    std::uint32_t satz = 0;
};

// What the engine asks of the front end besides talking to the person: redraw the booking
// table, recompute the status bar, enable commands. The defaults do nothing.
class Oberflaeche {
  public:
    virtual ~Oberflaeche() = default;
    virtual void tabelleFuellen(TabellenModus) {}
    virtual void statuszeileAktualisieren() {}
    virtual void nachDemOeffnenFreigeben() {}
    virtual void tabellenTitel(const std::string&) {}
    virtual void ereignis(const Ereignis&) {}
};

struct Sitzung {
    Sitzung(Person& p, const Uhr& u, Euroablage ablage = {})
        : person(p), uhr(u), euroablage(std::move(ablage)) {}

    Person& person;
    const Uhr& uhr;
    // Where the Euro label is read and kept: beside the program and in the user's folder.
    Euroablage euroablage;
    Oberflaeche* oberflaeche = nullptr;
    Masken* masken = nullptr; // forms of the front end; must be set before new file/next year
    std::string euroText = "EUR";

    // The open club; replaced as a whole when another file is opened or made.
    Verein verein;
    std::string vorgabeTag; // default date of new bookings, texts of up to 2 characters
    std::string vorgabeMonat;
    bool dateiOffen = false;                // a file has been opened or created in this run
    std::vector<std::string> buchungstexte; // drop-down list of booking texts of this run
    // The desktop program locks the club it has open; the command line locks for the length
    // of a writing command.
    bool sperrenBeimOeffnen = false;
    Sperre sperre;

    // Labels of the open file's currency and of the other one.
    std::string waehrungstext() const { return verein.waehrungstext(euroText); }
    std::string andererWaehrungstext() const { return verein.andererWaehrungstext(euroText); }

    void tabelle(TabellenModus m) {
        if (oberflaeche) oberflaeche->tabelleFuellen(m);
    }
    void statuszeile() {
        if (oberflaeche) oberflaeche->statuszeileAktualisieren();
    }
    void melden(Ereignis e) {
        if (oberflaeche) oberflaeche->ereignis(e);
    }
    // Default day and month become today's.
    void vorgabeDatumZuruecksetzen();
    // After a failed creation no base name is active: commands that would write say so and
    // end (BefehlAbgebrochen) instead of writing into a nameless file.
    void dateiErforderlich();
};

// The session of a front end, built the same way for both: the calendar year as the active
// year, the Euro label by the one rule of both programs (the user's configuration folder,
// then beside the program), today as the default date.
std::unique_ptr<Sitzung> sitzungAnlegen(Person& p, const Uhr& u, std::string programmVerzeichnis);

} // namespace zalvor
