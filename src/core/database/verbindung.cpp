// SQLite connection and statements with the engine's failure types.
#include "core/database/verbindung.h"

#include "core/database/zaehlvfs.h"

#include <cerrno>
#include <new>
#include <sqlite3.h>

namespace zalvor {

namespace {

// SQLite waits this long for another program's lock before it reports the database busy;
// the same time a writing command waits for the club's lock.
constexpr int kWartezeitMs = 10000;

[[noreturn]] void werfen(sqlite3* db, int rc, std::string_view wo) {
    const int art = rc & 0xff;
    if (art == SQLITE_NOMEM) throw std::bad_alloc();
    if (art == SQLITE_BUSY || art == SQLITE_LOCKED) throw GesperrtFehler();
    std::string text(wo);
    text += ": ";
    text += db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    if (art == SQLITE_CORRUPT || art == SQLITE_NOTADB) throw DatenbankBeschaedigt(text);
    int nummer = 0;
    if (art == SQLITE_IOERR || art == SQLITE_CANTOPEN || art == SQLITE_FULL) {
        nummer = ersteFehlernummer();
        if (nummer == 0 && art != SQLITE_FULL && db != nullptr) nummer = sqlite3_system_errno(db);
    }
    if (nummer == 0) {
        switch (art) {
        case SQLITE_FULL:
            nummer = ENOSPC;
            break;
        case SQLITE_READONLY:
            nummer = EROFS;
            break;
        case SQLITE_PERM:
        case SQLITE_AUTH:
            nummer = EACCES;
            break;
        case SQLITE_CANTOPEN:
            nummer = ENOENT;
            break;
        default:
            nummer = EIO;
        }
    }
    throw EAFehler(nummer, text);
}

// Settings every connection of the program has, whatever it is for.
void einrichten(sqlite3* db, const std::string& pfad) {
    sqlite3_extended_result_codes(db, 1);
    // A damaged or foreign file must not make SQL run: no schema functions, no writes to the
    // schema behind SQLite's back.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_busy_timeout(db, kWartezeitMs);
    // Foreign keys on; temporary data in memory (no file steps outside the club's folder);
    // no memory mapping (every read passes the counting file layer); a page cache large
    // enough that a big import need not spill pages, and sync the journal, before its commit.
    fehlernummerVergessen();
    const int rc = sqlite3_exec(db,
                                "PRAGMA foreign_keys = ON; PRAGMA temp_store = MEMORY; PRAGMA "
                                "mmap_size = 0; PRAGMA cache_size = -32000;",
                                nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) werfen(db, rc, pfad);
}

} // namespace

Anweisung::~Anweisung() {
    sqlite3_finalize(st_);
}

Anweisung::Anweisung(Anweisung&& andere) noexcept : st_(andere.st_), v_(andere.v_) {
    andere.st_ = nullptr;
}

Anweisung& Anweisung::binden(int nr, std::int64_t wert) {
    const int rc = sqlite3_bind_int64(st_, nr, wert);
    if (rc != SQLITE_OK) v_->fehler(rc, "binden");
    return *this;
}

Anweisung& Anweisung::binden(int nr, std::string_view text) {
    // An empty view may have no data; SQLite takes a null pointer as NULL, not as "".
    static const char leer = '\0';
    const int rc = sqlite3_bind_text64(st_, nr, text.empty() ? &leer : text.data(), text.size(),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) v_->fehler(rc, "binden");
    return *this;
}

Anweisung& Anweisung::binden(int nr, std::span<const std::uint8_t> bytes) {
    static const std::uint8_t leer = 0;
    const int rc = sqlite3_bind_blob64(st_, nr, bytes.empty() ? &leer : bytes.data(), bytes.size(),
                                       SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) v_->fehler(rc, "binden");
    return *this;
}

Anweisung& Anweisung::binden(int nr, std::nullopt_t) {
    const int rc = sqlite3_bind_null(st_, nr);
    if (rc != SQLITE_OK) v_->fehler(rc, "binden");
    return *this;
}

bool Anweisung::zeile() {
    fehlernummerVergessen();
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(st_);
    v_->fehler(rc, sqlite3_sql(st_));
}

void Anweisung::ausfuehren() {
    while (zeile()) {
    }
    sqlite3_reset(st_);
}

void Anweisung::zuruecksetzen() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

bool Anweisung::leer(int spalte) const {
    return sqlite3_column_type(st_, spalte) == SQLITE_NULL;
}

std::int64_t Anweisung::zahl(int spalte) const {
    return sqlite3_column_int64(st_, spalte);
}

std::string Anweisung::text(int spalte) const {
    const auto* p = sqlite3_column_text(st_, spalte);
    const int n = sqlite3_column_bytes(st_, spalte);
    return p == nullptr
               ? std::string()
               : std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n));
}

std::vector<std::uint8_t> Anweisung::bytes(int spalte) const {
    const auto* p = static_cast<const std::uint8_t*>(sqlite3_column_blob(st_, spalte));
    const int n = sqlite3_column_bytes(st_, spalte);
    return p == nullptr ? std::vector<std::uint8_t>() : std::vector<std::uint8_t>(p, p + n);
}

Verbindung Verbindung::oeffnen(const std::string& pfad, bool anlegen) {
    fehlernummerVergessen();
    sqlite3* db = nullptr;
    const int art =
        SQLITE_OPEN_READWRITE | (anlegen ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_EXRESCODE;
    const int rc = sqlite3_open_v2(pfad.c_str(), &db, art, zaehlVfsName());
    if (rc != SQLITE_OK) {
        try {
            werfen(db, rc, pfad);
        } catch (...) {
            sqlite3_close_v2(db);
            throw;
        }
    }
    Verbindung v(db, pfad);
    einrichten(db, pfad);
    return v;
}

Verbindung Verbindung::imSpeicher() {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE,
                                   zaehlVfsName());
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw std::bad_alloc();
    }
    Verbindung v(db, ":memory:");
    einrichten(db, ":memory:");
    return v;
}

Verbindung::~Verbindung() {
    sqlite3_close_v2(db_);
}

Verbindung::Verbindung(Verbindung&& andere) noexcept
    : db_(andere.db_), pfad_(std::move(andere.pfad_)) {
    andere.db_ = nullptr;
}

Anweisung Verbindung::anweisung(std::string_view sql) const {
    fehlernummerVergessen();
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &st, nullptr);
    if (rc != SQLITE_OK) fehler(rc, sql);
    return Anweisung(st, *this);
}

void Verbindung::ausfuehren(std::string_view sql) const {
    const std::string text(sql);
    fehlernummerVergessen();
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fehler(rc, pfad_);
}

std::int64_t Verbindung::zuletztEingefuegt() const {
    return sqlite3_last_insert_rowid(db_);
}

std::int64_t Verbindung::geaendert() const {
    return sqlite3_changes64(db_);
}

bool Verbindung::inTransaktion() const {
    return sqlite3_get_autocommit(db_) == 0;
}

void Verbindung::fehler(int rc, std::string_view wo) const {
    werfen(db_, rc, std::string(pfad_) + " (" + std::string(wo) + ")");
}

} // namespace zalvor
