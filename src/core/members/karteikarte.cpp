// Member window and member card: filling, storing, removing.
#include "core/members/karteikarte.h"

#include "core/common/befehlsregeln.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/members/mitgliederimport.h"
#include "core/members/mitgliedsdatei.h"
#include "core/sepa/mandatsfolge.h"

#include <cerrno>

namespace zalvor {

namespace {

std::string pfad(const Verein& v) {
    return v.dateien().mitglieder();
}

void mitgliederGeaendert(Sitzung& s) {
    s.verein.mitgliederVorhanden = mitgliederAnzahl(pfad(s.verein)) > 0;
    s.melden({Ereignis::Art::MitgliederGeaendert});
}

TMitglied ausEingaben(const Verein& v, const Karteikarte& k) {
    TMitglied m = k.bisher; // paid mark and bytes after the texts stay
    m.nachname.setze(AnsiNachOem(k.eingaben.nachname));
    m.vorname.setze(AnsiNachOem(k.eingaben.vorname));
    // Stored in DOS form like the names, since the card reads them back through
    // OemNachAnsi: stored as typed, an umlaut came back as another character.
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        m.frei[i].setze(AnsiNachOem(k.eingaben.frei[i]));
    const int wahl = k.eingaben.satz;
    const bool gueltig = wahl > 0 && static_cast<std::size_t>(wahl) < k.saetze.size() &&
                         k.saetze[static_cast<std::size_t>(wahl)] != "--";
    // Without readable rates every entry shows "--": the member keeps the stored rate.
    if (!v.beitraege.unlesbar) m.satz = gueltig ? static_cast<std::uint8_t>(wahl) : 0;
    return m;
}

} // namespace

std::vector<std::string> karteiEintraege(const Dateisatz& dateien) {
    std::vector<std::string> r;
    for (const TMitglied& m : mitgliederLesen(dateien.mitglieder()))
        r.push_back(OemNachAnsi(mitgliedName(m)));
    return r;
}

bool mitgliederFensterErlaubt(const Dateisatz& dateien, Person& person) {
    if (!dateiExistiert(dateien.mitglieder())) return false;
    if (mitgliederAnzahl(dateien.mitglieder()) == 0) {
        person.nachricht(A("Fehler!"), A("\r\rKein Mitglied erfaßt!"));
        return false;
    }
    return true;
}

std::optional<Karteikarte> karteOeffnen(const Verein& v, Person& person,
                                        std::optional<std::uint32_t> n) {
    Karteikarte k;
    k.nummer = n;
    if (n) {
        try {
            k.bisher = mitgliedLesen(pfad(v), *n);
        } catch (const EAFehler&) {
            person.meldung(A("Fehler!"), A("Lesefehler beim Auslesen des Datensatzes!"),
                           Symbol::Fehler);
            return std::nullopt;
        }
    }
    k.eingaben.nachname = OemNachAnsi(k.bisher.nachname.text());
    k.eingaben.vorname = OemNachAnsi(k.bisher.vorname.text());
    for (std::size_t i = 0; i < kFreiFelder; ++i) {
        k.feldnamen[i] = OemNachAnsi(v.def.freiFelder[i + 1]);
        k.eingaben.frei[i] = OemNachAnsi(k.bisher.frei[i].text());
    }
    k.saetze.push_back("Standard");
    for (std::size_t i = 1; i < kBeitragssaetze; ++i) {
        const Beitragssatz& e = v.beitraege.eintraege[i];
        k.saetze.push_back(e.inGebrauch() ? e.name.text() : "--");
        if (e.inGebrauch()) k.satzlisteAktiv = true;
    }
    k.eingaben.satz = k.bisher.satz < kBeitragssaetze ? k.bisher.satz : 0;
    return k;
}

std::optional<std::uint32_t> karteSpeichern(Sitzung& s, const Karteikarte& k) {
    befehlPruefen(s, Befehlsart::MitgliedNeu);
    const TMitglied m = ausEingaben(s.verein, k);
    std::uint32_t nummer = 0;
    try {
        // A new register would stop the old one from ever being imported: the import that
        // failed at opening is tried again first.
        if (!dateiExistiert(pfad(s.verein)) &&
            dateiExistiert(s.verein.datei.dateien().mitgliederAlt()) &&
            !altesMitgliederformatImportieren(s.verein.dateien(), s.person))
            throw EAFehler(EIO, pfad(s.verein));
        if (k.nummer && gleicherName(m, k.bisher)) {
            mitgliedUeberschreiben(pfad(s.verein), *k.nummer, m);
            nummer = *k.nummer;
        } else {
            // A new or renamed member moves others of its name: their mandates follow.
            sepa::Mandatsfolge mandate(s.verein.dateien().datenbank());
            const auto vorher =
                mandate.aktiv() ? mitgliederLesen(pfad(s.verein)) : std::vector<TMitglied>{};
            nummer = k.nummer ? mitgliedUmsortieren(pfad(s.verein), *k.nummer, m)
                              : mitgliedEinfuegen(pfad(s.verein), m);
            if (mandate.aktiv()) {
                const auto nachher = mitgliederLesen(pfad(s.verein));
                if (k.nummer)
                    mandate.geaendert(vorher, *k.nummer, nachher, nummer);
                else
                    mandate.eingefuegt(nachher, nummer);
                mandate.festschreiben();
            }
        }
    } catch (const EAFehler&) {
        s.person.fehlermeldung(Ausgang::EAFehler, A("Schreibfehler"),
                               A("Datensatz konnte nicht geschrieben werden!"), Symbol::Fehler);
        mitgliederGeaendert(s);
        return std::nullopt;
    }
    mitgliederGeaendert(s);
    return nummer;
}

std::optional<std::uint32_t> karteDialog(Sitzung& s, std::optional<std::uint32_t> n,
                                         const std::function<bool(Karteikarte&)>& zeigen) {
    auto k = karteOeffnen(s.verein, s.person, n);
    if (!k || !zeigen(*k)) return std::nullopt;
    return karteSpeichern(s, *k);
}

bool mitgliedLoeschen(Sitzung& s, std::uint32_t n) {
    befehlPruefen(s, Befehlsart::MitgliedEntfernen);
    Frage f = jaNeinFrage(A("Bestätigen"), A("Mitglied wirklich löschen?"), Symbol::Frage);
    if (s.person.frage(f) != Knopf::Ja) return false;
    sepa::Mandatsfolge mandate(s.verein.dateien().datenbank());
    if (mandate.aktiv()) mandate.entfernt(mitgliederLesen(pfad(s.verein)), n);
    mitgliedEntfernen(pfad(s.verein), n);
    mandate.festschreiben();
    mitgliederGeaendert(s);
    return true;
}

Raster karteiRaster(const Verein& v) {
    Raster r;
    r.titel = "Mitgliederkartei";
    r.kopf = {"Nr", "Nachname", "Vorname"};
    for (std::size_t i = 1; i <= kFreiFelder; ++i)
        r.kopf.push_back(OemNachAnsi(v.def.freiFelder[i]));
    r.kopf.push_back("Bezahlt");
    r.kopf.push_back("Satz");
    std::uint32_t nr = 0;
    for (const TMitglied& m : mitgliederLesen(pfad(v))) {
        std::vector<std::string> z{std::to_string(nr++), OemNachAnsi(m.nachname.text()),
                                   OemNachAnsi(m.vorname.text())};
        for (const auto& f : m.frei)
            z.push_back(OemNachAnsi(f.text()));
        z.push_back(m.bezahlt ? "1" : "0");
        z.push_back(std::to_string(m.satz));
        r.zeilen.push_back(std::move(z));
    }
    return r;
}

} // namespace zalvor
