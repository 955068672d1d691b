// Byte layout of the booking record.
#include "core/files/buchung.h"

#include <algorithm>

namespace zalvor {

std::array<std::uint8_t, TBuchung::kGroesse> TBuchung::packen() const {
    std::array<std::uint8_t, kGroesse> b{};
    b[0] = typcode;
    b[1] = einnahme;
    b[2] = geplant;
    text.schreiben(&b[3]);
    b[34] = tag;
    b[35] = monat;
    std::copy(betrag.bytes.begin(), betrag.bytes.end(), b.begin() + 36);
    beleg.schreiben(&b[42]);
    bunr.schreiben(&b[47]);
    anVon.schreiben(&b[52]);
    b[68] = kontoVon;
    b[69] = kontoNach;
    return b;
}

TBuchung anfangsbestandsBuchung(int konto, long double betrag) {
    TBuchung b;
    b.typcode = 0;
    b.einnahme = 1;
    b.geplant = 0;
    b.text.setze("Anfangsbestand");
    b.tag = 1;
    b.monat = 1;
    b.betrag = Real6::aus(betrag);
    b.bunr.setze("AB");
    b.kontoVon = 0;
    b.kontoNach = static_cast<std::uint8_t>(konto);
    return b;
}

TBuchung TBuchung::entpacken(const std::uint8_t* b) {
    TBuchung r;
    r.typcode = b[0];
    r.einnahme = b[1];
    r.geplant = b[2];
    r.text.lesen(&b[3]);
    r.tag = b[34];
    r.monat = b[35];
    std::copy_n(b + 36, 6, r.betrag.bytes.begin());
    r.beleg.lesen(&b[42]);
    r.bunr.lesen(&b[47]);
    r.anVon.lesen(&b[52]);
    r.kontoVon = b[68];
    r.kontoNach = b[69];
    return r;
}

} // namespace zalvor
