// Output of one record of the booking table after a command changed it.
#include "cli/entry/satzzeile.h"

#include "cli/common/ausgabe.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/mainwindow/tabellentexte.h"

namespace zalvor::cli {

void satzAusgeben(Kontext& k, std::uint32_t satz) {
    const Sitzung& s = k.sitzung;
    Raster r;
    r.titel = s.verein.datei.dateiname();
    r.kopf.push_back("Satz");
    for (const auto& zelle : tabellenKopf(s.waehrungstext()))
        r.kopf.push_back(zelle);
    const auto zeile =
        tabellenZeile(buchungLesen(s.verein.datei.dateiname(), satz), s.verein.def.typen);
    std::vector<std::string> zellen{std::to_string(satz)};
    zellen.insert(zellen.end(), zeile.begin(), zeile.end());
    r.zeilen.push_back(std::move(zellen));
    rasterAusgeben(k.out, k.format, r);
}

std::string feldText(const std::string& option, const std::string& utf8, std::size_t max) {
    std::string text = utf8NachAnsi(utf8);
    if (text.size() > max)
        throw Aufruffehler(option + " fasst höchstens " + std::to_string(max) +
                           " Zeichen: " + utf8);
    return text;
}

std::uint32_t satzNummer(const Sitzung& s, const std::string& option, const std::string& text) {
    const std::uint32_t anzahl = satzAnzahl(s.verein.datei.dateiname());
    auto n = ganzzahlLesen(text);
    if (!n || *n < 0 || *n > static_cast<long>(anzahl))
        throw Aufruffehler(option + " erwartet eine Satznummer von 0 bis " +
                           std::to_string(anzahl) + ": " + text);
    return static_cast<std::uint32_t>(*n);
}

} // namespace zalvor::cli
