// Account balances of the active file, real and with planned bookings.
#include "core/mainwindow/kontostaende.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"

namespace zalvor {

namespace {

void buchen(Kontostand& k, const TBuchung& b, int konto) {
    const long double betrag = b.betrag.wert();
    const long double wirkung =
        (b.kontoNach == konto ? betrag : 0) - (b.kontoVon == konto ? betrag : 0);
    if (!b.istGeplant()) k.real += wirkung;
    k.mitGeplanten += wirkung;
}

} // namespace

Kontostaende kontostaendeAus(const std::vector<TBuchung>& saetze, const TDefinitionen& def) {
    Kontostaende ergebnis;
    for (int n = 1; n <= kKonten; ++n) {
        Kontostand k{.konto = n};
        for (const auto& b : saetze)
            buchen(k, b, n);
        ergebnis.kasse.real += k.real;
        ergebnis.kasse.mitGeplanten += k.mitGeplanten;
        if (def.kontoBenannt(n)) ergebnis.konten.push_back(k);
    }
    return ergebnis;
}

Kontostaende kontostaende(const Verein& v) {
    if (!v.datei.aktiv()) return {};
    const std::string name = v.datei.dateien().buchungsdatei();
    if (!dateiExistiert(name)) return {};
    return kontostaendeAus(alleBuchungenLesen(name), v.def);
}

Raster kontostaendeRaster(const Kontostaende& k, const Verein& v, std::string_view euroText) {
    Raster r;
    r.titel = "Kontost\xE4nde";
    r.kopf = {"Konto", "Stand (" + v.waehrungstext(euroText) + ")", "mit Planungen"};
    for (const auto& konto : k.konten)
        r.zeilen.push_back({std::to_string(konto.konto) + ": " +
                                OemNachAnsi(v.def.konten[static_cast<std::size_t>(konto.konto)]),
                            BetragText(konto.real, 10), BetragText(konto.mitGeplanten, 10)});
    r.zeilen.push_back(
        {"Kasse gesamt", BetragText(k.kasse.real, 10), BetragText(k.kasse.mitGeplanten, 10)});
    return r;
}

} // namespace zalvor
