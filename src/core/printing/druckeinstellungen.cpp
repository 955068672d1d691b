// Print settings: defaults, one-byte values and the checks of the dialog's numbers.
#include "core/printing/druckeinstellungen.h"

#include <cctype>

namespace zalvor {

std::uint8_t Druckeinstellungen::ueberschriftstil() const {
    std::uint8_t s = static_cast<std::uint8_t>(schrift1.stil | kFett);
    if (italic == static_cast<std::uint8_t>(Ueberschrift::ImmerKursiv))
        s = static_cast<std::uint8_t>(s | kKursiv);
    else if (italic == static_cast<std::uint8_t>(Ueberschrift::NieKursiv))
        s = static_cast<std::uint8_t>(s & ~kKursiv);
    return s;
}

void randStandard(Druckeinstellungen& e) {
    const Druckeinstellungen d;
    e.oben = d.oben;
    e.links = d.links;
    e.unten = d.unten;
    e.zeilenabstand = d.zeilenabstand;
    e.spaltenabstand = d.spaltenabstand;
}

void erweiterteStandard(Druckeinstellungen& e) {
    const Druckeinstellungen d;
    e.seitennummern = d.seitennummern;
    e.anVon = d.anVon;
    e.italic = d.italic;
}

Druckeinstellungen standardDruckeinstellungen(const Schrift& standardschrift) {
    Druckeinstellungen e;
    e.schrift1 = standardschrift;
    e.schrift1.name = schriftname(e.schrift1.name);
    e.schrift2 = e.schrift1;
    return e;
}

std::uint8_t alsByte(long long wert) {
    return static_cast<std::uint8_t>(static_cast<unsigned long long>(wert) & 0xFFu);
}

std::string schriftname(std::string name) {
    if (name.size() > kSchriftnameMax) name.resize(kSchriftnameMax);
    return name;
}

Druckeingaben druckeingaben(const Druckeinstellungen& e) {
    Druckeingaben d;
    d.oben = std::to_string(e.oben);
    d.links = std::to_string(e.links);
    d.unten = std::to_string(e.unten);
    d.zeilenabstand = std::to_string(e.zeilenabstand);
    d.spaltenabstand = std::to_string(e.spaltenabstand);
    d.seitennummern = e.seitennummern;
    d.anVon = e.anVon;
    d.italic = e.italic;
    d.schrift1 = e.schrift1;
    d.schrift2 = e.schrift2;
    return d;
}

namespace {

// A whole decimal number: blanks before it, an optional sign, at least one digit, nothing
// after it. Values beyond the range of a long are no number either.
std::optional<long long> ganzeZahl(const std::string& t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negativ = t[i++] == '-';
    if (i == t.size()) return std::nullopt;
    long long wert = 0;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return std::nullopt;
        wert = wert * 10 + (t[i] - '0');
        if (wert > 2147483648LL) return std::nullopt;
    }
    if (!negativ && wert > 2147483647LL) return std::nullopt;
    return negativ ? -wert : wert;
}

} // namespace

std::optional<Druckeinstellungen> druckeingabenPruefen(const Druckeingaben& d, Person& p) {
    struct Feld {
        const std::string& text;
        std::uint8_t Druckeinstellungen::*ziel;
        const char* meldung;
    };
    const Feld felder[] = {
        {d.oben, &Druckeinstellungen::oben, "Oberer Seitenrand ist keine Zahl!!!"},
        {d.links, &Druckeinstellungen::links, "Linker Seitenrand ist keine Zahl!!!"},
        {d.unten, &Druckeinstellungen::unten, "Unterer Seitenrand ist keine Zahl!!!"},
        {d.zeilenabstand, &Druckeinstellungen::zeilenabstand, "Zeilenabstand ist keine Zahl!!!"},
        {d.spaltenabstand, &Druckeinstellungen::spaltenabstand, "Spaltenabstand ist keine Zahl!!!"},
    };
    Druckeinstellungen e;
    for (const Feld& f : felder) {
        const auto zahl = ganzeZahl(f.text);
        if (!zahl) {
            p.meldung("Fehler", f.meldung, Symbol::Warnung);
            return std::nullopt;
        }
        e.*f.ziel = alsByte(*zahl);
    }
    e.seitennummern = d.seitennummern;
    e.anVon = d.anVon;
    e.italic = static_cast<std::uint8_t>(d.italic < 0 || d.italic > 2 ? 2 : d.italic);
    e.schrift1 = d.schrift1;
    e.schrift1.name = schriftname(e.schrift1.name);
    e.schrift2 = d.schrift2;
    e.schrift2.name = schriftname(e.schrift2.name);
    return e;
}

} // namespace zalvor
