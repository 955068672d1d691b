// The write path of an import: the import's rows, its bookings and their confirmation in one
// step of the command's journal. Imports left open by an earlier program (which recorded them
// before booking) are still settled against the booking file before duplicates are looked for.
#include "core/bank/kontoauszugimport.h"

#include "core/bank/offeneimporte.h"
#include "core/common/befehlsregeln.h"
#include "core/common/fehler.h"
#include "core/database/kontoauszuege.h"
#include "core/files/buchungsdatei.h"
#include "core/files/satzdatei.h"
#include "core/files/sitzung.h"

#include <cerrno>
#include <cstdio>

namespace zalvor::bank {

namespace {

Auszugformat formatVon(const Kontoauszug& a, Auszugformat gelesen) {
    if (a.format.rfind("camt", 0) == 0) return Auszugformat::Camt053;
    if (a.format == "MT940") return Auszugformat::Mt940;
    if (a.format == "CSV") return Auszugformat::Csv;
    return gelesen;
}

std::string zeitpunkt(const Uhr& uhr) {
    const Datum d = uhr.heute();
    char t[32];
    std::snprintf(t, sizeof t, "%04d-%02d-%02dT00:00:00", d.jahr, d.monat, d.tag);
    return t;
}

// One import row per statement, with every line and the link of each chosen one.
std::vector<Kontoauszugsimport> importe(const Verein& v, const Importplan& p,
                                        const std::vector<TBuchung>& neu, const Uhr& uhr) {
    std::vector<Kontoauszugsimport> liste;
    for (std::size_t i = 0; i < p.auszuege.size(); ++i) {
        const Kontoauszug& a = p.auszuege[i];
        Kontoauszugsimport im;
        im.jahr = v.datei.jahr;
        im.datei = p.datei;
        im.format = formatVon(a, p.format);
        im.zeitpunkt = zeitpunkt(uhr);
        im.konto = p.konten[i];
        im.auszug = a.id;
        if (a.schlusssaldo) {
            im.schlusssaldo = a.schlusssaldo->cent;
            im.schlussdatum = a.schlusssaldo->datum;
        }
        im.offen = true;
        liste.push_back(std::move(im));
    }
    std::size_t n = 0;
    for (const Vorschauzeile& z : p.zeilen) {
        Importzeile iz{z.zeile, z.schluessel, std::nullopt};
        if (z.zuBuchen()) iz.buchung = neu[n++].packen();
        liste[z.auszug].zeilen.push_back(std::move(iz));
    }
    return liste;
}

// Lines whose key was booked since the plan was made (another import in between) are
// duplicates now.
void neuPruefen(Importplan& p, const std::unordered_set<std::string>& gebucht) {
    for (Vorschauzeile& z : p.zeilen)
        if (z.zuBuchen() && gebucht.count(z.schluessel)) {
            z.status = Zeilenstatus::Doppelt;
            z.buchbar = false;
        }
}

} // namespace

std::size_t importBuchen(Sitzung& s, Datenbank& db, Importplan& p,
                         const std::function<void()>& zuletzt) {
    befehlPruefen(s, Befehlsart::Kontoauszug);
    Verein& v = s.verein;
    dateiErforderlich(v.datei, s.person);
    if (v.def.unlesbar) throw EAFehler(EIO, v.dateien().definitionen());
    // The booking file is read for the imports an earlier program left open, if there are any.
    if (!offeneImporte(db, v.datei.jahr).empty())
        klaerungenSchreiben(
            db, offeneImporteKlaeren(db, v.datei.jahr, alleBuchungenLesen(v.datei.dateiname())));
    neuPruefen(p, zalvor::gebuchteSchluessel(db, v.datei.jahr));

    const std::vector<TBuchung> neu = importBuchungen(v, p);
    // One database transaction around the bookings: its commit carries the mark of the
    // command's journal and is the commit point of the whole import. A failure before it
    // rolls back the database and, from the journal, the booking file and its indexes.
    Transaktion t(db);
    std::vector<std::int64_t> ids;
    for (const Kontoauszugsimport& im : importe(v, p, neu, s.uhr)) {
        auto id = importEintragen(t, im);
        if (!id) {
            s.person.meldung(A("Fehler!"), id.meldung(), Symbol::Fehler);
            throw BefehlAbgebrochen();
        }
        ids.push_back(*id);
    }
    buchungenAnhaengen(v, s.person, neu);
    for (const std::int64_t id : ids)
        importBestaetigen(t, id, std::vector<bool>(neu.size(), true));
    std::size_t n = 0;
    for (Vorschauzeile& z : p.zeilen)
        if (z.zuBuchen()) z.bunr = neu[n++].bunr.text();
    if (zuletzt) zuletzt();
    t.festschreiben();
    for (std::size_t i = 0; i < neu.size(); ++i)
        s.tabelle(TabellenModus::Anhaengen);
    return neu.size();
}

} // namespace zalvor::bank
