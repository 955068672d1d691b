// Template numbers on the command line and the output of one template row.
#include "cli/templates/schablonenzeile.h"

#include "cli/common/ausgabe.h"
#include "cli/common/dateiargument.h"
#include "core/common/betrag.h"
#include "core/files/buchungsdatei.h"
#include "core/templates/schablonendatei.h"
#include "core/templates/schablonenfenster.h"

namespace zalvor::cli {

bool schablonenLaden(Kontext& k, const std::string& datei) {
    dateiLaden(k, datei, Befehlsart::Schablonen);
    return schablonenFensterPruefen(k.sitzung.verein.dateien(), k.sitzung.person);
}

std::uint32_t schablonenNummer(const Sitzung& s, const std::string& text) {
    const std::uint32_t anzahl = satzAnzahl(s.verein.datei.dateien().schablonen());
    auto n = ganzzahlLesen(text);
    if (!n || *n < 0 || *n >= static_cast<long>(anzahl))
        throw Aufruffehler("NR erwartet eine Schablonennummer von 0 bis " +
                           std::to_string(anzahl - 1) + ": " + text);
    return static_cast<std::uint32_t>(*n);
}

void schablonenZeileAusgeben(Kontext& k, std::uint32_t satz) {
    const Sitzung& s = k.sitzung;
    Raster r = schablonenRaster(schablonenLesen(s.verein.dateien().schablonen()), s.verein.def,
                                s.waehrungstext());
    r.kopf.insert(r.kopf.begin(), "Satz");
    std::vector<std::string> zeile = r.zeilen.at(satz);
    zeile.insert(zeile.begin(), std::to_string(satz));
    r.zeilen = {zeile};
    r.breiten.clear();
    rasterAusgeben(k.out, k.format, r);
}

} // namespace zalvor::cli
