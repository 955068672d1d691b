// Row texts of the booking table.
#include "core/mainwindow/tabellentexte.h"

#include "core/common/betrag.h"
#include "core/common/uhr.h"
#include "core/common/zeichensatz.h"

namespace zalvor {

std::string betragsKopf(const std::string& waehrungstext) {
    return std::string("Betrag") + (waehrungstext.size() < 3 ? " " : "") + "(" + waehrungstext +
           ")";
}

TabellenZeile tabellenKopf(const std::string& waehrungstext) {
    return {"BuNr", "Datum", "Typ", "Buchungstext", betragsKopf(waehrungstext), "E/A", "Kto"};
}

TabellenZeile tabellenZeile(const TBuchung& b, const Typverwaltung& typen) {
    TabellenZeile z;
    z[0] = b.bunr.text();
    if (b.geloescht()) {
        z[1] = "--.--.";
        z[2] = "* gel\xF6scht *";
        z[3] = "";
        z[4] = " -------";
        z[5] = " -";
        z[6] = "---";
        return z;
    }
    const bool ab = b.istAnfangsbestand();
    const bool umbuchung = b.istUmbuchung();
    z[1] = tagMonatText(b.tag, b.monat);
    if (b.typcode == 0 && ab)
        z[2] = "";
    else
        z[2] = typen.typcodeName(b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe, b.typcode);
    z[3] = OemNachAnsi(b.text.text());
    z[4] = BetragText(b.betrag.wert(), 9);
    z[5] = (ab || umbuchung) ? " -" : (b.istEinnahme() ? " E" : " A");
    if (umbuchung) {
        // A planned transfer (never made by the dialogs) keeps its parentheses too.
        std::string kern = std::to_string(b.kontoVon) + "\xBB" + std::to_string(b.kontoNach);
        z[6] = b.istGeplant() ? "(" + kern + ")" : kern;
    } else {
        const int konto = b.istEinnahme() ? b.kontoNach : b.kontoVon;
        z[6] = b.istGeplant() ? "(" + std::to_string(konto) + ")" : " " + std::to_string(konto);
    }
    return z;
}

} // namespace zalvor
