// ZIP archives after the published file format: the end record, the central directory, the
// local headers; members stored or deflated.
#include "core/bank/zip.h"

#include "core/common/zeichensatz.h"

#include "core/bank/bankwerte.h"
#include "core/bank/inflate.h"
#include "core/bank/kontoauszug.h"

#include <array>

namespace zalvor::bank {

namespace {

constexpr std::uint32_t kLokal = 0x04034B50;
constexpr std::uint32_t kZentral = 0x02014B50;
constexpr std::uint32_t kEnde = 0x06054B50;
constexpr std::size_t kEndeGroesse = 22;
constexpr std::size_t kZentralGroesse = 46;
constexpr std::size_t kLokalGroesse = 30;
constexpr std::size_t kHoechstEintraege = 1000;

class Leser {
  public:
    explicit Leser(std::string_view d) : d_(d) {}
    bool da(std::size_t pos, std::size_t n) const {
        return pos <= d_.size() && n <= d_.size() - pos;
    }
    std::uint32_t wort(std::size_t pos) const { return byte(pos) | (byte(pos + 1) << 8); }
    std::uint32_t doppel(std::size_t pos) const { return wort(pos) | (wort(pos + 2) << 16); }
    std::string_view stueck(std::size_t pos, std::size_t n) const { return d_.substr(pos, n); }

  private:
    std::string_view d_;
    std::uint32_t byte(std::size_t pos) const { return static_cast<unsigned char>(d_[pos]); }
};

[[noreturn]] void fehler(const std::string& eintrag, const std::string& text) {
    throw AuszugFehler(Fundstelle{fensterText(eintrag), 0, {}}, text);
}

std::size_t endeSuchen(const Leser& z, std::size_t groesse) {
    if (groesse < kEndeGroesse) fehler({}, "ZIP-Archiv ohne Inhaltsverzeichnis");
    const std::size_t frueheste =
        groesse > kEndeGroesse + 0xFFFF ? groesse - kEndeGroesse - 0xFFFF : 0;
    for (std::size_t pos = groesse - kEndeGroesse + 1; pos-- > frueheste;)
        if (z.doppel(pos) == kEnde && pos + kEndeGroesse + z.wort(pos + 20) == groesse) return pos;
    fehler({}, "ZIP-Archiv ohne Inhaltsverzeichnis");
}

} // namespace

bool istZip(std::string_view daten) {
    return daten.size() >= 4 && daten.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

std::uint32_t crc32(std::string_view daten) {
    static const std::array<std::uint32_t, 256> kTabelle = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFU;
    for (char b : daten)
        c = kTabelle[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

std::vector<ZipEintrag> zipLesen(std::string_view archiv, std::size_t hoechstens) {
    const Leser z(archiv);
    const std::size_t ende = endeSuchen(z, archiv.size());
    const std::uint32_t anzahl = z.wort(ende + 10);
    const std::uint32_t verzeichnisGroesse = z.doppel(ende + 12);
    const std::uint32_t verzeichnis = z.doppel(ende + 16);
    if (z.wort(ende + 4) != 0 || z.wort(ende + 6) != 0 || anzahl != z.wort(ende + 8))
        fehler({}, A("mehrteilige ZIP-Archive werden nicht unterstützt"));
    if (anzahl == 0xFFFF || verzeichnis == 0xFFFFFFFFU)
        fehler({}, A("ZIP64-Archive werden nicht unterstützt"));
    if (anzahl > kHoechstEintraege) fehler({}, "zu viele Dateien im ZIP-Archiv");
    if (!z.da(verzeichnis, verzeichnisGroesse) || verzeichnis + verzeichnisGroesse > ende)
        fehler({}, A("Inhaltsverzeichnis des ZIP-Archivs liegt außerhalb der Datei"));

    std::vector<ZipEintrag> eintraege;
    std::size_t entpackt = 0;
    std::size_t pos = verzeichnis;
    for (std::uint32_t i = 0; i < anzahl; ++i) {
        if (!z.da(pos, kZentralGroesse) || z.doppel(pos) != kZentral)
            fehler({}, A("Inhaltsverzeichnis des ZIP-Archivs beschädigt"));
        const std::uint32_t merkmale = z.wort(pos + 8);
        const std::uint32_t verfahren = z.wort(pos + 10);
        const std::uint32_t pruefsumme = z.doppel(pos + 16);
        const std::uint32_t gepackt = z.doppel(pos + 20);
        const std::uint32_t groesse = z.doppel(pos + 24);
        const std::size_t namenLaenge = z.wort(pos + 28);
        const std::size_t zusatz = z.wort(pos + 30) + static_cast<std::size_t>(z.wort(pos + 32));
        const std::size_t lokal = z.doppel(pos + 42);
        if (!z.da(pos + kZentralGroesse, namenLaenge + zusatz))
            fehler({}, A("Inhaltsverzeichnis des ZIP-Archivs beschädigt"));
        std::string name(z.stueck(pos + kZentralGroesse, namenLaenge));
        pos += kZentralGroesse + namenLaenge + zusatz;
        if (!name.empty() && name.back() == '/') continue;

        if ((merkmale & 1U) != 0) fehler(name, A("verschlüsselte Datei im ZIP-Archiv"));
        if (verfahren != 0 && verfahren != 8)
            fehler(name,
                   "Packverfahren " + std::to_string(verfahren) + A(" wird nicht unterstützt"));
        if (groesse > hoechstens - entpackt)
            fehler(name,
                   A("ZIP-Archiv entpackt größer als ") + std::to_string(hoechstens) + " Bytes");
        if (!z.da(lokal, kLokalGroesse) || z.doppel(lokal) != kLokal)
            fehler(name, "lokaler Kopf der Datei fehlt");
        const std::size_t daten = lokal + kLokalGroesse + z.wort(lokal + 26) + z.wort(lokal + 28);
        if (!z.da(daten, gepackt)) fehler(name, A("Datei reicht über das Ende des ZIP-Archivs"));
        const std::string_view roh = z.stueck(daten, gepackt);

        std::string inhalt;
        if (verfahren == 0) {
            if (gepackt != groesse) fehler(name, A("ungepackte Datei mit falscher Größe"));
            inhalt = std::string(roh);
        } else {
            try {
                inhalt = inflate(roh, groesse);
            } catch (const EntpackFehler& e) {
                fehler(name, e.what());
            }
            if (inhalt.size() != groesse) fehler(name, A("entpackte Größe stimmt nicht"));
        }
        if (crc32(inhalt) != pruefsumme) fehler(name, A("Prüfsumme stimmt nicht"));
        entpackt += inhalt.size();
        eintraege.push_back({std::move(name), std::move(inhalt)});
    }
    return eintraege;
}

} // namespace zalvor::bank
