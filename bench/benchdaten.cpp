// Generated booking files for the benchmarks.
#include "benchdaten.h"

#include "core/common/dateisystem.h"
#include "core/common/typverwaltung.h"
#include "core/database/bankkonten.h"
#include "core/database/mandate.h"
#include "core/files/indexdatei.h"
#include "core/files/reorganisation.h"
#include "core/members/mitgliedsdatei.h"
#include "core/sepa/mandatsdaten.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

extern char** environ;

namespace zalvor::bench {

std::vector<TBuchung> buchungenErzeugen(std::uint32_t n, unsigned saat) {
    std::mt19937 zufall(saat);
    auto w = [&](unsigned m) { return zufall() % m; };
    const char* const texte[] = {"Miete",        "Strom",           "Beitrag",     "Spende",
                                 "Porto",        "B\x81romaterial", "Getr\x84nke", "Zinsen",
                                 "Versicherung", "Hallenmiete"};
    std::vector<TBuchung> out;
    out.reserve(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        TBuchung b;
        b.typcode = static_cast<std::uint8_t>(w(53));
        b.einnahme = static_cast<std::uint8_t>(w(2));
        b.text.setze(std::string(texte[w(10)]) + " " + std::to_string(w(100)));
        b.monat = static_cast<std::uint8_t>(1 + i * 12 / n);
        b.tag = static_cast<std::uint8_t>(1 + w(28));
        b.betrag = i % 10 == 9 ? Real6{} : Real6::aus(static_cast<long double>(w(100000)) / 100);
        b.bunr.setze(std::to_string(1 + i % 9999));
        b.anVon.setze("Mitglied");
        if (b.einnahme != 0)
            b.kontoNach = static_cast<std::uint8_t>(1 + w(9));
        else
            b.kontoVon = static_cast<std::uint8_t>(1 + w(9));
        out.push_back(b);
    }
    return out;
}

void vollDefinieren(TDefinitionen& d) {
    for (int n = 1; n <= 9; ++n)
        d.konten[static_cast<std::size_t>(n)] = "Konto " + std::to_string(n);
    for (Seite s : {Seite::Ausgabe, Seite::Einnahme}) {
        for (int t = 1; t <= kTypen; ++t) {
            d.typen.setzeTypName(s, t, "Typ " + std::to_string(t));
            d.typen.setzeGruppeVon(s, t, 1 + (t - 1) / 5);
        }
        for (int g = 1; g <= 12; ++g) {
            d.typen.setzeGruppenName(s, g, "Gruppe " + std::to_string(g));
            if (g <= 10) d.typen.setzeGruppeVon(s, Typverwaltung::gruppeZuPosten(g), 11 + (g > 5));
        }
    }
    d.mwstSatz = 19;
}

Arbeitsordner::Arbeitsordner() {
    std::string vorlage = (std::filesystem::temp_directory_path() / "zalvor-bench-XXXXXX").string();
    if (::mkdtemp(vorlage.data()) == nullptr) throw std::runtime_error("mkdtemp");
    pfad = vorlage;
    s.verein.datei.basisname = pfad + "/Verein";
    s.verein.datei.jahr = "26";
    s.verein.datei.naechsteNummer = 1;
}

Arbeitsordner::Arbeitsordner(std::string ordner, const std::string& basis)
    : pfad(std::move(ordner)), eigenerOrdner(false) {
    s.verein.datei.basisname = pfad + "/" + basis;
    s.verein.datei.jahr = "26";
    s.verein.datei.naechsteNummer = 1;
}

Arbeitsordner::~Arbeitsordner() {
    if (!eigenerOrdner) return;
    std::error_code ec;
    std::filesystem::remove_all(pfad, ec);
}

void Arbeitsordner::fuellen(const std::vector<TBuchung>& saetze) {
    std::vector<std::uint8_t> roh;
    roh.reserve(saetze.size() * TBuchung::kGroesse);
    for (const auto& b : saetze) {
        const auto p = b.packen();
        roh.insert(roh.end(), p.begin(), p.end());
    }
    dateiSchreiben(s.verein.datei.dateiname(), roh);
    // The indexes are written straight from the orders (deleted records included), as
    // filing record by record would leave them.
    std::vector<TBuchung> kopie = saetze;
    for (int k = 1; k <= 9; ++k) {
        std::vector<std::uint16_t> e(saetze.size());
        for (std::size_t i = 0; i < e.size(); ++i)
            e[i] = static_cast<std::uint16_t>(i);
        std::stable_sort(e.begin(), e.end(), [&](std::uint16_t a, std::uint16_t b) {
            return !sortiertVorOderGleich(k, kopie[b], kopie[a]);
        });
        indexSchreiben(s.verein.datei, k, e);
    }
}

void Arbeitsordner::sicherungenLoeschen() {
    const Dateisatz b = s.verein.datei.dateien().sicherung();
    dateiLoeschen(b.buchungsdateiName());
    for (int k = 1; k <= 9; ++k)
        dateiLoeschen(b.index(k));
}

int ausfuehren(std::vector<std::string> argv, const std::string& ausgabe) {
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> zeiger;
    for (auto& a : argv)
        zeiger.push_back(a.data());
    zeiger.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, zeiger[0], &aktionen, nullptr, zeiger.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string cliPfad() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "zalvor-cli").string();
}

