// Booking fields of a statement line.
#include "core/bank/auszugbuchung.h"

#include "core/common/zeichensatz.h"

namespace zalvor::bank {

std::string nichtgebuchtText(Nichtgebucht g) {
    switch (g) {
    case Nichtgebucht::Vorgemerkt:
        return "vorgemerkt";
    case Nichtgebucht::AnderesJahr:
        return "anderes Jahr";
    case Nichtgebucht::AndereWaehrung:
        return A("andere Währung");
    case Nichtgebucht::Nein:
        break;
    }
    return {};
}

std::string dosText(std::string_view utf8, std::size_t laenge) {
    std::string windows = utf8NachAnsi(utf8);
    if (windows.size() > laenge) windows.resize(laenge);
    return AnsiNachOem(windows);
}

Buchungsfelder buchungsfelder(const Auszugszeile& z, int jahr, std::string_view waehrung) {
    Buchungsfelder f;
    if (z.status != Status::Gebucht)
        f.grund = Nichtgebucht::Vorgemerkt;
    else if (z.buchungsdatum.jahr != jahr)
        f.grund = Nichtgebucht::AnderesJahr;
    else if (z.waehrung != waehrung)
        f.grund = Nichtgebucht::AndereWaehrung;
    f.tag = static_cast<std::uint8_t>(z.buchungsdatum.tag);
    f.monat = static_cast<std::uint8_t>(z.buchungsdatum.monat);
    f.cent = z.cent;
    f.einnahme = z.richtung == Richtung::Haben;
    f.text = dosText(z.text.empty() ? z.zusatzinfo : z.text, 30);
    f.anVon = dosText(z.name, 15);
    return f;
}

TBuchung alsBuchung(const Buchungsfelder& f, int konto, std::uint8_t typcode) {
    TBuchung b;
    b.typcode = typcode;
    b.einnahme = f.einnahme ? 1 : 0;
    b.geplant = 0;
    b.text.setze(f.text);
    b.tag = f.tag;
    b.monat = f.monat;
    b.betrag = Real6::aus(static_cast<long double>(f.cent) / 100.0L);
    b.anVon.setze(f.anVon);
    const auto k = static_cast<std::uint8_t>(konto);
    b.kontoNach = f.einnahme ? k : 0;
    b.kontoVon = f.einnahme ? 0 : k;
    return b;
}

} // namespace zalvor::bank
