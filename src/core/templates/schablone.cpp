// The template record and its repetition byte.
#include "core/templates/schablone.h"

namespace zalvor {

Wiederholung wiederholungVon(std::uint8_t code) {
    if (code == kCodeJaehrlichGerade || code == kCodeJaehrlichUngerade)
        return Wiederholung::Jaehrlich;
    if ((code >= 1 && code <= 12) || code == kCodeJanuarGerade) return Wiederholung::Monatlich;
    return Wiederholung::Nie;
}

void TSchablone::setzeCode(std::uint8_t code) {
    (satz.istEinnahme() ? satz.kontoVon : satz.kontoNach) = code;
}

TBuchung TSchablone::buchung(int tag, int monat, const std::string& bunr) const {
    TSchablone kopie = *this;
    kopie.setzeCode(kCodeNie);
    kopie.satz.tag = static_cast<std::uint8_t>(tag);
    kopie.satz.monat = static_cast<std::uint8_t>(monat);
    kopie.satz.bunr.setze(bunr);
    return kopie.satz;
}

bool geradesJahr(const Datum& heute) {
    return (heute.jahr % 100) % 2 == 0;
}

} // namespace zalvor
