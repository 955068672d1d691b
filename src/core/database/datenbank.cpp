// Opening the club database, its version check and migrations, and transactions.
#include "core/database/datenbank.h"

#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"

#include <stdexcept>

namespace zalvor {

namespace {

Abweisung neuer() {
    return {A("Die Vereinsdatenbank stammt von einer neueren Programmversion und wird nicht "
              "verändert!")};
}
Abweisung fremd() {
    return {A("Die Datei ist keine Vereinsdatenbank von Zalvor!")};
}
Abweisung beschaedigt() {
    return {A("Die Vereinsdatenbank ist beschädigt!")};
}

std::int64_t zahl(const Verbindung& v, std::string_view sql) {
    auto a = v.anweisung(sql);
    return a.zeile() ? a.zahl(0) : 0;
}

// What the file's header and schema say.
struct Stand {
    std::int64_t version = 0;
    std::int64_t kennung = 0;
    std::int64_t objekte = 0;

    // Nothing in it yet: SQLite's empty database, made by an interrupted first use.
    bool leer() const { return version == 0 && kennung == 0 && objekte == 0; }
};

Stand standLesen(const Verbindung& v) {
    return {zahl(v, "PRAGMA user_version"), zahl(v, "PRAGMA application_id"),
            zahl(v, "SELECT count(*) FROM sqlite_schema")};
}

std::optional<Abweisung> abweisung(const Stand& s, Schema schema) {
    if (s.leer()) return std::nullopt;
    if (s.kennung != kAnwendungsKennung) return fremd();
    if (s.version > static_cast<std::int64_t>(schema.size())) return neuer();
    return std::nullopt;
}

void migrieren(const Verbindung& v, Schema schema, std::int64_t von) {
    const auto ziel = static_cast<std::int64_t>(schema.size());
    for (std::int64_t i = von; i < ziel; ++i) {
        v.ausfuehren(schema[static_cast<std::size_t>(i)].sql);
        if (zahl(v, "PRAGMA user_version") != i + 1)
            throw std::logic_error("Migration " + std::to_string(i) + " setzt ihre Version nicht");
    }
    if (von < ziel && v.anweisung("PRAGMA foreign_key_check").zeile())
        throw std::logic_error("Migration verletzt einen Fremdschluessel");
}

// A path that is there but no regular file (a folder, a pipe) is never handed to SQLite: a
// pipe would block it.
bool vorhanden(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return false;
    dateiGroesse(pfad);
    return true;
}

} // namespace

Ergebnis<Datenbank> Datenbank::schreiben(const std::string& pfad, Schema schema) {
    try {
        vorhanden(pfad);
        Datenbank db(Verbindung::oeffnen(pfad, true), true, false);
        // The rollback journal, and its removal made durable before a commit returns (see
        // docs/datenbank.md).
        db.v_.ausfuehren("PRAGMA journal_mode = DELETE; PRAGMA synchronous = EXTRA;");
        {
            Transaktion t(db);
            const Stand s = standLesen(db.v_);
            if (auto a = abweisung(s, schema)) return *a;
            migrieren(db.v_, schema, s.version);
            t.festschreiben();
        }
        return db;
    } catch (const DatenbankBeschaedigt&) {
        return beschaedigt();
    }
}

Ergebnis<Datenbank> Datenbank::lesen(const std::string& pfad, Schema schema) {
    try {
        if (vorhanden(pfad)) {
            Verbindung v = Verbindung::oeffnen(pfad, false);
            v.ausfuehren("BEGIN");
            const Stand s = standLesen(v);
            v.ausfuehren("COMMIT");
            if (auto a = abweisung(s, schema)) return *a;
            if (s.version == static_cast<std::int64_t>(schema.size())) {
                v.ausfuehren("PRAGMA query_only = ON");
                return Datenbank(std::move(v), false, false);
            }
            if (!s.leer()) {
                auto aktuell = schreiben(pfad, schema);
                if (!aktuell) return Abweisung{aktuell.meldung()};
                return lesen(pfad, schema);
            }
        }
        Datenbank db(Verbindung::imSpeicher(), true, true);
        {
            Transaktion t(db);
            migrieren(db.v_, schema, 0);
            t.festschreiben();
        }
        db.v_.ausfuehren("PRAGMA query_only = ON");
        db.schreibbar_ = false;
        return db;
    } catch (const DatenbankBeschaedigt&) {
        return beschaedigt();
    }
}

Transaktion::Transaktion(Datenbank& db) : db_(db) {
    db_.verbindung().ausfuehren(db_.schreibbar() ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaktion::~Transaktion() {
    if (!offen_ || !db_.verbindung().inTransaktion()) return;
    try {
        db_.verbindung().ausfuehren("ROLLBACK");
    } catch (...) {
        // A rollback that fails leaves the journal behind; the next opening rolls back.
    }
}

void Transaktion::festschreiben() {
    // Within a command that has changed files, the commit carries the mark of its journal.
    aenderungen::Beobachter* b = aenderungen::beobachter();
    if (b && db_.schreibbar() && !db_.imSpeicher()) {
        const std::string marke = b->vorDatenbankCommit(db_.verbindung().pfad());
        if (!marke.empty()) {
            festschreiben(marke);
            b->nachDatenbankCommit();
            return;
        }
    }
    db_.verbindung().ausfuehren("COMMIT");
    offen_ = false;
}

void Transaktion::festschreiben(std::string_view journal) {
    zumSchreiben()
        .anweisung("INSERT INTO schreibvorgang (nr, journal) VALUES (1, ?1) "
                   "ON CONFLICT (nr) DO UPDATE SET journal = excluded.journal")
        .mit(journal)
        .ausfuehren();
    db_.verbindung().ausfuehren("COMMIT");
    offen_ = false;
}

const Verbindung& Transaktion::zumSchreiben() const {
    if (!db_.schreibbar()) throw std::logic_error("Aenderung in einer Datenbank zum Lesen");
    return db_.verbindung();
}

Lesetransaktion::Lesetransaktion(const Datenbank& db)
    : db_(db), eigene_(!db.verbindung().inTransaktion()) {
    if (eigene_) db_.verbindung().ausfuehren("BEGIN");
}

Lesetransaktion::~Lesetransaktion() {
    if (!eigene_ || !db_.verbindung().inTransaktion()) return;
    try {
        db_.verbindung().ausfuehren("COMMIT");
    } catch (...) {
        // Ending a transaction that wrote nothing only gives up the shared lock; SQLite
        // gives it up with the connection at the latest.
    }
}

bool journalFestgeschrieben(const std::string& pfad, std::string_view journal) {
    if (!vorhanden(pfad)) return false;
    Verbindung v = Verbindung::oeffnen(pfad, false);
    v.ausfuehren("BEGIN");
    const Stand s = standLesen(v);
    // The mark's table keeps its name and meaning in every later version.
    if (s.kennung != kAnwendungsKennung || s.version < 1) return false;
    auto a = v.anweisung("SELECT journal = ?1 FROM schreibvorgang WHERE nr = 1");
    return a.mit(journal).zeile() && a.zahl(0) != 0;
}

} // namespace zalvor
