// The print settings in Qt's per-user settings (native format) under
// "Orvan-Software/EINAUS", group "Druck".
#pragma once

#include "core/printing/einstellungsspeicher.h"

#include <QSettings>

#include <memory>

namespace zalvor::druck {

class QtEinstellungsspeicher : public Einstellungsspeicher {
  public:
    QtEinstellungsspeicher();

    Zugang oeffnen() override;
    bool schluesselOeffnen(const std::string& pfad, bool anlegen) override;
    std::optional<std::uint8_t> byteLesen(const std::string& pfad,
                                          const std::string& name) override;
    std::optional<std::string> textLesen(const std::string& pfad, const std::string& name) override;
    bool byteSchreiben(const std::string& pfad, const std::string& name,
                       std::uint8_t wert) override;
    bool textSchreiben(const std::string& pfad, const std::string& name,
                       const std::string& wert) override;

    QString dateiname() const { return einstellungen_->fileName(); }

    // How long a write waits for another program holding the settings file (tests shorten it).
    static inline int sperreWartenMs = 2000;

  private:
    bool schreiben(const std::string& pfad, const std::string& name, const QVariant& wert);
    bool sperreFrei();
    bool aufDerPlatte(const QString& schluessel, const QVariant& wert);
    std::unique_ptr<QSettings> einstellungen_;
    bool gesperrt_ = false;
};

// The whole reading and writing of the settings with the platform's store. Reading keeps in
// `e` what cannot be read and returns true on a first run; writing returns true when every
// value was stored.
bool druckeinstellungenLaden(Person& p, Druckeinstellungen& e);
bool druckeinstellungenSpeichern(Person& p, const Druckeinstellungen& e, bool ersterLauf);

} // namespace zalvor::druck