std::vector<std::uint8_t> dateiLesen(const std::string& name) {
    BinaerDatei d(name, BinaerDatei::Modus::Lesen);
    std::vector<std::uint8_t> inhalt(d.groesse());
    if (!inhalt.empty()) d.lesen(0, inhalt.data(), inhalt.size());
    return inhalt;
}

void dateiSchreiben(const std::string& name, const std::vector<std::uint8_t>& inhalt) {
    BinaerDatei d(name, BinaerDatei::Modus::Neu);
    if (!inhalt.empty()) d.schreiben(0, inhalt.data(), inhalt.size());
    d.schliessen();
}

} // namespace zalvor::bench

namespace zalvor::bench {

std::string lastschriftvereinAnlegen(const std::string& ordner, int mitglieder) {
    if (ausfuehren({cliPfad(), "--heute", "2026-03-15", "demo", ordner}) != 0)
        throw std::runtime_error("zalvor-cli demo");
    const std::string datei = ordner + "/Sportverein.26";
    // DOS bytes: ü 0x81, ä 0x84, ö 0x94, ß 0xE1.
    const char* const nachnamen[] = {"M\x81ller",
                                     "Schmidt",
                                     "Sch\x84"
                                     "fer",
                                     "K\x94hler",
                                     "Wei\xe1",
                                     "Becker",
                                     "Hoffmann",
                                     "Kr\x84mer"};
    const char* const vornamen[] = {"J\x81rgen", "Anna", "J\x94rg", "Karin", "Stefan", "Lena"};
    std::vector<TMitglied> kartei;
    for (int i = 0; i < mitglieder; ++i) {
        TMitglied m;
        m.nachname.setze(nachnamen[i % 8]);
        m.vorname.setze(std::string(vornamen[i % 6]) + " " + std::to_string(i / 48));
        m.frei[0].setze("Hauptstra\xe1"
                        "e " +
                        std::to_string(i % 200));
        m.satz = static_cast<std::uint8_t>(1 + i % 3);
        kartei.push_back(m);
    }
    std::stable_sort(kartei.begin(), kartei.end(), sortiertVor);
    const Dateisatz satz(ordner + "/Sportverein", "26");
    mitgliederSchreiben(satz.mitglieder(), kartei);

    Datenbank db = Datenbank::schreiben(satz.datenbank()).wert();
    Transaktion t(db);
    if (!bankkontoSetzen(t, 2, "DE89370400440532013000", "Musterbank") ||
        !glaeubigerSetzen(t, {"DE98ZZZ09999999999", "SV Lindenau 1920 e.V.", 2}))
        throw std::runtime_error("Gläubiger");
    const char* const ibans[] = {"DE02120300000000202051", "DE02500105170137075030",
                                 "AT611904300234573201", "DE89370400440532013000"};
    for (std::size_t i = 0; i < kartei.size(); ++i) {
        Mandat m;
        m.iban = ibans[i % 4];
        m.bic = i % 2 == 0 ? "COBADEFFXXX" : "";
        m.inhaber = sepa::vollerName(kartei[i]);
        m.referenz = "MGL-" + std::to_string(10000 + i);
        m.unterschrieben = {2025, 1 + static_cast<int>(i % 12), 1 + static_cast<int>(i % 28)};
        m.eingezogen = i % 10 != 0;
        if (!mandatSetzen(t, mitgliedsschluessel(kartei, i), m)) throw std::runtime_error("Mandat");
    }
    t.festschreiben();
    return datei;
}

} // namespace zalvor::bench
