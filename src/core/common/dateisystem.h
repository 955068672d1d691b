// File access: binary record files, small text files, existence, rename, delete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor {

// Every failure throws EAFehler with the system error number.
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
    // Closes and reports a failed close; the destructor closes silently.
    void schliessen();
    const std::string& pfad() const { return pfad_; }

private:
    int fd_ = -1;
    std::string pfad_;
};

// A file exists when it can be opened for reading.
bool dateiExistiert(const std::string& pfad);
// The existing file whose name matches regardless of letter case, else the path itself.
std::string aufgeloest(const std::string& pfad);
// Deletes if present; a failure other than "not there" throws.
void dateiLoeschen(const std::string& pfad);
void dateiUmbenennen(const std::string& von, const std::string& nach);
std::uint64_t dateiGroesse(const std::string& pfad);
// Creates an empty file (truncating an existing one).
void leereDateiAnlegen(const std::string& pfad);

// Lines of a text file; CR LF, LF and a lone CR end a line; a last line without line end
// is read too.
std::vector<std::string> textdateiLesen(const std::string& pfad);
// Whole-file rewrite with CR LF line ends: written to a temporary file in the same folder,
// then renamed over the old one.
void textdateiSchreiben(const std::string& pfad, const std::vector<std::string>& zeilen);
// The same for binary content.
void dateiErsetzen(const std::string& pfad, const std::vector<std::uint8_t>& inhalt);

std::string pfadVerbinden(const std::string& verzeichnis, const std::string& name);
// Folder part of a path ("" when none) and the part after the last separator.
std::string verzeichnisTeil(const std::string& pfad);
std::string dateinameTeil(const std::string& pfad);

// Test hook: after `schreibvorgaenge` more successful writes, every write fails with the
// given error number until reset (a device that fails mid-write).
namespace testhaken {
void schreibfehlerNach(int schreibvorgaenge, int fehlernummer);
void zuruecksetzen();
} // namespace testhaken

} // namespace zalvor
