// Journal and grid export of the bookings.
#include "core/closing/journal.h"

#include "core/common/betrag.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"

#include <cstdio>

namespace zalvor {

namespace {

struct Datumsangabe {
    std::string iso;
    std::string hinweis; // the stored date when it had to be moved
};

int monatstage(int jahr, int monat) {
    static const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return monat == 2 && schalt ? 29 : tage[monat - 1];
}

Datumsangabe datum(const TBuchung& b, int jahr) {
    int monat = b.monat;
    int tag = b.tag;
    Datumsangabe d;
    if (monat < 1 || monat > 12) {
        monat = 1;
        tag = 1;
    } else if (tag < 1 || tag > monatstage(jahr, monat)) {
        tag = monatstage(jahr, monat);
    }
    if (monat != b.monat || tag != b.tag)
        d.hinweis =
            "gespeichertes Datum " + std::to_string(b.tag) + "." + std::to_string(b.monat) + ".";
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", jahr, monat, tag);
    d.iso = text;
    return d;
}

// A text on one line without the characters that would end a description or start a comment.
std::string einzeilig(const std::string& text) {
    std::string o;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20) c = ' ';
        if (c == ';') c = ',';
        o += c;
    }
    const auto a = o.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return o.substr(a, o.find_last_not_of(' ') - a + 1);
}

std::string kontoName(const TDefinitionen& def, int k) {
    if (k < 1 || k > kKonten) return "Konten:ohne Konto";
    const std::string ersatz = "Konto " + std::to_string(k);
    const std::string& name = def.konten[static_cast<std::size_t>(k)];
    if (name == kUnbenannt) return "Konten:" + ersatz;
    return "Konten:" + kontoteil(OemNachAnsi(name), ersatz);
}

std::string typName(const TDefinitionen& def, const TBuchung& b) {
    const Seite seite = b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe;
    const std::string vorsatz = b.istEinnahme() ? "Einnahmen:" : "Ausgaben:";
    const int posten = Typverwaltung::typcodeZuPosten(b.typcode);
    if (posten >= 1 && posten <= kTypen)
        return vorsatz +
               kontoteil(def.typen.typName(seite, posten), "Typ " + std::to_string(posten));
    return vorsatz + kontoteil(def.typen.typcodeName(seite, b.typcode), "Sonstige");
}

std::string rohstoff(const std::string& waehrung) {
    bool nurBuchstaben = !waehrung.empty();
    for (char c : waehrung) {
        const auto u = static_cast<unsigned char>(c);
        if (!(u >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) nurBuchstaben = false;
    }
    if (nurBuchstaben) return waehrung;
    std::string o = "\"";
    for (char c : waehrung)
        if (c != '"' && static_cast<unsigned char>(c) >= 0x20) o += c;
    return o + "\"";
}

struct Buchungssatz {
    std::string soll;  // receives the amount
    std::string haben; // gives it
};

Buchungssatz konten(const TDefinitionen& def, const TBuchung& b) {
    if (b.istUmbuchung()) return {kontoName(def, b.kontoNach), kontoName(def, b.kontoVon)};
    if (b.istEinnahme()) {
        if (b.istAnfangsbestand())
            return {kontoName(def, b.kontoNach), "Eigenkapital:Anfangsbestand"};
        return {kontoName(def, b.kontoNach), typName(def, b)};
    }
    return {typName(def, b), kontoName(def, b.kontoVon)};
}

} // namespace

std::string kontoteil(const std::string& name, const std::string& ersatz) {
    std::string o;
    for (char c : name) {
        if (c == ':') c = '.';
        if (c == ';') c = ',';
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        if (c == ' ' && (o.empty() || o.back() == ' ')) continue;
        o += c;
    }
    while (!o.empty() && o.back() == ' ')
        o.pop_back();
    return o.empty() ? ersatz : o;
}

std::vector<std::string> journalZeilen(const JournalQuelle& q,
                                       const std::vector<TBuchung>& buchungen) {
    std::vector<std::string> z;
    const int jahr = volljahr(q.jahr);
    const std::string ware = rohstoff(q.waehrung);
    z.push_back("; " + q.dateiname);
    for (const TBuchung& b : buchungen) {
        if (b.geloescht()) continue;
        const Datumsangabe d = datum(b, jahr);
        std::string kopf = d.iso + (b.istGeplant() ? " !" : " *");
        std::string code = einzeilig(b.bunr.text());
        for (char& c : code)
            if (c == '(' || c == ')') c = ' ';
        code = einzeilig(code);
        if (!code.empty()) kopf += " (" + code + ")";
        std::string text = einzeilig(OemNachAnsi(b.text.text()));
        if (code.empty() && !text.empty() && text.front() == '(') text.front() = '[';
        if (!text.empty()) kopf += " " + text;
        std::string notiz = einzeilig(OemNachAnsi(b.anVon.text()));
        if (!d.hinweis.empty()) notiz += (notiz.empty() ? "" : ", ") + d.hinweis;
        if (!notiz.empty()) kopf += "  ; " + notiz;
        z.push_back("");
        z.push_back(kopf);
        const Buchungssatz k = konten(*q.def, b);
        const long double betrag = b.betrag.wert();
        z.push_back("    " + k.soll + "  " + festkomma(betrag, 2) + " " + ware);
        z.push_back("    " + k.haben + "  " + festkomma(-betrag, 2) + " " + ware);
    }
    return z;
}

Raster exportRaster(const JournalQuelle& q, const std::vector<TBuchung>& buchungen) {
    Raster r;
    r.titel = q.dateiname;
    r.kopf = {"Satz",     "Nr",      "Datum",     "E/A",        "Typ",   "Text",  "Betrag",
              "Waehrung", "geplant", "Konto von", "Konto nach", "Beleg", "An/Von"};
    const int jahr = volljahr(q.jahr);
    for (std::size_t i = 0; i < buchungen.size(); ++i) {
        const TBuchung& b = buchungen[i];
        if (b.geloescht()) continue;
        const Seite seite = b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe;
        auto konto = [&](int k) {
            return k >= 1 && k <= kKonten ? OemNachAnsi(q.def->konten[static_cast<std::size_t>(k)])
                                          : std::string();
        };
        r.zeilen.push_back({std::to_string(i), b.bunr.text(), datum(b, jahr).iso,
                            b.istUmbuchung() ? "U" : (b.istEinnahme() ? "E" : "A"),
                            q.def->typen.typcodeName(seite, b.typcode), OemNachAnsi(b.text.text()),
                            festkomma(b.betrag.wert(), 2), q.waehrung,
                            b.istGeplant() ? "ja" : "nein", konto(b.kontoVon), konto(b.kontoNach),
                            b.beleg.text(), OemNachAnsi(b.anVon.text())});
    }
    return r;
}

} // namespace zalvor
