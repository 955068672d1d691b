// All or nothing for one command: every file it changes is recorded in the club's journal
// before the change, so that a command that fails leaves the club exactly as before.
#pragma once

#include "core/common/dateisystem.h"
#include "core/common/sperre.h"
#include "core/transaction/aenderungsjournal.h"

#include <functional>
#include <optional>
#include <string>

namespace zalvor {

struct Sitzung;

// Lives for the whole command; the journal and the club's change lock are taken at the first
// change, so a command that only reads costs nothing. A scope begun inside another joins it.
// The journal lies beside the club that is active at the first change (its lock guards it),
// or, before any club is chosen, in the folder of the first file changed.
class Schreibtransaktion : private aenderungen::Beobachter {
  public:
    explicit Schreibtransaktion(Sitzung& s);
    // Undoes what was not committed.
    ~Schreibtransaktion() override;
    Schreibtransaktion(const Schreibtransaktion&) = delete;
    Schreibtransaktion& operator=(const Schreibtransaktion&) = delete;

    // The command, or a complete step of it (the desktop program between two inputs of the
    // person), is done: its changes stay, and a later change begins a new journal.
    void abschliessen();
    // Called when the first change of a journal is about to be made.
    void beimBeginn(std::function<void()> f) { beimBeginn_ = std::move(f); }
    // The outermost scope at work, if any.
    static Schreibtransaktion* laufende();
    // Undoes every change now. False (and said to the person) when the files could not be
    // restored: the journal stays, and the next opening undoes them.
    bool zuruecknehmen();

  private:
    void vorAenderung(const std::string& pfad, aenderungen::Art art, std::uint64_t offset,
                      std::uint64_t n) override;
    std::string vorDatenbankCommit(const std::string& datenbank) override;
    void nachDatenbankCommit() override;
    void beginnen(const std::string& ersterPfad);
    void beenden();

    Sitzung& s_;
    bool aussen_ = false;
    std::optional<Aenderungsjournal> journal_;
    Sperre eigeneSperre_;
    Sperre* sperre_ = nullptr;
    // The database committed with this journal's mark: the command is past its commit point.
    bool festgeschrieben_ = false;
    std::function<void()> beimBeginn_;
};

// The journals a killed program may have left for the club of `s.verein.datei` (of every
// year of its base name, and of its folder), each undone under the club's change lock and
// announced to the person. Returns false when a journal could not be played back: the club
// must then not be read.
bool liegengebliebeneJournale(Sitzung& s);

} // namespace zalvor
