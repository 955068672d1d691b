// The repetition rules.
#include "core/templates/wiederholung.h"

namespace zalvor {

namespace {

// Start month of a monthly code in this year, 0 when it does not start this year.
int startmonat(std::uint8_t code, bool gerade) {
    if (code == kCodeJanuarGerade) return gerade ? 1 : 0;
    if (code == 1) return gerade ? 0 : 1;
    return code;
}

bool datumErreicht(int tag, int monat, const Datum& heute) {
    return monat < heute.monat || (monat == heute.monat && tag <= heute.tag);
}

} // namespace

std::uint8_t folgemonatsCode(int monat, bool gerade) {
    if (monat >= 12) return gerade ? 1 : kCodeJanuarGerade;
    return static_cast<std::uint8_t>(monat + 1);
}

std::uint8_t wiederholungsCode(Wiederholung wahl, int tag, int monat, const Datum& heute) {
    const bool gerade = geradesJahr(heute);
    switch (wahl) {
    case Wiederholung::Nie:
        return kCodeNie;
    case Wiederholung::Monatlich:
        if (tag > heute.tag)
            return heute.monat == 1 && gerade ? kCodeJanuarGerade
                                              : static_cast<std::uint8_t>(heute.monat);
        return folgemonatsCode(heute.monat, gerade);
    case Wiederholung::Jaehrlich:
        // A date already passed this year is next due in the other parity's year.
        if (datumErreicht(tag, monat, heute))
            return gerade ? kCodeJaehrlichUngerade : kCodeJaehrlichGerade;
        return gerade ? kCodeJaehrlichGerade : kCodeJaehrlichUngerade;
    }
    return kCodeNie;
}

std::vector<Faelligkeit> faelligkeiten(std::uint8_t code, int tag, int monat, const Datum& heute) {
    std::vector<Faelligkeit> faellig;
    const bool gerade = geradesJahr(heute);
    const int m = heute.monat;
    switch (wiederholungVon(code)) {
    case Wiederholung::Nie:
        break;
    case Wiederholung::Monatlich: {
        const int s = startmonat(code, gerade);
        if (s == 0) break;
        for (int k = s; k < m; ++k)
            faellig.push_back({k, static_cast<std::uint8_t>(k + 1)});
        if (s <= m && tag <= heute.tag) faellig.push_back({m, folgemonatsCode(m, gerade)});
        break;
    }
    case Wiederholung::Jaehrlich: {
        const bool diesesJahr = (code == kCodeJaehrlichGerade) == gerade;
        if (diesesJahr && datumErreicht(tag, monat, heute))
            faellig.push_back({monat, gerade ? kCodeJaehrlichUngerade : kCodeJaehrlichGerade});
        break;
    }
    }
    return faellig;
}

} // namespace zalvor
