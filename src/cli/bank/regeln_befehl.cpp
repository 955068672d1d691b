// zalvor-cli regeln: the club's stored assignment rules, tried by the statement import after
// those of a rules file.
#include "cli/common/abweisung.h"
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "core/bank/regelpflege.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/database/zuordnungsregeln.h"

#include <algorithm>
#include <limits>

namespace zalvor::cli {

namespace {

std::optional<Seite> seiteOption(const std::optional<std::string>& seite) {
    if (!seite) return std::nullopt;
    if (*seite == "E") return Seite::Einnahme;
    if (*seite == "A") return Seite::Ausgabe;
    throw Aufruffehler("--seite E oder A");
}

// Any number from 1: whether the club has that rule is the engine's refusal.
int regelnummer(const std::string& text) {
    const auto n = ganzzahlLesen(text);
    if (!n || *n < 1) throw Aufruffehler("--entfernen: " + text + " ist keine Regelnummer");
    return static_cast<int>(std::min<long>(*n, std::numeric_limits<int>::max()));
}

int regeln(Kontext& k) {
    const auto muster = k.args.wert("--hinzufuegen");
    const auto typ = k.args.wert("--typ");
    const auto seite = k.args.wert("--seite");
    const auto entfernen = k.args.wert("--entfernen");
    const std::string datei = k.args.letzte("DATEI");
    if (muster.has_value() != typ.has_value())
        throw Aufruffehler("--hinzufuegen und --typ gehören zusammen");
    if (seite && !muster) throw Aufruffehler("--seite nur mit --hinzufuegen und --typ");
    bank::Zuordnungsregel neu;
    if (muster) {
        neu.muster = *muster;
        neu.typ = zahlOption(*typ, 0, kTypen, "--typ");
        neu.seite = seiteOption(seite);
    }
    const int weg = entfernen ? regelnummer(*entfernen) : 0;
    dateiLaden(k, datei);
    const bool aendern = muster || entfernen;
    const std::string pfad = k.sitzung.verein.dateien().datenbank();
    auto db = aendern ? Datenbank::schreiben(pfad) : Datenbank::lesen(pfad);
    if (abweisungGemeldet(k, db.meldung())) return kAbgelehnt;
    const TDefinitionen& def = k.sitzung.verein.def;
    if (!aendern) {
        rasterAusgeben(k.out, k.format, bank::regelnRaster(gespeicherteRegeln(*db), def));
        return kFertig;
    }
    Transaktion t(*db);
    if (entfernen && abweisungGemeldet(k, bank::regelEntfernen(t, weg).meldung()))
        return kAbgelehnt;
    if (muster && abweisungGemeldet(k, bank::regelHinzufuegen(t, neu, def).meldung()))
        return kAbgelehnt;
    // Built before the commit, so that nothing read after it can fail the command.
    const Raster raster = bank::regelnRaster(gespeicherteRegeln(*db), def);
    t.festschreiben();
    rasterAusgeben(k.out, k.format, raster);
    return kFertig;
}

} // namespace

Befehl befehlRegeln() {
    return {"regeln", "DATEI [--hinzufuegen MUSTER --typ N [--seite E|A]] [--entfernen NR]",
            "zeigt die Zuordnungsregeln des Vereins (Muster => Typ, nach denen der "
            "Kontoauszug-Import nach einer Regeldatei Typen vorschlägt), fügt eine hinzu "
            "oder entfernt eine",
            Befehlsart::Zuordnungsregeln, regeln};
}

} // namespace zalvor::cli
