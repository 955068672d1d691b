// Cell texts of the booking lists.
#include "lists/listenzellen.h"

#include "common/betrag.h"
#include "common/zeichensatz.h"
#include "files/sitzung.h"

namespace zalvor {

namespace {

std::string rechts2(int wert) {
    std::string s = std::to_string(wert);
    return s.size() < 2 ? " " + s : s;
}

} // namespace

std::string listenDatum(const TBuchung& b) {
    return rechts2(b.tag) + "." + rechts2(b.monat) + ".";
}

std::string listenTyp(const TBuchung& b, const Typverwaltung& typen) {
    if (b.typcode == 0 && b.istAnfangsbestand()) return {};
    return typen.typcodeName(b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe, b.typcode);
}

std::string listenBetrag(long double wert) {
    return BetragText(wert, 10);
}

std::string listenBetragsKopf(const Sitzung& s) {
    return "Betrag (" + s.waehrungstext() + ")";
}

std::vector<std::string> listenGrundzellen(const TBuchung& b, const Typverwaltung& typen) {
    return {b.bunr.text(),
            b.beleg.text(),
            listenDatum(b),
            listenTyp(b, typen),
            OemNachAnsi(b.text.text()),
            b.istUmbuchung() ? std::string() : OemNachAnsi(b.anVon.text()),
            listenBetrag(b.betrag.wert())};
}

std::string kontoName(const TDefinitionen& def, int konto) {
    if (konto < 1 || konto > kKonten) return {};
    return OemNachAnsi(def.konten[static_cast<std::size_t>(konto)]);
}

std::string listenTitelRest(const Sitzung& s) {
    const Datum h = s.uhr.heute();
    const int jj = h.jahr % 100;
    const std::string stand = std::to_string(h.tag) + "." + std::to_string(h.monat) + "." +
                              (jj < 10 ? "0" : "") + std::to_string(jj);
    return A(" für Datei: ") + utf8NachAnsi(s.datei.basisname) + " (Buchungsjahr: " + s.datei.jahr +
           "; Stand: " + stand + ")";
}

} // namespace zalvor
