// Cell texts of the booking lists.
#include "core/lists/listenzellen.h"

#include "core/common/betrag.h"
#include "core/common/uhr.h"
#include "core/common/zeichensatz.h"
#include "core/files/verein.h"

#include <cmath>

namespace zalvor {

std::string listenDatum(const TBuchung& b) {
    return tagMonatText(b.tag, b.monat);
}

std::string listenTyp(const TBuchung& b, const Typverwaltung& typen) {
    if (b.typcode == 0 && b.istAnfangsbestand()) return {};
    return typen.typcodeName(b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe, b.typcode);
}

std::string listenBetrag(long double wert) {
    // Whole cents written by hand: the general fixed-point writer costs more than the rest
    // of a row. A value on a half cent (or too large) still goes through it, so that the
    // rounding stays the writer's.
    const long double cent = wert * 100;
    if (cent > -1e15L && cent < 1e15L) {
        const long double ganz = std::floor(cent);
        if (std::fabs(cent - ganz - 0.5L) > 1e-6L) {
            long long n = std::llround(cent);
            const bool negativ = n < 0;
            unsigned long long b = static_cast<unsigned long long>(negativ ? -n : n);
            char puffer[32];
            char* p = puffer + sizeof puffer;
            *--p = static_cast<char>('0' + b % 10);
            b /= 10;
            *--p = static_cast<char>('0' + b % 10);
            b /= 10;
            *--p = '.';
            do {
                *--p = static_cast<char>('0' + b % 10);
                b /= 10;
            } while (b != 0);
            if (negativ) *--p = '-';
            const std::size_t laenge = static_cast<std::size_t>(puffer + sizeof puffer - p);
            std::string t(laenge < 10 ? 10 - laenge : 0, ' ');
            t.append(p, laenge);
            return t;
        }
    }
    return BetragText(wert, 10);
}

std::string listenBetragsKopf(const Verein& v, std::string_view euroText) {
    return "Betrag (" + v.waehrungstext(euroText) + ")";
}

std::vector<std::string> listenGrundzellen(const TBuchung& b, const Typverwaltung& typen) {
    std::vector<std::string> z;
    // Room for the list's own last columns too.
    z.reserve(9);
    z.push_back(b.bunr.text());
    z.push_back(b.beleg.text());
    z.push_back(listenDatum(b));
    z.push_back(listenTyp(b, typen));
    z.push_back(OemNachAnsi(b.text.text()));
    z.push_back(b.istUmbuchung() ? std::string() : OemNachAnsi(b.anVon.text()));
    z.push_back(listenBetrag(b.betrag.wert()));
    return z;
}

std::string kontoName(const TDefinitionen& def, int konto) {
    if (konto < 1 || konto > kKonten) return {};
    return OemNachAnsi(def.konten[static_cast<std::size_t>(konto)]);
}

std::string listenTitelRest(const Verein& v, const Uhr& uhr) {
    const Datum h = uhr.heute();
    const int jj = h.jahr % 100;
    const std::string stand = std::to_string(h.tag) + "." + std::to_string(h.monat) + "." +
                              (jj < 10 ? "0" : "") + std::to_string(jj);
    return A(" für Datei: ") + utf8NachAnsi(v.datei.basisname) + " (Buchungsjahr: " + v.datei.jahr +
           "; Stand: " + stand + ")";
}

} // namespace zalvor
