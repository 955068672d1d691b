// Helpers of the GUI tests: records and files written the way the program stores them.
#include "guitesthilfen.h"

#include "core/common/real6.h"

#include <QTemporaryDir>

#include <fstream>

namespace zalvor::guitest {

zalvor::TBuchung buchung(const Neu& n) {
    zalvor::TBuchung b;
    b.bunr.setze(n.bunr);
    b.tag = static_cast<std::uint8_t>(n.tag);
    b.monat = static_cast<std::uint8_t>(n.monat);
    b.betrag = zalvor::Real6::aus(n.betrag);
    b.einnahme = n.einnahme ? 1 : 0;
    b.kontoVon = static_cast<std::uint8_t>(n.kontoVon);
    b.kontoNach = static_cast<std::uint8_t>(n.kontoNach);
    b.typcode = static_cast<std::uint8_t>(n.typ);
    b.geplant = n.geplant ? 1 : 0;
    b.text.setze(n.text);
    return b;
}

void dateiAnlegen(const std::string& basisname, const std::string& jahr,
                  const std::vector<zalvor::TBuchung>& buchungen,
                  const zalvor::TDefinitionen& def) {
    zalvor::test::AufzeichnendePerson stumm;
    zalvor::TDefinitionen d = def;
    zalvor::definitionenSchreiben(basisname, d, stumm);
    std::ofstream datei(basisname + "." + jahr, std::ios::binary | std::ios::trunc);
    for (const auto& b : buchungen) {
        const auto bytes = b.packen();
        datei.write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
    }
    for (int k = 1; k <= 9; ++k) {
        std::ofstream index(basisname + "." + jahr + std::to_string(k),
                            std::ios::binary | std::ios::trunc);
        for (std::size_t i = 0; i < buchungen.size(); ++i) {
            const char zwei[2] = {static_cast<char>(i & 0xFF), static_cast<char>((i >> 8) & 0xFF)};
            index.write(zwei, 2);
        }
    }
}

void grosseDateiAnlegen(const std::string& basisname, const std::string& jahr, std::uint32_t n) {
    std::vector<zalvor::TBuchung> buchungen;
    buchungen.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        Neu neu;
        neu.bunr = std::to_string(i + 1);
        neu.tag = static_cast<int>(i % 28) + 1;
        neu.monat = static_cast<int>(i % 12) + 1;
        neu.betrag = 1 + static_cast<long double>(i % 5000) / 4;
        neu.einnahme = i % 3 == 0;
        neu.kontoVon = neu.einnahme ? 0 : static_cast<int>(i % 9) + 1;
        neu.kontoNach = neu.einnahme ? static_cast<int>(i % 9) + 1 : 0;
        neu.text = "Buchung Nr. " + std::to_string(i + 1);
        buchungen.push_back(buchung(neu));
    }
    dateiAnlegen(basisname, jahr, buchungen);
}

void eigeneKonfiguration() {
    // Settings, recent clubs and the Euro label copy go into a folder of this test run,
    // never into the home folder of the machine.
    static QTemporaryDir ordner;
    static const bool gesetzt = qputenv("XDG_CONFIG_HOME", ordner.path().toLocal8Bit());
    Q_UNUSED(gesetzt);
}

Fenster::Fenster()
    : form((eigeneKonfiguration(), std::make_unique<zalvor::gui::TMainForm>("", uhr, &person))) {}

QString u(const char* text) {
    return QString::fromUtf8(text);
}

zalvor::TDefinitionen unbenannteKonten() {
    zalvor::TDefinitionen d;
    for (int n = 1; n <= 9; ++n)
        d.konten[static_cast<std::size_t>(n)] = zalvor::kUnbenannt;
    return d;
}

} // namespace zalvor::guitest
