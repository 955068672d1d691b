// QSettings as the settings store: one-byte values are one-byte binary values, names are
// strings; every write is synced so that a failure is seen where it happens.
#include "druckwerk/qteinstellungsspeicher.h"

#include "druckwerk/druckschrift.h"

#include <QByteArray>
#include <QFileInfo>

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

bool QtEinstellungsspeicher::schreiben(const std::string& pfad, const std::string& name,
                                       const QVariant& wert) {
    einstellungen_->setValue(schluessel(pfad, name), wert);
    einstellungen_->sync();
    return einstellungen_->status() == QSettings::NoError;
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

void druckeinstellungenSpeichern(Person& p, const Druckeinstellungen& e, bool ersterLauf) {
    QtEinstellungsspeicher s;
    druckeinstellungenSchreiben(s, p, e, ersterLauf);
}

} // namespace zalvor::druck
