// QSettings as the settings store: one-byte values are one-byte binary values, names are
// strings; every write is synced so that a failure is seen where it happens.
#include "print/qteinstellungsspeicher.h"

#include "print/druckschrift.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>

namespace zalvor::druck {

namespace {

QString schluessel(const std::string& pfad, const std::string& name) {
    return QString::fromStdString(pfad + "/" + name);
}

} // namespace

QtEinstellungsspeicher::QtEinstellungsspeicher()
    : einstellungen_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 "Orvan-Software", "EINAUS")) {}

Einstellungsspeicher::Zugang QtEinstellungsspeicher::oeffnen() {
    einstellungen_->sync();
    const QFileInfo datei(einstellungen_->fileName());
    if (einstellungen_->status() == QSettings::AccessError) return Zugang::Fehlt;
    if (!datei.exists()) return einstellungen_->isWritable() ? Zugang::Angelegt : Zugang::Fehlt;
    if (!datei.isReadable()) return Zugang::Fehlt;
    return Zugang::Vorhanden;
}

bool QtEinstellungsspeicher::schluesselOeffnen(const std::string& pfad, bool anlegen) {
    if (anlegen) return einstellungen_->isWritable();
    const QString p = QString::fromStdString(pfad);
    const qsizetype schnitt = p.lastIndexOf('/');
    if (schnitt >= 0) einstellungen_->beginGroup(p.left(schnitt));
    const bool da = einstellungen_->childGroups().contains(p.mid(schnitt + 1));
    if (schnitt >= 0) einstellungen_->endGroup();
    return da;
}

std::optional<std::uint8_t> QtEinstellungsspeicher::byteLesen(const std::string& pfad,
                                                              const std::string& name) {
    const QVariant w = einstellungen_->value(schluessel(pfad, name));
    if (w.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray b = w.toByteArray();
    if (b.size() != 1) return std::nullopt;
    return static_cast<std::uint8_t>(b[0]);
}

std::optional<std::string> QtEinstellungsspeicher::textLesen(const std::string& pfad,
                                                             const std::string& name) {
    const QVariant w = einstellungen_->value(schluessel(pfad, name));
    if (w.typeId() != QMetaType::QString) return std::nullopt;
    return schriftname(ansiText(w.toString()));
}

// QSettings waits without end for its lock file, and one that cannot be taken or removed (a
// folder in its place, a lock of a program that hangs) would stop the program. Taking it
// here first, with a limit, turns that into a failed write. After one failure the store
// stays refused, so that the other values do not wait again; no value is set, so that
// QSettings never syncs them at its end either.
bool QtEinstellungsspeicher::sperreFrei() {
    if (gesperrt_) return false;
    const QString pfad = einstellungen_->fileName() + ".lock";
    QLockFile sperre(pfad);
    bool frei = sperre.tryLock(0);
    // A lock naming this process is one whose removal failed before (it is never held
    // between two writes): removed, not waited for.
    qint64 prozess = 0;
    QString rechner, programm;
    if (!frei && sperre.error() == QLockFile::LockFailedError &&
        sperre.getLockInfo(&prozess, &rechner, &programm) &&
        prozess == QCoreApplication::applicationPid() && rechner == QSysInfo::machineHostName())
        sperre.removeStaleLockFile();
    if (!frei) frei = sperre.tryLock(sperreWartenMs);
    if (frei) {
        sperre.unlock();
        // The same again if this removal failed.
        if (!QFileInfo::exists(pfad) || QFile::remove(pfad)) return true;
    }
    gesperrt_ = true;
    return false;
}

bool QtEinstellungsspeicher::schreiben(const std::string& pfad, const std::string& name,
                                       const QVariant& wert) {
    if (!sperreFrei()) return false;
    const QString s = schluessel(pfad, name);
    einstellungen_->setValue(s, wert);
    einstellungen_->sync();
    return einstellungen_->status() == QSettings::NoError && aufDerPlatte(s, wert);
}

// When the last piece of a write fails, Qt can still put the incomplete file in place and
// report success (the failure of its write buffer is not looked at), so each write is
// checked on a copy of the file, read anew and not from the cache of this process.
bool QtEinstellungsspeicher::aufDerPlatte(const QString& schluessel, const QVariant& wert) {
    const QTemporaryDir ordner;
    if (!ordner.isValid()) return false;
    const QString kopie = ordner.filePath("EINAUS.conf");
    if (!QFile::copy(einstellungen_->fileName(), kopie)) return false;
    const QSettings gelesen(kopie, QSettings::IniFormat);
    return gelesen.status() == QSettings::NoError && gelesen.value(schluessel) == wert;
}

bool QtEinstellungsspeicher::byteSchreiben(const std::string& pfad, const std::string& name,
                                           std::uint8_t wert) {
    return schreiben(pfad, name, QByteArray(1, static_cast<char>(wert)));
}

bool QtEinstellungsspeicher::textSchreiben(const std::string& pfad, const std::string& name,
                                           const std::string& wert) {
    return schreiben(pfad, name, qtText(schriftname(wert)));
}

bool druckeinstellungenLaden(Person& p, Druckeinstellungen& e) {
    QtEinstellungsspeicher s;
    return druckeinstellungenLesen(s, p, e, standardschrift());
}

bool druckeinstellungenSpeichern(Person& p, const Druckeinstellungen& e, bool ersterLauf) {
    QtEinstellungsspeicher s;
    return druckeinstellungenSchreiben(s, p, e, ersterLauf);
}

} // namespace zalvor::druck
