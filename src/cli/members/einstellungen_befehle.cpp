// zalvor-cli mitglieder-einstellungen and beitragssaetze: the member settings and the further
// rates.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "core/common/zeichensatz.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedereinstellungen.h"

namespace zalvor::cli {

namespace {

// OK pressed once: a refused input ends the command as the person cancelling after the
// message would.
int ausgang(Speicherausgang a) {
    switch (a) {
    case Speicherausgang::Gespeichert:
        return kFertig;
    case Speicherausgang::Abgewiesen:
        return kAbgelehnt;
    case Speicherausgang::Schreibfehler:
        break;
    }
    return kEAFehler;
}

int einstellungen(Kontext& k) {
    const auto konto = k.args.wert("--konto");
    const auto betrag = k.args.wert("--betrag");
    const auto felder = k.args.werte("--feld");
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::MitgliederEinstellungen);
    Sitzung& s = k.sitzung;
    MglEinstEingaben e = mglEinstFuellen(s.verein.def);
    if (konto) e.konto = zahlOption(*konto, 1, 9, "--konto");
    if (betrag) e.betrag = utf8NachAnsi(*betrag);
    for (const auto& f : felder) {
        const auto [n, name] = nummerWert(f, 5, "--feld");
        e.felder[static_cast<std::size_t>(n - 1)] = name;
    }
    if (const int status = ausgang(mglEinstOk(s, e)); status != kFertig) return status;
    const MglEinstEingaben jetzt = mglEinstFuellen(s.verein.def);
    k.out << "Konto\t" << jetzt.konto << "\nBetrag\t" << ansiNachUtf8(jetzt.betrag) << "\n";
    for (std::size_t i = 0; i < jetzt.felder.size(); ++i)
        k.out << "Frei " << i + 1 << "\t" << ansiNachUtf8(jetzt.felder[i]) << "\n";
    return kFertig;
}

Raster saetzeRaster(const Sitzung& s) {
    Raster r;
    r.titel = A("Weitere Beitragssätze");
    r.kopf = {"Nr", "Beschreibung", "Betrag"};
    for (std::size_t i = 0; i < kBeitragssaetze; ++i) {
        const Beitragssatz& e = s.verein.beitraege.eintraege[i];
        r.zeilen.push_back({std::to_string(i), e.name.text(), centText(e.cent)});
    }
    return r;
}

int beitragssaetze(Kontext& k) {
    const auto saetze = k.args.werte("--satz");
    dateiLaden(k, k.args.letzte("DATEI"),
               saetze.empty() ? Befehlsart::Beitragssaetze : Befehlsart::MitgliederEinstellungen);
    Sitzung& s = k.sitzung;
    if (!saetze.empty()) {
        SaetzeEingaben e = beitrSaetzeFuellen(s.verein.beitraege);
        for (const auto& text : saetze) {
            const auto [n, wert] = nummerWert(text, 20, "--satz");
            const auto doppelpunkt = wert.rfind(':');
            if (doppelpunkt == std::string::npos)
                throw Aufruffehler("--satz erwartet N=BESCHREIBUNG:BETRAG: " + text);
            e[static_cast<std::size_t>(n - 1)] = {wert.substr(0, doppelpunkt),
                                                  wert.substr(doppelpunkt + 1)};
        }
        if (const int status = ausgang(beitrSaetzeOk(s, e)); status != kFertig) return status;
    }
    rasterAusgeben(k.out, k.format, saetzeRaster(s));
    return kFertig;
}

} // namespace

Befehl befehlMitgliederEinstellungen() {
    return {"mitglieder-einstellungen", "DATEI [--konto N] [--betrag T] [--feld N=NAME]...",
            "Beitragskonto, Standard-Beitragssatz und Namen der freien Felder wie der Dialog "
            "\"Mitgliederverwaltung: Einstellungen\"",
            Befehlsart::MitgliederEinstellungen, einstellungen};
}
Befehl befehlBeitragssaetze() {
    return {"beitragssaetze", "DATEI [--satz N=BESCHREIBUNG:BETRAG]...",
            "setzt weitere Beitragssätze 1-20 wie der Dialog \"Weitere Beitragssätze\" und zeigt "
            "alle 21",
            Befehlsart::Beitragssaetze, beitragssaetze};
}

} // namespace zalvor::cli
