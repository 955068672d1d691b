// zalvor-cli import: a bank statement booked into the file, or only shown with --vorschau.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "core/bank/kontoauszugimport.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/database/zuordnungsregeln.h"
#include "core/files/dateibytes.h"
#include "core/files/satzdatei.h"
#include "core/sepa/beitragsimport.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>

namespace zalvor::cli {

namespace {

std::vector<std::uint8_t> holen(const std::string& pfad) {
    Dateibytes d = dateibytesHolen(pfad);
    if (d.status != Lesestatus::Gelesen)
        throw EAFehler(d.status == Lesestatus::Fehlt ? ENOENT : EIO, pfad);
    return std::move(d.bytes);
}

std::string_view alsText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool fehlerMelden(Kontext& k, const std::vector<bank::Meldung>& fehler) {
    for (const auto& f : fehler)
        k.sitzung.person.meldung(A("Fehler!"), f.vollText(), Symbol::Fehler);
    return !fehler.empty();
}

int importBefehl(Kontext& k) {
    const auto konto = k.args.wert("--konto");
    const auto regeldatei = k.args.wert("--regeln");
    const bool vorschau = k.args.schalter("--vorschau");
    const std::string datei = k.args.position("DATEI");
    const std::string auszug = k.args.letzte("AUSZUG");
    bank::Importwahl wahl;
    if (konto) wahl.konto = zahlOption(*konto, 1, 9, "--konto");
    dateiLaden(k, datei, vorschau ? Befehlsart::Kontoauszugsvorschau : Befehlsart::Kontoauszug);
    Sitzung& s = k.sitzung;

    bank::Regeldatei regeln;
    if (regeldatei) {
        const std::string name = std::filesystem::path(*regeldatei).filename().string();
        auto gelesen = bank::regelnLesen(alsText(holen(*regeldatei)), utf8NachAnsi(name));
        if (fehlerMelden(k, gelesen.fehler) ||
            fehlerMelden(
                k, bank::regelnPruefen(gelesen.regeln, s.verein.def.typen, utf8NachAnsi(name))))
            return kAbgelehnt;
        regeln = std::move(gelesen.regeln);
    }
    auto gelesen =
        bank::auszugEinlesen(alsText(holen(auszug)), regeln.csv ? &*regeln.csv : nullptr);
    if (!gelesen.ok()) {
        fehlerMelden(k, {*gelesen.fehler});
        return kAbgelehnt;
    }

    const std::string pfad = s.verein.dateien().datenbank();
    auto db = vorschau ? Datenbank::lesen(pfad) : Datenbank::schreiben(pfad);
    if (!db) {
        s.person.meldung(A("Fehler!"), db.meldung(), Symbol::Fehler);
        return kAbgelehnt;
    }
    wahl.regeln = std::move(regeln.regeln);
    for (auto& r : gespeicherteRegeln(*db))
        wahl.regeln.push_back(std::move(r));

    // Contributions come before the rules.
    sepa::Beitragsimport beitraege(s.verein, *db);
    wahl.zuordner.push_back(beitraege.zuordner());
    auto saetze = alleBuchungenLesen(s.verein.datei.dateiname());
    const std::string name = std::filesystem::path(auszug).filename().string();
    auto plan =
        bank::importPlanen(s.verein, *db, saetze, utf8NachAnsi(name), std::move(gelesen), wahl);
    if (!plan) throw Aufruffehler(ansiNachUtf8(plan.meldung()) + " (--konto N)");
    for (const auto& h : plan->hinweise)
        k.err << "zalvor-cli import: " << ansiNachUtf8(h.vollText()) << "\n";
    std::vector<std::string> abgleiche;
    const auto abgleichen = [&] {
        for (const auto& a : bank::abgleichen(s.verein, *plan, saetze, vorschau))
            abgleiche.push_back(bank::abgleichText(a));
    };
    if (vorschau) {
        abgleichen();
    } else {
        bank::importBuchen(s, *db, *plan, [&] {
            beitraege.nachDemBuchen(s, *plan);
            // The file as booked, read only when a closing balance is to be reconciled.
            if (std::any_of(
                    plan->auszuege.begin(), plan->auszuege.end(),
                    [](const bank::Kontoauszug& a) { return a.schlusssaldo.has_value(); })) {
                saetze = alleBuchungenLesen(s.verein.datei.dateiname());
                abgleichen();
            }
        });
    }
    rasterUndTexteAusgeben(k.out, k.format, {bank::importRaster(*plan, s.verein.def.typen)},
                           abgleiche);
    return kFertig;
}

} // namespace

Befehl befehlImport() {
    return {"import", "DATEI AUSZUG [--konto N] [--regeln DATEI] [--vorschau]",
            "bucht einen Kontoauszug (CAMT.053, MT940, CSV mit Regeldatei) und gleicht "
            "den Kontostand ab; --vorschau zeigt nur, was gebucht würde",
            Befehlsart::Kontoauszug, importBefehl};
}

} // namespace zalvor::cli
