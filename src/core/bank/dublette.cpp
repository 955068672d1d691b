// Duplicate keys of statement lines.
#include "core/bank/dublette.h"

#include "core/bank/regeln.h"

#include <cstdio>
#include <unordered_map>

namespace zalvor::bank {

namespace {

// Case and blanks of the free texts differ between a bank's formats; the key ignores them.
std::string gefaltet(const std::string& text) {
    std::string s = kleinUmlaute(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

std::string dublettenSchluessel(const Auszugszeile& z) {
    if (!z.bankreferenz.empty()) {
        std::string k = "R|" + z.bankreferenz;
        if (z.teil > 0) k += "|" + std::to_string(z.teil);
        return k;
    }
    char datum[16];
    std::snprintf(datum, sizeof datum, "%04d-%02d-%02d", z.buchungsdatum.jahr,
                  z.buchungsdatum.monat, z.buchungsdatum.tag);
    return std::string("I|") + datum + "|" + std::to_string(z.cent) + "|" +
           (z.richtung == Richtung::Haben ? "H" : "S") + "|" + gefaltet(z.name) + "|" +
           gefaltet(z.text.empty() ? z.zusatzinfo : z.text);
}

std::vector<std::string> dublettenSchluessel(const Kontoauszug& a) {
    std::vector<std::string> schluessel;
    schluessel.reserve(a.zeilen.size());
    std::unordered_map<std::string, int> gesehen;
    for (const Auszugszeile& z : a.zeilen) {
        std::string k = dublettenSchluessel(z);
        const int n = ++gesehen[k];
        if (n > 1) k += "#" + std::to_string(n);
        schluessel.push_back(std::move(k));
    }
    return schluessel;
}

} // namespace zalvor::bank
