// The direct-debit run from the register to the submitted file.
#include "core/sepa/lastschriftlauf.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/database/lastschriften.h"
#include "core/files/dateischreiben.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"
#include "core/sepa/bankschema.h"
#include "core/sepa/kennungen.h"
#include "core/sepa/mandatsdaten.h"
#include "core/sepa/pain008.h"
#include "core/sepa/target2.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <utility>

namespace zalvor::sepa {

namespace {

using Namensschluessel = std::pair<std::string, std::string>;

// The mandates by the member they belong to, read in one query.
std::map<Mitgliedsschluessel, Mandat,
         bool (*)(const Mitgliedsschluessel&, const Mitgliedsschluessel&)>
mandateNachMitglied(const Datenbank& db) {
    auto kleiner = +[](const Mitgliedsschluessel& a, const Mitgliedsschluessel& b) {
        return std::tie(a.nachname, a.vorname, a.vorkommen) <
               std::tie(b.nachname, b.vorname, b.vorkommen);
    };
    std::map<Mitgliedsschluessel, Mandat,
             bool (*)(const Mitgliedsschluessel&, const Mitgliedsschluessel&)>
        r(kleiner);
    for (Mandat& m : mandateLesen(db))
        if (m.mitglied) r.emplace(*m.mitglied, std::move(m));
    return r;
}

std::string zeitText(const Zeitpunkt& z) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", z.datum.jahr, z.datum.monat,
                  z.datum.tag, z.zeit.stunde, z.zeit.minute, z.zeit.sekunde);
    return text;
}

std::string kontoIban(const Datenbank& db, int konto) {
    for (const Bankkonto& b : bankkontenLesen(db))
        if (b.konto == konto) return b.iban;
    return {};
}

zalvor::Sequenz alsGespeichert(Sequenz s) {
    return s == Sequenz::Erst ? zalvor::Sequenz::Erst : zalvor::Sequenz::Folge;
}

} // namespace

Lastschriftvorschlag lastschriftenVorschlagen(const Verein& v, const Datenbank& db) {
    if (v.beitraege.unlesbar) throw EAFehler(EIO, v.dateien().beitraege());
    if (v.def.unlesbar) throw EAFehler(EIO, v.dateien().definitionen());
    const std::vector<TMitglied> kartei = mitgliederLesen(v.dateien().mitglieder());
    const auto mandate = mandateNachMitglied(db);
    const std::string jahr = std::to_string(volljahr(v.dateijahr()));
    std::map<Namensschluessel, int> gesehen;
    Lastschriftvorschlag l;
    for (std::size_t i = 0; i < kartei.size(); ++i) {
        const TMitglied& m = kartei[i];
        const Mitgliedsschluessel schluessel{m.nachname.text(), m.vorname.text(),
                                             gesehen[{m.nachname.text(), m.vorname.text()}]++};
        const std::int64_t cent = std::llround(beitragsBetrag(m, v.beitraege, v.def) * 100.0L);
        if (m.bezahlt != 0 || !v.beitraege.eintrag(m.satz).buchbar() || cent <= 0) continue;
        const auto nr = static_cast<std::uint32_t>(i);
        const std::string name = OemNachAnsi(mitgliedName(m));
        const auto mandat = mandate.find(schluessel);
        if (mandat == mandate.end()) {
            l.ohneMandat.push_back({nr, name, cent});
            continue;
        }
        Lastschriftposten p;
        p.nr = nr;
        p.name = name;
        p.mandat = mandat->second;
        p.cent = cent;
        p.sequenz = mandat->second.eingezogen ? Sequenz::Folge : Sequenz::Erst;
        p.verwendungszweck = "Beitrag " + jahr + " " + vollerName(m);
        l.summe += cent;
        l.posten.push_back(std::move(p));
    }
    return l;
}

std::string centBetrag(std::int64_t cent) {
    return BetragText(static_cast<long double>(cent) / 100.0L, 0);
}

Raster lastschriftRaster(const Lastschriftvorschlag& l) {
    Raster r;
    r.titel = "Lastschrift";
    r.kopf = {"Nr", "Name", "IBAN", "Mandat", "Betrag", "Sequenz"};
    for (const Lastschriftposten& p : l.posten)
        r.zeilen.push_back({std::to_string(p.nr), p.name, p.mandat.iban,
                            utf8NachAnsi(p.mandat.referenz), centBetrag(p.cent),
                            sequenzCode(p.sequenz)});
    return r;
}

Raster ohneMandatRaster(const Lastschriftvorschlag& l) {
    Raster r;
    r.titel = "Ohne Mandat";
    r.kopf = {"Nr", "Name", "Betrag"};
    for (const OhneMandat& o : l.ohneMandat)
        r.zeilen.push_back({std::to_string(o.nr), o.name, centBetrag(o.cent)});
    return r;
}

