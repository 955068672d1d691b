// Readings as text for the stored expected readings.
#include "auszugtext.h"

#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zalvor::bank::test {

namespace {

std::string datum(const Datum& d) {
    char t[16];
    std::snprintf(t, sizeof t, "%04d-%02d-%02d", d.jahr, d.monat, d.tag);
    return t;
}

std::string saldo(const std::optional<Saldo>& s) {
    return s ? std::to_string(s->cent) + " am " + datum(s->datum) : "-";
}

void feld(std::ostringstream& o, const char* name, const std::string& wert) {
    if (!wert.empty()) o << "  " << name << ": " << wert << "\n";
}

} // namespace

std::string alsText(const Einleseergebnis& e) {
    static const char* const kFormate[] = {"unbekannt", "CAMT.053", "MT940", "CSV", "ZIP"};
    std::ostringstream o;
    o << "Format " << kFormate[static_cast<int>(e.format)] << "\n";
    // Messages and places are in the engine's Windows form, the values UTF-8.
    if (e.fehler) o << "Fehler " << ansiNachUtf8(e.fehler->vollText()) << "\n";
    for (const Meldung& h : e.hinweise)
        o << "Hinweis " << ansiNachUtf8(h.vollText()) << "\n";
    for (const Kontoauszug& a : e.auszuege) {
        o << "\nAuszug " << a.id << " (" << a.format << ", " << ansiNachUtf8(a.stelle.text())
          << ")\n";
        o << "Konto " << a.iban << " " << a.waehrung << ", Anfang " << saldo(a.anfangssaldo)
          << ", Schluss " << saldo(a.schlusssaldo) << "\n";
        for (const Auszugszeile& z : a.zeilen) {
            static const char* const kStatus[] = {"gebucht", "vorgemerkt", "Information"};
            o << "- " << datum(z.buchungsdatum) << " (Valuta " << datum(z.valuta) << ") "
              << (z.richtung == Richtung::Haben ? "H " : "S ") << z.cent << " " << z.waehrung << " "
              << kStatus[static_cast<int>(z.status)] << (z.storno ? " Storno" : "")
              << (z.teil > 0 ? " Teil " + std::to_string(z.teil) : "") << " ["
              << ansiNachUtf8(z.stelle.text()) << "]\n";
            feld(o, "Name", z.name);
            feld(o, "IBAN", z.iban);
            feld(o, "BIC", z.bic);
            feld(o, "Text", z.text);
            feld(o, "Info", z.zusatzinfo);
            feld(o, "GVC", z.geschaeftsvorfall);
            feld(o, "Bankreferenz", z.bankreferenz);
            feld(o, "Eintragsreferenz", z.eintragsreferenz);
            feld(o, "EndToEnd", z.endToEndId);
            feld(o, "Mandat", z.mandatsreferenz);
            feld(o, "Glaeubiger", z.glaeubigerId);
            feld(o, "Rueckgabe", z.rueckgabegrund);
        }
    }
    return o.str();
}

std::string dateiInhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void mitErwartetVergleichen(const std::string& text, const std::string& pfad) {
    if (std::getenv("ZALVOR_ERWARTET_SCHREIBEN") != nullptr) {
        std::ofstream(pfad, std::ios::binary) << text;
        return;
    }
    EXPECT_EQ(text, dateiInhalt(pfad)) << pfad;
}

} // namespace zalvor::bank::test
