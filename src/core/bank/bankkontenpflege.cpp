// The bank accounts' grid and the checked change.
#include "core/bank/bankkontenpflege.h"

#include "core/common/zeichensatz.h"
#include "core/sepa/pruefziffern.h"

namespace zalvor::bank {

std::string ibanGruppiert(std::string_view iban) {
    std::string s;
    for (std::size_t i = 0; i < iban.size(); ++i) {
        if (i > 0 && i % 4 == 0) s += ' ';
        s += iban[i];
    }
    return s;
}

Raster bankkontenRaster(const Datenbank& db, const TDefinitionen& def) {
    Raster r;
    r.titel = "Bankkonten";
    r.kopf = {"Konto", "Name", "IBAN", "Bank"};
    for (const Bankkonto& k : bankkontenLesen(db))
        r.zeilen.push_back({std::to_string(k.konto),
                            OemNachAnsi(def.konten[static_cast<std::size_t>(k.konto)]),
                            ibanGruppiert(k.iban), utf8NachAnsi(k.bank)});
    return r;
}

Ergebnis<void> bankkontoEintragen(Transaktion& t, int konto, std::string_view iban,
                                  std::string_view bank) {
    const auto geprueft = sepa::ibanPruefen(iban);
    if (!geprueft) return Abweisung{sepa::ungueltigeIbanText()};
    return bankkontoSetzen(t, konto, *geprueft, bank);
}

} // namespace zalvor::bank
