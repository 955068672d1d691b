// File access: binary record files, small text files, existence, rename, delete. Every file
// operation of the engine goes through here, so that tests can make any one of them fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

// Every failure throws EAFehler with the system error number. A path that names something
// other than a regular file (a folder, a pipe, a device) is refused with KeineDateiFehler
// before anything is read, so a pipe never blocks the program.
class BinaerDatei {
  public:
    enum class Modus { Lesen, LesenSchreiben, Neu };

    BinaerDatei(const std::string& pfad, Modus modus);
    ~BinaerDatei();
    BinaerDatei(const BinaerDatei&) = delete;
    BinaerDatei& operator=(const BinaerDatei&) = delete;
    BinaerDatei(BinaerDatei&& andere) noexcept;
    BinaerDatei& operator=(BinaerDatei&&) = delete;

    std::uint64_t groesse() const;
    // Reads exactly n bytes at the offset; a short read is an error (EIO).
    void lesen(std::uint64_t offset, void* ziel, std::size_t n) const;
    void schreiben(std::uint64_t offset, const void* quelle, std::size_t n);
    void anhaengen(const void* quelle, std::size_t n);
    void kuerzen(std::uint64_t laenge);
    // Waits until the content is on the disk.
    void sichern();
    // Closes and reports a failed close; the destructor closes silently.
    void schliessen();
    const std::string& pfad() const { return pfad_; }

  private:
    int fd_ = -1;
    std::string pfad_;
};

// A file exists when there is an entry of that name (readable or not, of any kind): a file
// that cannot be read is a failure to report, never a missing file to create afresh.
bool dateiExistiert(const std::string& pfad);
bool istOrdner(const std::string& pfad);
// The existing file whose name matches regardless of letter case, else the path itself.
std::string aufgeloest(const std::string& pfad);
// Deletes if present; a failure other than "not there" throws.
void dateiLoeschen(const std::string& pfad);
void dateiUmbenennen(const std::string& von, const std::string& nach);
std::uint64_t dateiGroesse(const std::string& pfad);
// Creates an empty file (truncating an existing one).
void leereDateiAnlegen(const std::string& pfad);
// Makes the renames and deletions in the folder of `pfad` durable.
void ordnerSichern(const std::string& pfad);
// Makes `nach` a second name of `von` (same content) through `temp`, or a copy where the
// file system has no hard links (`kopieren` writes it). `von` stays as it is.
void zweiterName(const std::string& von, const std::string& nach, const std::string& temp,
                 const std::function<void(const std::vector<std::uint8_t>&)>& kopieren);

// Lines of a text file; CR LF, LF and a lone CR end a line; a last line without line end
// is read too.
std::vector<std::string> textdateiLesen(const std::string& pfad);
// The whole content of a file.
std::vector<std::uint8_t> dateiLesen(const std::string& pfad);
// The lines of a text, split as textdateiLesen splits them.
std::vector<std::string> textzeilen(std::span<const std::uint8_t> inhalt);
// The content of a text file of these lines, each ended by CR LF.
std::vector<std::uint8_t> textinhalt(const std::vector<std::string>& zeilen);

// The file a whole-file rewrite replaces: the existing file of that name regardless of letter
// case, and a symbolic link followed to its target, so that the link stays.
std::string ersetzungsziel(const std::string& pfad);

// A whole-file rewrite in two steps, so that several files can be written completely before
// the first of them is switched over. Until `umschalten`, the target is untouched; a
// rewrite that is never switched removes its temporary file.
class Ersetzung {
  public:
    // Writes and syncs the temporary file `temp` for the target `ziel` (see ersetzungsziel).
    Ersetzung(const std::string& ziel, std::span<const std::uint8_t> inhalt,
              const std::string& temp);
    ~Ersetzung();
    Ersetzung(Ersetzung&& andere) noexcept;
    Ersetzung(const Ersetzung&) = delete;
    Ersetzung& operator=(const Ersetzung&) = delete;
    Ersetzung& operator=(Ersetzung&&) = delete;

    // Renames the temporary file over the target and syncs the folder.
    void umschalten();
    const std::string& ziel() const { return ziel_; }

  private:
    std::string ziel_;
    std::string temp_;
    bool offen_ = false;
};

// Changes announced before they are made, so that the journal of a writing command can
// record what each one overwrites (see core/transaction).
namespace aenderungen {
enum class Art {
    Schreiben, // bytes [offset, offset + n) are written, perhaps beyond the end
    Ersetzen   // the file is created, truncated, replaced, renamed away or deleted
};

class Beobachter {
  public:
    virtual ~Beobachter() = default;
    virtual void vorAenderung(const std::string& pfad, Art art, std::uint64_t offset,
                              std::uint64_t n) = 0;
    // Before the club database `datenbank` commits: the mark that its commit is to carry,
    // empty when nothing else was changed.
    virtual std::string vorDatenbankCommit(const std::string& datenbank) = 0;
    virtual void nachDatenbankCommit() = 0;
};

// At most one; nullptr ends the watch.
void beobachten(Beobachter* b);
Beobachter* beobachter();
} // namespace aenderungen

std::string pfadVerbinden(const std::string& verzeichnis, const std::string& name);
// Folder part of a path ("" when none) and the part after the last separator.
std::string verzeichnisTeil(const std::string& pfad);
std::string dateinameTeil(const std::string& pfad);

// Test hooks.
namespace testhaken {
enum class Vorgang {
    Oeffnen,
    Lesen,
    Schreiben,
    Umbenennen,
    Kuerzen,
    Loeschen,
    Schliessen,
    Sichern,
    Sperren // a lock taken by a library (the club database's file locks)
};

// After `schreibvorgaenge` more successful writes, every write fails with the given error
// number until reset (a device that fails mid-write).
void schreibfehlerNach(int schreibvorgaenge, int fehlernummer);
// The file operation number `schritt` (counted from 1 since the last reset) fails with the
// error number; with `dauerhaft`, every operation from then on fails too.
void fehlerBeiSchritt(std::uint64_t schritt, int fehlernummer, bool dauerhaft = false);
// Operations counted since the last reset.
std::uint64_t schritte();
// Counts an operation made outside this layer (a library's own file calls, routed here by a
// test); returns the error number it is to fail with, or 0.
int fremderVorgang(Vorgang v);
// The kind of the operation that was made to fail, if one was.
std::optional<Vorgang> ausgeloesterFehler();
// Fault runs check the order of operations, not the disk: fsync is counted but not made.
void ohneSynchronisation(bool an);
// Whether syncs are left out, for a library's own file layer that makes them itself.
bool synchronisationAus();
// The process ends at once (status 86) when operation number `schritt` is reached, before it
// is made: a program killed at that step.
void abbrechenBeiSchritt(std::uint64_t schritt);
constexpr int kAbbruchStatus = 86;
// Ends every fault and starts the count afresh.
void zuruecksetzen();
} // namespace testhaken

} // namespace zalvor
