// A small wrapper over SQLite's C interface: a connection and its prepared statements, both
// owned (closed and finalised when they end). Values reach SQL only as bound parameters.
// Failures throw the engine's types: EAFehler (with the system's error number where SQLite
// has one), GesperrtFehler when the database stays busy, std::bad_alloc without memory.
#pragma once

#include "core/common/fehler.h"

#include <cerrno>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zalvor {

// The file is no SQLite database or a damaged one: reported like an input/output failure
// where nobody asks, turned into a message where the database is opened.
class DatenbankBeschaedigt : public EAFehler {
  public:
    explicit DatenbankBeschaedigt(const std::string& wo) : EAFehler(EIO, wo) {}
};

class Verbindung;

class Anweisung {
  public:
    ~Anweisung();
    Anweisung(Anweisung&& andere) noexcept;
    Anweisung(const Anweisung&) = delete;
    Anweisung& operator=(const Anweisung&) = delete;
    Anweisung& operator=(Anweisung&&) = delete;

    // Parameters count from 1, as in SQLite.
    Anweisung& binden(int nr, std::int64_t wert);
    Anweisung& binden(int nr, int wert) { return binden(nr, static_cast<std::int64_t>(wert)); }
    Anweisung& binden(int nr, std::string_view text);
    Anweisung& binden(int nr, const std::string& text) {
        return binden(nr, std::string_view(text));
    }
    Anweisung& binden(int nr, const char* text) { return binden(nr, std::string_view(text)); }
    Anweisung& binden(int nr, std::span<const std::uint8_t> bytes);
    Anweisung& binden(int nr, std::nullopt_t);
    template <typename T>
    Anweisung& binden(int nr, const std::optional<T>& wert) {
        return wert ? binden(nr, *wert) : binden(nr, std::nullopt);
    }
    // Binds the values to parameters 1, 2, ... in order.
    template <typename... T>
    Anweisung& mit(const T&... werte) {
        int nr = 0;
        (binden(++nr, werte), ...);
        return *this;
    }

    // One step: true when it yields a row.
    bool zeile();
    // Steps to the end; for statements that yield no row.
    void ausfuehren();
    // Ready to run again with new values.
    void zuruecksetzen();

    bool leer(int spalte) const; // NULL; columns count from 0
    std::int64_t zahl(int spalte) const;
    std::string text(int spalte) const;
    std::vector<std::uint8_t> bytes(int spalte) const;

  private:
    friend class Verbindung;
    Anweisung(sqlite3_stmt* st, const Verbindung& v) : st_(st), v_(&v) {}
    sqlite3_stmt* st_;
    const Verbindung* v_;
};

class Verbindung {
  public:
    // Opens a database file through the counting file layer (see zaehlvfs.h), for reading and
    // writing (so that a journal left by a killed program can be rolled back); a file that
    // cannot be written is opened for reading. With `anlegen`, a missing file is made.
    static Verbindung oeffnen(const std::string& pfad, bool anlegen);
    // A private database in memory.
    static Verbindung imSpeicher();

    ~Verbindung();
    Verbindung(Verbindung&& andere) noexcept;
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;
    Verbindung& operator=(Verbindung&&) = delete;

    Anweisung anweisung(std::string_view sql) const;
    // Runs fixed SQL text of the program (one or several statements, no values in them).
    void ausfuehren(std::string_view sql) const;

    std::int64_t zuletztEingefuegt() const; // rowid of the last insert
    std::int64_t geaendert() const;         // rows changed by the last statement
    bool inTransaktion() const;
    const std::string& pfad() const { return pfad_; }

    // Throws for SQLite's result code `rc` (not SQLITE_OK), naming where.
    [[noreturn]] void fehler(int rc, std::string_view wo) const;

  private:
    Verbindung(sqlite3* db, std::string pfad) : db_(db), pfad_(std::move(pfad)) {}
    sqlite3* db_;
    std::string pfad_;
};

} // namespace zalvor
