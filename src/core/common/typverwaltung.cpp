// Type store: names, item numbers, type codes and the assignments of nested groups.
#include "core/common/typverwaltung.h"

#include <algorithm>

namespace zalvor {

namespace {
constexpr std::size_t kNamenLaenge = 15;
}

std::string Typverwaltung::typName(Seite s, int typ) const {
    if (typ < 1 || typ > kTypen) return {};
    return seite(s).typen[static_cast<std::size_t>(typ)];
}

void Typverwaltung::setzeTypName(Seite s, int typ, const std::string& name) {
    if (typ < 1 || typ > kTypen) return;
    seite(s).typen[static_cast<std::size_t>(typ)] = name.substr(0, kNamenLaenge);
}

std::string Typverwaltung::gruppenName(Seite s, int gruppe) const {
    if (gruppe < 1 || gruppe > kGruppen) return {};
    return seite(s).gruppen[static_cast<std::size_t>(gruppe)];
}

void Typverwaltung::setzeGruppenName(Seite s, int gruppe, const std::string& name) {
    if (gruppe < 1 || gruppe > kGruppen) return;
    seite(s).gruppen[static_cast<std::size_t>(gruppe)] = name.substr(0, kNamenLaenge);
}

std::string Typverwaltung::postenName(Seite s, int posten) const {
    return istGruppe(posten) ? gruppenName(s, postenZuGruppe(posten)) : typName(s, posten);
}

std::string Typverwaltung::postenAlsTypName(Seite s, int posten) const {
    if (posten == kUmbuchungsMarke) return "Umbuchung";
    if (posten == kBeitragsMarke) return "Beitrag";
    if (posten >= 1 && posten <= kTypen) return typName(s, posten);
    return "Sonstige";
}

std::string Typverwaltung::typcodeName(Seite s, std::uint8_t typcode) const {
    return postenAlsTypName(s, typcodeZuPosten(typcode));
}

int Typverwaltung::gruppeVon(Seite s, int posten) const {
    if (posten < 1 || posten > kPosten) return 0;
    return seite(s).zuordnung[static_cast<std::size_t>(posten)];
}

void Typverwaltung::setzeGruppeVon(Seite s, int posten, int gruppe) {
    if (posten < 1 || posten > kPosten || gruppe < 0 || gruppe > kGruppen) return;
    seite(s).zuordnung[static_cast<std::size_t>(posten)] = static_cast<std::uint8_t>(gruppe);
}

int Typverwaltung::typcodeZuPosten(int typcode) {
    if (typcode >= 1 && typcode <= 20) return typcode;
    if (typcode == kCodeUmbuchung) return kUmbuchungsMarke;
    if (typcode == kCodeBeitrag) return kBeitragsMarke;
    if (typcode >= 23 && typcode <= 52) return typcode - 2;
    return 0;
}

std::uint8_t Typverwaltung::postenZuTypcode(int posten) {
    if (posten >= 1 && posten <= 20) return static_cast<std::uint8_t>(posten);
    if (posten >= 21 && posten <= 50) return static_cast<std::uint8_t>(posten + 2);
    if (posten == kUmbuchungsMarke) return kCodeUmbuchung;
    if (posten == kBeitragsMarke) return kCodeBeitrag;
    return 0;
}

void Typverwaltung::namenLeeren() {
    for (auto& sd : seiten_) {
        for (auto& n : sd.typen)
            n.clear();
        for (auto& n : sd.gruppen)
            n.clear();
    }
}

void Typverwaltung::zuordnungenLeeren() {
    for (auto& sd : seiten_)
        sd.zuordnung.fill(0);
}

std::string Typverwaltung::kompakttext(Seite s) const {
    std::string text;
    const auto& z = seite(s).zuordnung;
    for (int posten = 1; posten <= 20; ++posten)
        text += static_cast<char>('0' + z[static_cast<std::size_t>(posten)]);
    for (int posten = 51; posten <= 69; ++posten)
        text += static_cast<char>('0' + z[static_cast<std::size_t>(posten)]);
    return text;
}

void Typverwaltung::kompakttexteLaden(const std::string& ausgabe, const std::string& einnahme) {
    auto laden = [](SeitenDaten& sd, const std::string& text) {
        for (std::size_t i = 0; i < 39; ++i) {
            int posten = i < 20 ? static_cast<int>(i) + 1 : static_cast<int>(i) + 31;
            int wert = i < text.size() ? static_cast<unsigned char>(text[i]) - '0' : 0;
            // A character outside the group range means no group.
            if (wert < 0 || wert > kGruppen) wert = 0;
            sd.zuordnung[static_cast<std::size_t>(posten)] = static_cast<std::uint8_t>(wert);
        }
    };
    laden(seite(Seite::Ausgabe), ausgabe);
    laden(seite(Seite::Einnahme), einnahme);
}

} // namespace zalvor
