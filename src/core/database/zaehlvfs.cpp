// A shim over SQLite's default file layer: each counted operation first asks the test hooks,
// which say whether it is to fail and with which system error number; then it is passed on.
#include "core/database/zaehlvfs.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"

#include <cerrno>
#include <mutex>
#include <sqlite3.h>

namespace zalvor {

namespace {

using testhaken::Vorgang;

constexpr const char* kName = "zalvor-zaehlend";

sqlite3_vfs* gEcht = nullptr;
sqlite3_vfs gVfs{};
sqlite3_io_methods gMethoden{};
int gErsteFehlernummer = 0;

void vermerken(int nummer) {
    if (gErsteFehlernummer == 0) gErsteFehlernummer = nummer;
}

// The result of a step passed on: a failure keeps the system's error number. A short read is
// no failure (SQLite reads past the end of a journal on purpose), nor is a busy lock or the
// deletion of a journal that is not there.
int weiter(int rc) {
    const int art = rc & 0xff;
    if (rc != SQLITE_IOERR_SHORT_READ && rc != SQLITE_IOERR_DELETE_NOENT && errno != 0 &&
        (art == SQLITE_IOERR || art == SQLITE_CANTOPEN || art == SQLITE_FULL))
        vermerken(errno);
    return rc;
}

// SQLite hands the shim szOsFile bytes; the default layer's file object follows this head.
struct ZaehlDatei {
    sqlite3_file kopf;
    sqlite3_file* echt;
};

sqlite3_file* echt(sqlite3_file* f) {
    return reinterpret_cast<ZaehlDatei*>(f)->echt;
}

const sqlite3_io_methods& m(sqlite3_file* f) {
    return *echt(f)->pMethods;
}

// The hooks' verdict on one operation: 0, or the error number it fails with.
int scheitert(Vorgang v) {
    const int nummer = testhaken::fremderVorgang(v);
    if (nummer != 0) vermerken(nummer);
    errno = 0;
    return nummer;
}

int schliessen(sqlite3_file* f) {
    const int rc = m(f).xClose(echt(f));
    f->pMethods = nullptr;
    return rc;
}

int lesen(sqlite3_file* f, void* ziel, int n, sqlite3_int64 ab) {
    if (scheitert(Vorgang::Lesen)) return SQLITE_IOERR_READ;
    return weiter(m(f).xRead(echt(f), ziel, n, ab));
}

int schreiben(sqlite3_file* f, const void* quelle, int n, sqlite3_int64 ab) {
    if (const int nummer = scheitert(Vorgang::Schreiben))
        return nummer == ENOSPC ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    return weiter(m(f).xWrite(echt(f), quelle, n, ab));
}

int kuerzen(sqlite3_file* f, sqlite3_int64 laenge) {
    if (scheitert(Vorgang::Kuerzen)) return SQLITE_IOERR_TRUNCATE;
    return weiter(m(f).xTruncate(echt(f), laenge));
}

int sichern(sqlite3_file* f, int art) {
    if (scheitert(Vorgang::Sichern)) return SQLITE_IOERR_FSYNC;
    if (testhaken::synchronisationAus()) return SQLITE_OK;
    return weiter(m(f).xSync(echt(f), art));
}

int groesse(sqlite3_file* f, sqlite3_int64* n) {
    return m(f).xFileSize(echt(f), n);
}

// A failed lock is an I/O error, never "busy": SQLite would wait and retry a busy one.
int sperren(sqlite3_file* f, int stufe) {
    if (scheitert(Vorgang::Sperren)) return SQLITE_IOERR_LOCK;
    return weiter(m(f).xLock(echt(f), stufe));
}

int entsperren(sqlite3_file* f, int stufe) {
    return m(f).xUnlock(echt(f), stufe);
}

int gesperrtPruefen(sqlite3_file* f, int* ja) {
    return m(f).xCheckReservedLock(echt(f), ja);
}

int steuern(sqlite3_file* f, int op, void* arg) {
    return m(f).xFileControl(echt(f), op, arg);
}

int sektor(sqlite3_file* f) {
    return m(f).xSectorSize(echt(f));
}

int eigenschaften(sqlite3_file* f) {
    return m(f).xDeviceCharacteristics(echt(f));
}

// Shared memory is used only by a database another tool switched to WAL, until the writer
// switches it back; it is not a file step of its own.
int shmAbbilden(sqlite3_file* f, int seite, int groesse, int erweitern, void volatile** p) {
    if (m(f).iVersion < 2) return SQLITE_IOERR_SHMMAP;
    return m(f).xShmMap(echt(f), seite, groesse, erweitern, p);
}

int shmSperren(sqlite3_file* f, int ab, int n, int art) {
    if (m(f).iVersion < 2) return SQLITE_IOERR_SHMLOCK;
    return m(f).xShmLock(echt(f), ab, n, art);
}

void shmSchranke(sqlite3_file* f) {
    if (m(f).iVersion >= 2) m(f).xShmBarrier(echt(f));
}

int shmLoesen(sqlite3_file* f, int loeschen) {
    if (m(f).iVersion < 2) return SQLITE_OK;
    return m(f).xShmUnmap(echt(f), loeschen);
}

// Memory mapping is switched off (every read is counted); these only pass the calls on.
int holen(sqlite3_file* f, sqlite3_int64 ab, int n, void** p) {
    if (m(f).iVersion < 3) {
        *p = nullptr;
        return SQLITE_OK;
    }
    return m(f).xFetch(echt(f), ab, n, p);
}

int freigeben(sqlite3_file* f, sqlite3_int64 ab, void* p) {
    if (m(f).iVersion < 3) return SQLITE_OK;
    return m(f).xUnfetch(echt(f), ab, p);
}

int oeffnen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int art, int* aus) {
    auto* z = reinterpret_cast<ZaehlDatei*>(f);
    z->echt = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(f) + sizeof(ZaehlDatei));
    z->echt->pMethods = nullptr;
    f->pMethods = nullptr;
    if (scheitert(Vorgang::Oeffnen)) return SQLITE_CANTOPEN;
    const int rc = weiter(gEcht->xOpen(gEcht, name, z->echt, art, aus));
    // SQLite closes a file whose methods are set, also after a failed open.
    if (z->echt->pMethods != nullptr) f->pMethods = &gMethoden;
    return rc;
}

