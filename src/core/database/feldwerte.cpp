// Column values of the club database.
#include "core/database/feldwerte.h"

#include <cctype>
#include <cstdio>

namespace zalvor {

namespace {

bool ziffern(std::string_view t) {
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return !t.empty();
}

int zahl(std::string_view t) {
    int n = 0;
    for (char c : t)
        n = n * 10 + (c - '0');
    return n;
}

bool schaltjahr(int j) {
    return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

int tageImMonat(int j, int m) {
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && schaltjahr(j) ? 29 : kTage[m - 1];
}

} // namespace

std::string datumText(const Datum& d) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%04d-%02d-%02d", d.jahr, d.monat, d.tag);
    return puffer;
}

std::optional<Datum> datumAus(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    if (!ziffern(t.substr(0, 4)) || !ziffern(t.substr(5, 2)) || !ziffern(t.substr(8, 2)))
        return std::nullopt;
    const Datum d{zahl(t.substr(0, 4)), zahl(t.substr(5, 2)), zahl(t.substr(8, 2))};
    if (d.monat < 1 || d.monat > 12 || d.tag < 1 || d.tag > tageImMonat(d.jahr, d.monat))
        return std::nullopt;
    return d;
}

std::string kennungNormal(std::string_view iban) {
    std::string s;
    for (char c : iban)
        if (c != ' ') s += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool kennungGestalt(std::string_view kennung, std::size_t min, std::size_t max) {
    if (kennung.size() < min || kennung.size() > max) return false;
    for (std::size_t i = 0; i < kennung.size(); ++i) {
        const char c = kennung[i];
        const bool buchstabe = c >= 'A' && c <= 'Z';
        const bool ziffer = c >= '0' && c <= '9';
        if (i < 2 ? !buchstabe : i < 4 ? !ziffer : !(buchstabe || ziffer)) return false;
    }
    return true;
}

std::size_t zeichenZahl(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace zalvor
