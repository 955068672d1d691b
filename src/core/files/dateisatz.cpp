// Names of the files of one club and year, and the rules of chosen and typed names.
#include "core/files/dateisatz.h"

#include "core/common/dateisystem.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace zalvor {

namespace {

constexpr std::size_t kNamensgrenze = NAME_MAX;
constexpr char kSicherungszeichen = '~';
constexpr std::string_view kListenEndung = ".FL";

bool ziffer(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool punktAlsDrittletztes(const std::string& name) {
    return name.size() >= 3 && name[name.size() - 3] == '.';
}

std::string pruefsumme(const std::string& text) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : text)
        h = (h ^ c) * 16777619u;
    char puffer[9];
    std::snprintf(puffer, sizeof puffer, "%08x", h);
    return puffer;
}

// `pfad` + `endung`; where the name part would pass the limit, it is cut and a check sum of
// the whole name keeps two long names apart.
std::string mitEndung(const std::string& pfad, std::string_view endung) {
    const std::string name = dateinameTeil(pfad);
    if (name.size() + endung.size() <= kNamensgrenze) return pfad + std::string(endung);
    const std::string summe = std::string(1, kSicherungszeichen) + pruefsumme(name);
    const std::size_t platz = kNamensgrenze - endung.size() - summe.size();
    return verzeichnisTeil(pfad) + name.substr(0, platz) + summe + std::string(endung);
}

} // namespace

std::string Dateisatz::buchungsdateiName() const {
    return basis_ + "." + jahr_;
}

std::string Dateisatz::buchungsdatei() const {
    return aufgeloest(buchungsdateiName());
}

std::string Dateisatz::index(int k) const {
    return aufgeloest(buchungsdateiName() + static_cast<char>('0' + k));
}

std::string Dateisatz::definitionen() const {
    return aufgeloest(basis_ + ".def");
}
std::string Dateisatz::definitionenImText() const {
    return basis_ + ".DEF";
}
std::string Dateisatz::schablonen() const {
    return aufgeloest(basis_ + ".SBD");
}
std::string Dateisatz::mitglieder() const {
    return aufgeloest(basis_ + ".MGB");
}
std::string Dateisatz::mitgliederAlt() const {
    return aufgeloest(basis_ + ".MGL");
}
std::string Dateisatz::beitraege() const {
    return aufgeloest(basis_ + ".BTR");
}
std::string Dateisatz::planwerte() const {
    return aufgeloest(buchungsdateiName() + "s");
}
std::string Dateisatz::codewort() const {
    return aufgeloest(basis_ + ".PWD");
}
std::string Dateisatz::datenbank() const {
    return aufgeloest(basis_ + ".zdb");
}
std::string Dateisatz::indexKopie() const {
    return basis_ + ".tmp";
}
std::string Dateisatz::sperre() const {
    return mitEndung(buchungsdateiName(), ".lck");
}
std::string Dateisatz::journal() const {
    return mitEndung(buchungsdateiName(), ".jnl");
}

std::string sicherungsname(const std::string& basisname) {
    const auto trenner = basisname.rfind('/');
    const std::size_t i = trenner == std::string::npos ? 0 : trenner + 1;
    if (i >= basisname.size()) return basisname;
    // The whole first character is replaced, also when it takes several bytes in UTF-8.
    std::size_t ende = i + 1;
    while (ende < basisname.size() && (static_cast<unsigned char>(basisname[ende]) & 0xC0) == 0x80)
        ++ende;
    return basisname.substr(0, i) + kSicherungszeichen + basisname.substr(ende);
}

Dateisatz Dateisatz::sicherung() const {
    return Dateisatz(sicherungsname(basis_), jahr_);
}

bool Dateisatz::sicherungMoeglich() const {
    return sicherungsname(basis_) != basis_;
}

std::optional<std::string> Dateisatz::zuLangerName() const {
    // The longest names of the set; the backups are no longer than the names they keep.
    for (const std::string& name : {buchungsdateiName() + "9", buchungsdateiName() + "s",
                                    basis_ + ".def", indexKopie(), sperre(), journal()})
        if (dateinameTeil(name).size() > kNamensgrenze) return name;
    return std::nullopt;
}

std::string Dateisatz::mitJahr(const std::string& name, const std::string& jahr) {
    return punktAlsDrittletztes(name) ? name : name + "." + jahr;
}

bool Dateisatz::istSicherungsname(const std::string& name) {
    const std::size_t ab = name.size() > 13 ? name.size() - 13 : 0;
    return name.find(kSicherungszeichen, ab) != std::string::npos;
}

bool Dateisatz::istSicherungskopie(std::string_view dateiname) {
    return !dateiname.empty() && dateiname.front() == kSicherungszeichen;
}

Dateisatz Dateisatz::ausBuchungsdatei(const std::string& name) {
    const std::string jahr = name.size() < 2 ? name : name.substr(name.size() - 2);
    const std::string basis = name.size() >= 3 ? name.substr(0, name.size() - 3) : std::string();
    return Dateisatz(basis, jahr);
}

std::string Dateisatz::mitAnderemJahr(const std::string& name, const std::string& jahr) {
    return name.substr(0, name.size() < 2 ? 0 : name.size() - 2) + jahr;
}

Dateisatz Dateisatz::neu(const std::string& eingabe, const std::string& kalenderjahr) {
    // Only two digits after the point make a year; "Kasse.ab" is a base name.
    if (punktAlsDrittletztes(eingabe) && ziffer(eingabe.back()) &&
        ziffer(eingabe[eingabe.size() - 2]))
        return ausBuchungsdatei(eingabe);
    return Dateisatz(eingabe, kalenderjahr);
}

std::string Dateisatz::listenname(const std::string& eingabe) {
    return punktAlsDrittletztes(eingabe) ? eingabe : eingabe + std::string(kListenEndung);
}

bool Dateisatz::istListenname(const std::string& name) {
    if (name.size() < kListenEndung.size()) return false;
    std::string ende = name.substr(name.size() - kListenEndung.size());
    std::transform(ende.begin(), ende.end(), ende.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return ende == kListenEndung;
}

std::string Dateisatz::listenmuster() {
    return "*" + std::string(kListenEndung);
}

std::string Dateisatz::listenEndung() {
    return std::string(kListenEndung);
}

std::string Dateisatz::listenKopie(const std::string& listenpfad) {
    return pfadVerbinden(verzeichnisTeil(listenpfad), "~FL.Tmp");
}

std::string Dateisatz::temporaer(const std::string& ziel) {
    return mitEndung(ziel, ".zlv-neu");
}

} // namespace zalvor
