// The journal of a writing command: before each file is changed for the first time, what the
// change will overwrite is recorded and made durable, so that the command can be undone
// whole, by itself after a failure or by the next opening after it was killed.
#pragma once

#include "core/common/dateisystem.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace zalvor {

class Aenderungsjournal {
  public:
    // The file `pfad` is made with the first entry; until then nothing is on disk.
    explicit Aenderungsjournal(std::string pfad);
    ~Aenderungsjournal();
    Aenderungsjournal(const Aenderungsjournal&) = delete;
    Aenderungsjournal& operator=(const Aenderungsjournal&) = delete;

    // Records what the change will overwrite; the entry is durable when this returns.
    void vorAenderung(const std::string& pfad, aenderungen::Art art, std::uint64_t offset,
                      std::uint64_t n);
    // Records that the club database `datenbank` commits with this journal's mark: its commit
    // is then the commit point of the command. Returns the mark.
    std::string datenbankVermerken(const std::string& datenbank);

    bool angelegt() const { return datei_.has_value(); }
    const std::string& pfad() const { return pfad_; }
    // Every change made: the journal is removed and the changes stay.
    void abschliessen();
    // Undoes every recorded change and removes the journal; EAFehler when that fails (the
    // journal then stays for the next opening).
    void zuruecknehmen();

  private:
    struct Stand {
        bool ganz = false;                   // the whole old state is recorded
        std::optional<std::uint64_t> laenge; // the old length is recorded
    };
    void eintragen(std::uint8_t art, const std::string& pfad, std::uint64_t wert,
                   const std::vector<std::uint8_t>& daten);
    std::string pfad_;
    std::string kennung_;
    std::optional<BinaerDatei> datei_;
    std::map<std::string, Stand> staende_;
    bool imEintragen_ = false;
};

enum class Journalausgang {
    Keines,          // no journal was there
    Zurueckgenommen, // the interrupted command was undone
    Abgeschlossen    // its database commit was made: it is complete, the journal removed
};

// A journal left behind by a program that was killed: undone, or removed when its database
// commit says the command was complete. The caller holds the club's change lock. EAFehler
// when the files cannot be restored; the journal then stays.
Journalausgang journalAbspielen(const std::string& pfad);

} // namespace zalvor
