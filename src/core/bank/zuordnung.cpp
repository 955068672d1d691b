// Type proposals by rule and by what the booking file teaches.
#include "core/bank/zuordnung.h"

#include "core/common/zeichensatz.h"

namespace zalvor::bank {

namespace {

// Long texts are cut before the search: the regular expression engine recurses per
// character, and a rule is meant for the name and the start of the text.
constexpr std::size_t kHoechstSuchtext = 1024;

char kleinWindows(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
    return c;
}

} // namespace

Seite seiteVon(const Auszugszeile& z) {
    return z.richtung == Richtung::Haben ? Seite::Einnahme : Seite::Ausgabe;
}

std::optional<std::uint8_t> typNachRegel(const std::vector<Zuordnungsregel>& regeln,
                                         const Auszugszeile& z) {
    const Seite seite = seiteVon(z);
    std::string text = suchtext(z);
    if (text.size() > kHoechstSuchtext) text.resize(kHoechstSuchtext);
    for (const Zuordnungsregel& r : regeln) {
        if (r.seite && *r.seite != seite) continue;
        if (std::regex_search(text, r.ausdruck)) return Typverwaltung::postenZuTypcode(r.typ);
    }
    return std::nullopt;
}

std::string Lerngedaechtnis::schluessel(std::string_view anVon) {
    anVon = anVon.substr(0, 15);
    const std::size_t anfang = anVon.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) return {};
    const std::size_t ende = anVon.find_last_not_of(" \t");
    std::string s(anVon.substr(anfang, ende - anfang + 1));
    for (char& c : s)
        c = kleinWindows(c);
    return s;
}

Lerngedaechtnis::Lerngedaechtnis(std::span<const TBuchung> buchungen) {
    for (const TBuchung& b : buchungen)
        lernen(b);
}

void Lerngedaechtnis::lernen(const TBuchung& b) {
    if (b.geloescht() || b.istUmbuchung() || b.typcode == kCodeBeitrag || b.istAnfangsbestand())
        return;
    std::string s = schluessel(OemNachAnsi(b.anVon.text()));
    if (s.empty()) return;
    const int datum = b.monat * 100 + b.tag;
    auto& seite = seiten_[b.istEinnahme() ? 1 : 0];
    const auto [it, neu] = seite.try_emplace(std::move(s), Eintrag{datum, b.typcode});
    if (!neu && datum >= it->second.datum) it->second = Eintrag{datum, b.typcode};
}

std::optional<std::uint8_t> Lerngedaechtnis::typ(Seite s, std::string_view nameUtf8) const {
    const auto& seite = seiten_[s == Seite::Einnahme ? 1 : 0];
    const auto it = seite.find(schluessel(utf8NachAnsi(nameUtf8)));
    if (it == seite.end()) return std::nullopt;
    return it->second.typcode;
}

Typvorschlag typVorschlagen(const std::vector<Zuordnungsregel>& regeln,
                            const Lerngedaechtnis& gedaechtnis, const Auszugszeile& z) {
    if (const auto t = typNachRegel(regeln, z)) return {*t, Typquelle::Regel};
    if (const auto t = gedaechtnis.typ(seiteVon(z), z.name)) return {*t, Typquelle::Gelernt};
    return {0, Typquelle::Keine};
}

} // namespace zalvor::bank
