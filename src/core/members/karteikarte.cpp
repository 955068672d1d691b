// Member window and member card: filling, storing, removing.
#include "core/members/karteikarte.h"

#include "core/common/befehlsregeln.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/members/mitgliederimport.h"
#include "core/members/mitgliedsdatei.h"

#include <cerrno>

namespace zalvor {

namespace {

std::string pfad(const Sitzung& s) {
    return s.datei.dateien().mitglieder();
}

void mitgliederGeaendert(Sitzung& s) {
    s.mitgliederVorhanden = mitgliederAnzahl(pfad(s)) > 0;
    s.melden({Ereignis::Art::MitgliederGeaendert});
}

TMitglied ausEingaben(const Sitzung& s, const Karteikarte& k) {
    TMitglied m = k.bisher; // paid mark and bytes after the texts stay
    m.nachname.setze(AnsiNachOem(k.eingaben.nachname));
    m.vorname.setze(AnsiNachOem(k.eingaben.vorname));
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        m.frei[i].setze(k.eingaben.frei[i]);
    const int wahl = k.eingaben.satz;
    const bool gueltig = wahl > 0 && static_cast<std::size_t>(wahl) < k.saetze.size() &&
                         k.saetze[static_cast<std::size_t>(wahl)] != "--";
    // Without readable rates every entry shows "--": the member keeps the stored rate.
    if (!s.beitraege.unlesbar) m.satz = gueltig ? static_cast<std::uint8_t>(wahl) : 0;
    return m;
}

} // namespace

std::vector<std::string> karteiEintraege(const Sitzung& s) {
    std::vector<std::string> r;
    for (const TMitglied& m : mitgliederLesen(pfad(s)))
        r.push_back(OemNachAnsi(mitgliedName(m)));
    return r;
}

bool mitgliederFensterErlaubt(Sitzung& s) {
    if (!dateiExistiert(pfad(s))) return false;
    if (mitgliederAnzahl(pfad(s)) == 0) {
        s.person.nachricht(A("Fehler!"), A("\r\rKein Mitglied erfaßt!"));
        return false;
    }
    return true;
}

std::optional<Karteikarte> karteOeffnen(Sitzung& s, std::optional<std::uint32_t> n) {
    Karteikarte k;
    k.nummer = n;
    if (n) {
        try {
            k.bisher = mitgliedLesen(pfad(s), *n);
        } catch (const EAFehler&) {
            s.person.meldung(A("Fehler!"), A("Lesefehler beim Auslesen des Datensatzes!"),
                             Symbol::Fehler);
            return std::nullopt;
        }
    }
    k.eingaben.nachname = OemNachAnsi(k.bisher.nachname.text());
    k.eingaben.vorname = OemNachAnsi(k.bisher.vorname.text());
    for (std::size_t i = 0; i < kFreiFelder; ++i) {
        k.feldnamen[i] = OemNachAnsi(s.def.freiFelder[i + 1]);
        k.eingaben.frei[i] = OemNachAnsi(k.bisher.frei[i].text());
    }
    k.saetze.push_back("Standard");
    for (std::size_t i = 1; i < kBeitragssaetze; ++i) {
        const Beitragssatz& e = s.beitraege.eintraege[i];
        k.saetze.push_back(e.inGebrauch() ? e.name.text() : "--");
        if (e.inGebrauch()) k.satzlisteAktiv = true;
    }
    k.eingaben.satz = k.bisher.satz < kBeitragssaetze ? k.bisher.satz : 0;
    return k;
}

std::optional<std::uint32_t> karteSpeichern(Sitzung& s, const Karteikarte& k) {
    befehlPruefen(s, Befehlsart::MitgliedNeu);
    const TMitglied m = ausEingaben(s, k);
    std::uint32_t nummer = 0;
    try {
        // A new register would stop the old one from ever being imported: the import that
        // failed at opening is tried again first.
        if (!dateiExistiert(pfad(s)) && dateiExistiert(s.datei.dateien().mitgliederAlt()) &&
            !altesMitgliederformatImportieren(s))
            throw EAFehler(EIO, pfad(s));
        if (k.nummer && gleicherName(m, k.bisher)) {
            mitgliedUeberschreiben(pfad(s), *k.nummer, m);
            nummer = *k.nummer;
        } else if (k.nummer) {
            nummer = mitgliedUmsortieren(pfad(s), *k.nummer, m);
        } else {
            nummer = mitgliedEinfuegen(pfad(s), m);
        }
    } catch (const EAFehler&) {
        s.person.meldung(A("Schreibfehler"), A("Datensatz konnte nicht geschrieben werden!"),
                         Symbol::Fehler);
        mitgliederGeaendert(s);
        return std::nullopt;
    }
    mitgliederGeaendert(s);
    return nummer;
}

std::optional<std::uint32_t> karteDialog(Sitzung& s, std::optional<std::uint32_t> n,
                                         const std::function<bool(Karteikarte&)>& zeigen) {
    auto k = karteOeffnen(s, n);
    if (!k || !zeigen(*k)) return std::nullopt;
    return karteSpeichern(s, *k);
}

bool mitgliedLoeschen(Sitzung& s, std::uint32_t n) {
    befehlPruefen(s, Befehlsart::MitgliedEntfernen);
    Frage f = jaNeinFrage(A("Bestätigen"), A("Mitglied wirklich löschen?"), Symbol::Frage);
    if (s.person.frage(f) != Knopf::Ja) return false;
    mitgliedEntfernen(pfad(s), n);
    mitgliederGeaendert(s);
    return true;
}

Raster karteiRaster(const Sitzung& s) {
    Raster r;
    r.titel = "Mitgliederkartei";
    r.kopf = {"Nr", "Nachname", "Vorname"};
    for (std::size_t i = 1; i <= kFreiFelder; ++i)
        r.kopf.push_back(OemNachAnsi(s.def.freiFelder[i]));
    r.kopf.push_back("Bezahlt");
    r.kopf.push_back("Satz");
    std::uint32_t nr = 0;
    for (const TMitglied& m : mitgliederLesen(pfad(s))) {
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
