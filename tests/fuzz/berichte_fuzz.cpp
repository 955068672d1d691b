// The reports over a whole club built from the input: the closing, the lists, the
// target/actual comparison, the multi-file closing and the member list, each within a time
// limit per input (option --grenze MS, default 1000), whatever the amounts.
//
// Input: a byte of switches (bit 0: converted closing, bit 1: monthly closing, month from
// the next byte), the standard contribution, the Euro rate and the VAT rate as 6-byte reals,
// the changeover year (two characters), a count of further rates with their amounts in cents
// (16 bits each), a count of members with their rate numbers (a byte each), a plan value
// (6-byte real) for every named type; the rest are booking records.
#include "fuzzhilfe.h"

#include "core/closing/abschlussbericht.h"
#include "core/closing/abschlussrechnung.h"
#include "core/closing/mehrdateiabschluss.h"
#include "core/common/real6.h"
#include "core/files/indexdatei.h"
#include "core/lists/buchungslisten.h"
#include "core/lists/sollist.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliederliste.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <string_view>
#include <vector>

using namespace zalvor;

namespace {

fuzz::Wachhund* wachhund = nullptr;

long double real6(fuzz::Zerleger& z) {
    Real6 r;
    for (auto& b : r.bytes)
        b = z.byte();
    return r.wert();
}

void vereinBilden(fuzz::Umgebung& u, fuzz::Zerleger& z) {
    TDefinitionen& d = u.s.verein.def;
    d.standardBeitrag = real6(z);
    d.waehrung.Kurs = real6(z);
    d.mwstSatz = real6(z);
    d.waehrung.Umstellungsjahr = std::string(z.stueck(2));
    for (int k = 1; k <= kKonten; ++k)
        d.konten[static_cast<std::size_t>(k)] = k <= 3 ? "Konto" + std::to_string(k) : kUnbenannt;
    for (Seite s : {Seite::Ausgabe, Seite::Einnahme}) {
        for (int t = 1; t <= 3; ++t) {
            d.typen.setzeTypName(s, t, "Typ" + std::to_string(t));
            d.typen.setzeGruppeVon(s, t, 1);
        }
        d.typen.setzeGruppenName(s, 1, "Gruppe");
    }

    Beitragssaetze& saetze = u.s.verein.beitraege;
    saetze = vorgabeSaetze(d);
    const std::size_t weitere = z.byte() % kBeitragssaetze;
    for (std::size_t i = 1; i <= weitere; ++i) {
        saetze.eintraege[i].name.setze("Satz");
        saetze.eintraege[i].cent = z.wort();
    }
    std::vector<std::uint8_t> mitglieder;
    for (std::size_t n = z.byte(); n > 0; --n) {
        TMitglied m;
        m.nachname.setze("Name");
        m.satz = z.byte();
        const auto b = m.packen();
        mitglieder.insert(mitglieder.end(), b.begin(), b.end());
    }
    u.ablegen("Verein.MGB", mitglieder.data(), mitglieder.size());
    u.s.verein.mitgliederVorhanden = !mitglieder.empty();

    for (auto& seite : u.s.verein.plan)
        for (int t = 1; t <= 3; ++t)
            seite[static_cast<std::size_t>(t)].wert = static_cast<double>(real6(z));
    u.s.verein.planvorgaben = true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    wachhund = new fuzz::Wachhund(
        fuzz::grenzeAusArgumenten(*argc, *argv, std::chrono::milliseconds(1000)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    // A driver that does not initialise: the default limit.
    if (!wachhund) wachhund = new fuzz::Wachhund(std::chrono::milliseconds(1000));
    fuzz::Wachhund& w = *wachhund;
    w.beginnen();
    fuzz::Umgebung u;
    fuzz::Zerleger z(daten, n);
    const std::uint8_t schalter = z.byte();
    const int monat = (schalter & 2) != 0 ? 1 + z.byte() % 12 : 0;
    const AbschlussParameter p{monat, (schalter & 1) != 0};
    fuzz::alsBefehl([&] { vereinBilden(u, z); });
    const std::string_view saetze = z.rest();
    const std::string datei = u.ablegen("Verein.26", saetze);
    Sitzung& s = u.s;
    // The file order as the index of the lists that put expenses first: a wrong one takes
    // the lists' fallback.
    fuzz::alsBefehl([&] {
        std::vector<std::uint16_t> folge(
            std::min<std::size_t>(saetze.size() / TBuchung::kGroesse, 0xFFFF));
        std::iota(folge.begin(), folge.end(), std::uint16_t{0});
        indexSchreiben(s.verein.datei, indexPaar(s.verein.sortierung).second, folge);
    });

    w.schritt("Abschluss");
    fuzz::alsBefehl([&] {
        (void)abschlussBericht(abschlussErstellen(s.verein, s.euroText, s.person, p), s.verein.def);
    });
    w.schritt("Einfache Liste");
    fuzz::alsBefehl([&] { (void)einfachListe(s.verein, s.person, s.uhr, s.euroText); });
    w.schritt("Ein/Aus-Liste");
    fuzz::alsBefehl([&] { (void)eaListe(s.verein, s.person, s.uhr, s.euroText); });
    w.schritt("Kontenlisten");
    fuzz::alsBefehl([&] { (void)kontenListe(s.verein, s.person, s.uhr, s.euroText, 0); });
    w.schritt("Soll-Ist-Vergleich");
    fuzz::alsBefehl([&] { (void)sollIstVergleich(s.verein, s.person, s.uhr, s.euroText); });
    w.schritt("Mehrdateiabschluss");
    fuzz::alsBefehl([&] {
        const Listenvorgaben vorgaben{s.verein.datei.jahr, s.verein.def};
        (void)mehrdateiBericht(mehrdateiabschlussRechnen(
            vorgaben, {datei, datei, u.ordner() + "/Fehlt.26"}, p, s.euroText, s.person));
    });
    w.schritt("Mitgliederliste");
    fuzz::alsBefehl([&] {
        Spaltenwahl alles;
        alles.frei.fill(true);
        alles.beschreibung = true;
        alles.betrag = true;
        (void)mitgliederlisteErstellen(s, alles);
    });
    w.beenden();
    return 0;
}
