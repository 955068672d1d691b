// The club database `<base>.zdb`: opened for a command that reads or one that writes, its
// schema brought up to date, and the transaction in which every change is made.
#pragma once

#include "core/database/ergebnis.h"
#include "core/database/schema.h"
#include "core/database/verbindung.h"

#include <string>
#include <string_view>

namespace zalvor {

class Datenbank {
  public:
    // For a command that only reads. The file is never made: without one (or with an empty
    // one) the result is an empty database in memory, so that readers need no case of their
    // own. An older version is brought up to date first. Refused: a database of a newer
    // program, a foreign or damaged file.
    static Ergebnis<Datenbank> lesen(const std::string& pfad, Schema schema = vereinsschema());
    // For a command that writes: made on first use, an older version brought up to date in
    // one transaction, a newer one refused and left unchanged.
    static Ergebnis<Datenbank> schreiben(const std::string& pfad, Schema schema = vereinsschema());

    bool schreibbar() const { return schreibbar_; }
    bool imSpeicher() const { return imSpeicher_; } // no file behind it
    const Verbindung& verbindung() const { return v_; }

  private:
    Datenbank(Verbindung v, bool schreibbar, bool imSpeicher)
        : v_(std::move(v)), schreibbar_(schreibbar), imSpeicher_(imSpeicher) {}
    Verbindung v_;
    bool schreibbar_;
    bool imSpeicher_;
};

// Every change goes through one of these: it begins at construction (a writer takes the
// database's write lock at once, so two writers never deadlock), is made durable only by
// `festschreiben`, and is rolled back when it ends without.
class Transaktion {
  public:
    explicit Transaktion(Datenbank& db);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

    void festschreiben();
    // The same, recording in the same commit that the club's journal `journal` is done:
    // the database's commit is then the commit point of the whole command (see
    // journalFestgeschrieben).
    void festschreiben(std::string_view journal);

    Datenbank& datenbank() { return db_; }
    const Verbindung& verbindung() const { return db_.verbindung(); }
    // The connection for a change; a transaction of a database opened for reading has none.
    const Verbindung& zumSchreiben() const;

  private:
    Datenbank& db_;
    bool offen_ = true;
};

// Reads of several statements under one shared lock: one view of the database for all of
// them, and SQLite takes its lock and checks the file once instead of for every statement.
// It writes nothing and takes no write lock; inside a transaction already open it does
// nothing.
class Lesetransaktion {
  public:
    explicit Lesetransaktion(const Datenbank& db);
    ~Lesetransaktion();
    Lesetransaktion(const Lesetransaktion&) = delete;
    Lesetransaktion& operator=(const Lesetransaktion&) = delete;

  private:
    const Datenbank& db_;
    bool eigene_;
};

// Whether the command of the club's journal `journal` committed its database transaction.
// Asked when a journal is found (at opening, or after a commit whose outcome is unknown):
// yes means the command is complete and its journal only has to be removed; no means its
// files are rolled back from the journal (the database has rolled back on its own). False
// without a database.
bool journalFestgeschrieben(const std::string& pfad, std::string_view journal);

} // namespace zalvor