std::string summenText(const Lastschriftvorschlag& l) {
    return "Summe: " + std::to_string(l.posten.size()) + " Lastschriften, " + centBetrag(l.summe);
}

std::optional<std::string> lastschriftHindernis(const Datenbank& db, const Lastschriftvorschlag& l,
                                                const Datum& faellig, const Datum& heute) {
    const auto g = glaeubigerLesen(db);
    if (!g) return A("Keine Gläubigerdaten erfaßt!");
    if (kontoIban(db, g->konto).empty())
        return A("Konto ") + std::to_string(g->konto) + A(" hat keine IBAN!");
    if (!faelligkeitZulaessig(faellig, heute))
        return A("Das Fälligkeitsdatum muß mindestens einen TARGET2-Geschäftstag nach heute "
                 "liegen (frühestens ") +
               datumAnzeige(fruehesteFaelligkeit(heute)) + ")!";
    if (l.posten.empty()) return A("Keine Lastschrift zu erstellen!");
    return std::nullopt;
}

Ergebnis<Lastschrifteinreichung>
lastschriftdateiSchreiben(Datenbank& db, const Lastschriftvorschlag& l, const Datum& faellig,
                          const Zeitpunkt& jetzt, const std::string& ausgabe) {
    if (const auto h = lastschriftHindernis(db, l, faellig, jetzt.datum)) return Abweisung{*h};
    const auto g = *glaeubigerLesen(db);

    Transaktion t(db);
    Lastschriftauftrag a;
    a.glaeubiger = {g.name, g.kennung, kontoIban(db, g.konto), ""};
    a.faellig = faellig;
    a.erstellt = jetzt;
    a.zaehler = static_cast<std::uint32_t>(zaehlerWeiter(t, "lastschriftdatei"));
    const std::string nachricht = nachrichtenId(jetzt, a.zaehler);
    // Unique because the message id is; without its "ZALVOR-" it leaves room for the number.
    const std::string e2eStamm = nachricht.substr(nachricht.find('-') + 1) + "-";
    Lastschriftdatei d;
    d.datei = dateinameTeil(ausgabe);
    d.nachricht = nachricht;
    d.erstellt = zeitText(jetzt);
    a.lastschriften.reserve(l.posten.size());
    d.lastschriften.reserve(l.posten.size());
    for (std::size_t i = 0; i < l.posten.size(); ++i) {
        const Lastschriftposten& p = l.posten[i];
        Lastschrift s;
        s.cent = p.cent;
        s.mandatsreferenz = p.mandat.referenz;
        s.unterschrieben = p.mandat.unterschrieben;
        s.sequenz = p.sequenz;
        s.name = p.mandat.inhaber;
        s.iban = p.mandat.iban;
        s.bic = p.mandat.bic;
        s.endToEndId = e2eStamm + std::to_string(i + 1);
        s.verwendungszweck = p.verwendungszweck;
        d.lastschriften.push_back({p.mandat.id, ansiNachUtf8(p.name), p.mandat.referenz, p.cent,
                                   s.endToEndId, zahlungsId(nachricht, p.sequenz),
                                   alsGespeichert(p.sequenz), faellig});
        a.lastschriften.push_back(std::move(s));
    }
    std::string xml;
    try {
        xml = pain008Schreiben(a);
    } catch (const LastschriftFehler& f) {
        std::string meldung = f.what();
        if (f.lastschrift() >= 0)
            meldung += " (" + l.posten[static_cast<std::size_t>(f.lastschrift())].name + ")";
        return Abweisung{meldung};
    }
    if (const auto fehler = bankschemaFehler(xml)) return Abweisung{*fehler};
    auto eingetragen = lastschriftdateiEintragen(t, d);
    if (!eingetragen) return Abweisung{eingetragen.meldung()};

    Ersetzung datei = ersetzungVorbereiten(
        ausgabe, {reinterpret_cast<const std::uint8_t*>(xml.data()), xml.size()});
    datei.umschalten();
    try {
        t.festschreiben();
    } catch (...) {
        // Without its record the file must not reach the bank: its debits would be taken
        // as first ones again and its returns would find no member.
        try {
            dateiLoeschen(datei.ziel());
        } catch (const EAFehler&) {
        }
        throw;
    }
    return Lastschrifteinreichung{nachricht, l.posten.size(), l.summe};
}

Zeitpunkt jetztAm(const Datum& heute) {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm lokal{};
    localtime_r(&t, &lokal);
    return {heute, {lokal.tm_hour, lokal.tm_min, lokal.tm_sec}};
}

} // namespace zalvor::sepa
