// Names of the files of one club and year.
#include "core/files/dateisatz.h"

#include "core/common/dateisystem.h"

namespace zalvor {

std::string Dateisatz::gefunden(const std::string& name) const {
    return aufgeloest(name);
}

std::string Dateisatz::buchungsdatei() const {
    return gefunden(buchungsdateiName());
}

std::string Dateisatz::index(int k) const {
    return gefunden(buchungsdateiName() + static_cast<char>('0' + k));
}

std::string Dateisatz::definitionen() const {
    return gefunden(basis_ + ".def");
}
std::string Dateisatz::schablonen() const {
    return gefunden(basis_ + ".SBD");
}
std::string Dateisatz::mitglieder() const {
    return gefunden(basis_ + ".MGB");
}
std::string Dateisatz::mitgliederAlt() const {
    return gefunden(basis_ + ".MGL");
}
std::string Dateisatz::beitraege() const {
    return gefunden(basis_ + ".BTR");
}
std::string Dateisatz::planwerte() const {
    return gefunden(buchungsdateiName() + "s");
}
std::string Dateisatz::codewort() const {
    return gefunden(basis_ + ".PWD");
}
// Always written in the same letter case.
std::string Dateisatz::indexKopie() const {
    return basis_ + ".tmp";
}
std::string Dateisatz::sperre() const {
    return buchungsdateiName() + ".lck";
}

std::string sicherungsname(const std::string& basisname) {
    const auto trenner = basisname.rfind('/');
    const std::size_t i = trenner == std::string::npos ? 0 : trenner + 1;
    if (i >= basisname.size()) return basisname;
    // The whole first character is replaced, also when it takes several bytes in UTF-8.
    std::size_t ende = i + 1;
    while (ende < basisname.size() && (static_cast<unsigned char>(basisname[ende]) & 0xC0) == 0x80)
        ++ende;
    return basisname.substr(0, i) + "~" + basisname.substr(ende);
}

Dateisatz Dateisatz::sicherung() const {
    return Dateisatz(sicherungsname(basis_), jahr_);
}

bool Dateisatz::sicherungMoeglich() const {
    return sicherungsname(basis_) != basis_;
}

} // namespace zalvor
