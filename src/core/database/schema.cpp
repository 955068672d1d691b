// Version 1 of the club database: bank accounts, statement imports and their lines with the
// link to the booking made from each, assignment rules, the creditor, mandates, submitted
// direct debits, counters, and the mark of the last command committed through the journal.
// Version 2 keeps every field the statement readers deliver, marks an import whose bookings
// are not yet confirmed in the booking file, and lets a rule hold for both sides.
// docs/datenbank.md explains the choices.
#include "core/database/schema.h"

#include <array>

namespace zalvor {

namespace {

constexpr std::string_view kVersion1 = R"sql(
CREATE TABLE bankkonto (
    konto INTEGER PRIMARY KEY CHECK (konto BETWEEN 1 AND 9),
    iban TEXT NOT NULL UNIQUE CHECK (length(iban) BETWEEN 15 AND 34
        AND iban GLOB '[A-Z][A-Z][0-9][0-9]*' AND iban NOT GLOB '*[^A-Z0-9]*'),
    bank TEXT NOT NULL DEFAULT ''
) STRICT;

CREATE TABLE import (
    id INTEGER PRIMARY KEY,
    jahr TEXT NOT NULL CHECK (length(jahr) = 2),
    datei TEXT NOT NULL,
    format TEXT NOT NULL CHECK (format IN ('camt.053', 'mt940', 'csv')),
    zeitpunkt TEXT NOT NULL CHECK (zeitpunkt GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'),
    konto INTEGER NOT NULL CHECK (konto BETWEEN 1 AND 9),
    auszug TEXT NOT NULL,
    schlusssaldo INTEGER,
    schlussdatum TEXT CHECK (schlussdatum IS date(schlussdatum)),
    UNIQUE (id, jahr)
) STRICT;

CREATE TABLE auszugszeile (
    id INTEGER PRIMARY KEY,
    import INTEGER NOT NULL,
    jahr TEXT NOT NULL,
    nr INTEGER NOT NULL CHECK (nr >= 0),
    buchungsdatum TEXT NOT NULL CHECK (buchungsdatum IS date(buchungsdatum)),
    valutadatum TEXT CHECK (valutadatum IS date(valutadatum)),
    betrag INTEGER NOT NULL CHECK (betrag >= 0),
    richtung TEXT NOT NULL CHECK (richtung IN ('CRDT', 'DBIT')),
    waehrung TEXT NOT NULL,
    status TEXT NOT NULL CHECK (status IN ('BOOK', 'PDNG', 'INFO')),
    name TEXT NOT NULL,
    iban TEXT NOT NULL,
    bic TEXT NOT NULL,
    text TEXT NOT NULL,
    zusatz TEXT NOT NULL,
    bankreferenz TEXT NOT NULL,
    eintragsreferenz TEXT NOT NULL,
    ende_zu_ende TEXT NOT NULL,
    mandatsreferenz TEXT NOT NULL,
    glaeubiger TEXT NOT NULL,
    rueckgabegrund TEXT NOT NULL,
    stelle TEXT NOT NULL,
    doppelschluessel TEXT NOT NULL,
    buchung BLOB CHECK (buchung IS NULL OR (length(buchung) = 70 AND status = 'BOOK')),
    UNIQUE (import, nr),
    FOREIGN KEY (import, jahr) REFERENCES import (id, jahr) ON DELETE CASCADE
) STRICT;
CREATE UNIQUE INDEX auszugszeile_doppelt ON auszugszeile (jahr, doppelschluessel)
    WHERE buchung IS NOT NULL;
CREATE INDEX auszugszeile_ende_zu_ende ON auszugszeile (ende_zu_ende) WHERE ende_zu_ende <> '';

CREATE TABLE zuordnungsregel (
    nr INTEGER PRIMARY KEY CHECK (nr >= 1),
    muster TEXT NOT NULL CHECK (muster <> ''),
    seite TEXT NOT NULL CHECK (seite IN ('E', 'A')),
    typ INTEGER NOT NULL CHECK (typ BETWEEN 0 AND 99)
) STRICT;

CREATE TABLE glaeubiger (
    nr INTEGER PRIMARY KEY CHECK (nr = 1),
    kennung TEXT NOT NULL CHECK (length(kennung) BETWEEN 8 AND 35
        AND kennung GLOB '[A-Z][A-Z][0-9][0-9]*' AND kennung NOT GLOB '*[^A-Z0-9]*'),
    name TEXT NOT NULL CHECK (length(name) BETWEEN 1 AND 70),
    konto INTEGER NOT NULL REFERENCES bankkonto (konto)
) STRICT;

CREATE TABLE mandat (
    id INTEGER PRIMARY KEY,
    nachname BLOB,
    vorname BLOB,
    vorkommen INTEGER CHECK (vorkommen >= 0),
    iban TEXT NOT NULL CHECK (length(iban) BETWEEN 15 AND 34
        AND iban GLOB '[A-Z][A-Z][0-9][0-9]*' AND iban NOT GLOB '*[^A-Z0-9]*'),
    bic TEXT NOT NULL,
    inhaber TEXT NOT NULL CHECK (length(inhaber) BETWEEN 1 AND 70),
    referenz TEXT NOT NULL UNIQUE CHECK (length(referenz) BETWEEN 1 AND 35),
    unterschrieben TEXT NOT NULL CHECK (unterschrieben IS date(unterschrieben)),
    eingezogen INTEGER NOT NULL CHECK (eingezogen IN (0, 1)),
    CHECK ((nachname IS NULL) = (vorname IS NULL) AND (nachname IS NULL) = (vorkommen IS NULL)),
    UNIQUE (nachname, vorname, vorkommen)
) STRICT;
CREATE INDEX mandat_iban ON mandat (iban);

CREATE TABLE lastschriftdatei (
    id INTEGER PRIMARY KEY,
    datei TEXT NOT NULL,
    nachricht TEXT NOT NULL UNIQUE CHECK (length(nachricht) BETWEEN 1 AND 35),
    erstellt TEXT NOT NULL CHECK (erstellt GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*')
) STRICT;

CREATE TABLE lastschrift (
    id INTEGER PRIMARY KEY,
    datei INTEGER NOT NULL REFERENCES lastschriftdatei (id) ON DELETE CASCADE,
    mandat INTEGER NOT NULL REFERENCES mandat (id),
    name TEXT NOT NULL,
    referenz TEXT NOT NULL,
    betrag INTEGER NOT NULL CHECK (betrag > 0),
    ende_zu_ende TEXT NOT NULL UNIQUE CHECK (length(ende_zu_ende) BETWEEN 1 AND 35),
    zahlung TEXT NOT NULL,
    sequenz TEXT NOT NULL CHECK (sequenz IN ('FRST', 'RCUR')),
    faellig TEXT NOT NULL CHECK (faellig IS date(faellig))
) STRICT;
CREATE INDEX lastschrift_datei ON lastschrift (datei);
CREATE INDEX lastschrift_mandat ON lastschrift (mandat);

CREATE TABLE zaehler (
    name TEXT PRIMARY KEY,
    wert INTEGER NOT NULL CHECK (wert >= 0)
) STRICT;

CREATE TABLE schreibvorgang (
    nr INTEGER PRIMARY KEY CHECK (nr = 1),
    journal TEXT NOT NULL
) STRICT;

PRAGMA application_id = 1514952260;
PRAGMA user_version = 1;
)sql";

constexpr std::string_view kVersion2 = R"sql(
ALTER TABLE import ADD COLUMN offen INTEGER NOT NULL DEFAULT 0 CHECK (offen IN (0, 1));
ALTER TABLE auszugszeile ADD COLUMN teil INTEGER NOT NULL DEFAULT 0 CHECK (teil >= 0);
ALTER TABLE auszugszeile ADD COLUMN storno INTEGER NOT NULL DEFAULT 0 CHECK (storno IN (0, 1));
ALTER TABLE auszugszeile ADD COLUMN geschaeftsvorfall TEXT NOT NULL DEFAULT '';
ALTER TABLE auszugszeile ADD COLUMN stelle_datei TEXT NOT NULL DEFAULT '';
ALTER TABLE auszugszeile ADD COLUMN stelle_zeile INTEGER NOT NULL DEFAULT 0;

CREATE TABLE zuordnungsregel_neu (
    nr INTEGER PRIMARY KEY CHECK (nr >= 1),
    muster TEXT NOT NULL CHECK (muster <> ''),
    seite TEXT CHECK (seite IN ('E', 'A')),
    typ INTEGER NOT NULL CHECK (typ BETWEEN 0 AND 99)
) STRICT;
INSERT INTO zuordnungsregel_neu (nr, muster, seite, typ)
    SELECT nr, muster, seite, typ FROM zuordnungsregel;
DROP TABLE zuordnungsregel;
ALTER TABLE zuordnungsregel_neu RENAME TO zuordnungsregel;

PRAGMA user_version = 2;
)sql";

constexpr std::array kMigrationen{Migration{kVersion1}, Migration{kVersion2}};

} // namespace

Schema vereinsschema() {
    return kMigrationen;
}

} // namespace zalvor