int loeschen(sqlite3_vfs*, const char* name, int ordnerSichern) {
    if (scheitert(Vorgang::Loeschen)) return SQLITE_IOERR_DELETE;
    return weiter(gEcht->xDelete(gEcht, name, testhaken::synchronisationAus() ? 0 : ordnerSichern));
}

int zugriff(sqlite3_vfs*, const char* name, int art, int* ja) {
    return gEcht->xAccess(gEcht, name, art, ja);
}

int vollerName(sqlite3_vfs*, const char* name, int n, char* aus) {
    return gEcht->xFullPathname(gEcht, name, n, aus);
}

void* dlOeffnen(sqlite3_vfs*, const char* name) {
    return gEcht->xDlOpen(gEcht, name);
}

void dlFehler(sqlite3_vfs*, int n, char* aus) {
    gEcht->xDlError(gEcht, n, aus);
}

using Einsprung = void (*)();
Einsprung dlSymbol(sqlite3_vfs*, void* bib, const char* name) {
    return gEcht->xDlSym(gEcht, bib, name);
}

void dlSchliessen(sqlite3_vfs*, void* bib) {
    gEcht->xDlClose(gEcht, bib);
}

int zufall(sqlite3_vfs*, int n, char* aus) {
    return gEcht->xRandomness(gEcht, n, aus);
}

int schlafen(sqlite3_vfs*, int mikrosekunden) {
    return gEcht->xSleep(gEcht, mikrosekunden);
}

int jetzt(sqlite3_vfs*, double* tage) {
    return gEcht->xCurrentTime(gEcht, tage);
}

int letzterFehler(sqlite3_vfs*, int n, char* aus) {
    if (gErsteFehlernummer != 0) return gErsteFehlernummer;
    return gEcht->xGetLastError ? gEcht->xGetLastError(gEcht, n, aus) : 0;
}

int jetztGenau(sqlite3_vfs*, sqlite3_int64* ms) {
    return gEcht->xCurrentTimeInt64(gEcht, ms);
}

void registrieren() {
    if (sqlite3_initialize() != SQLITE_OK) throw EAFehler(EIO, "SQLite");
    gEcht = sqlite3_vfs_find(nullptr);
    if (gEcht == nullptr || gEcht->iVersion < 2) throw EAFehler(EIO, "SQLite: Dateischicht");

    gMethoden.iVersion = 3;
    gMethoden.xClose = schliessen;
    gMethoden.xRead = lesen;
    gMethoden.xWrite = schreiben;
    gMethoden.xTruncate = kuerzen;
    gMethoden.xSync = sichern;
    gMethoden.xFileSize = groesse;
    gMethoden.xLock = sperren;
    gMethoden.xUnlock = entsperren;
    gMethoden.xCheckReservedLock = gesperrtPruefen;
    gMethoden.xFileControl = steuern;
    gMethoden.xSectorSize = sektor;
    gMethoden.xDeviceCharacteristics = eigenschaften;
    gMethoden.xShmMap = shmAbbilden;
    gMethoden.xShmLock = shmSperren;
    gMethoden.xShmBarrier = shmSchranke;
    gMethoden.xShmUnmap = shmLoesen;
    gMethoden.xFetch = holen;
    gMethoden.xUnfetch = freigeben;

    gVfs.iVersion = 2;
    gVfs.szOsFile = static_cast<int>(sizeof(ZaehlDatei)) + gEcht->szOsFile;
    gVfs.mxPathname = gEcht->mxPathname;
    gVfs.zName = kName;
    gVfs.xOpen = oeffnen;
    gVfs.xDelete = loeschen;
    gVfs.xAccess = zugriff;
    gVfs.xFullPathname = vollerName;
    gVfs.xDlOpen = dlOeffnen;
    gVfs.xDlError = dlFehler;
    gVfs.xDlSym = dlSymbol;
    gVfs.xDlClose = dlSchliessen;
    gVfs.xRandomness = zufall;
    gVfs.xSleep = schlafen;
    gVfs.xCurrentTime = jetzt;
    gVfs.xGetLastError = letzterFehler;
    gVfs.xCurrentTimeInt64 = jetztGenau;
    if (sqlite3_vfs_register(&gVfs, 0) != SQLITE_OK) throw EAFehler(EIO, "SQLite: Dateischicht");
}

} // namespace

int ersteFehlernummer() {
    return gErsteFehlernummer;
}

void fehlernummerVergessen() {
    gErsteFehlernummer = 0;
}

const char* zaehlVfsName() {
    static std::once_flag einmal;
    std::call_once(einmal, registrieren);
    return kName;
}

} // namespace zalvor
