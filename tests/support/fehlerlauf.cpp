// Fault runs and the checks that the files of a club are whole.
#include "fehlerlauf.h"

#include "tempverzeichnis.h"

#include "core/database/inhalt.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateisatz.h"
#include "core/files/indexdatei.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace zalvor::test {

namespace fs = std::filesystem;

Ordnerstand ordnerLesen(const std::string& ordner) {
    Ordnerstand stand;
    for (const auto& e : fs::directory_iterator(ordner)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        stand[e.path().filename().string()] = {std::istreambuf_iterator<char>(in),
                                               std::istreambuf_iterator<char>()};
    }
    return stand;
}

void ordnerHerstellen(const std::string& ordner, const Ordnerstand& stand) {
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.is_regular_file() && !stand.count(e.path().filename().string())) fs::remove(e.path());
    for (const auto& [name, inhalt] : stand) {
        const std::string pfad = ordner + "/" + name;
        fs::remove(pfad); // a new file, never a second name of a backup
        std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(inhalt.data()),
                  static_cast<std::streamsize>(inhalt.size()));
    }
}

// A killed run walks only a prefix of the path the fault runs have walked already; under the
// address checker, where every fork copies its shadow memory, the other tree kills them alone.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool mitAdressPruefung = true;
#else
constexpr bool mitAdressPruefung = false;
#endif

Fehlerbericht fehlerlaeufe(const std::string& ordner, const std::function<bool()>& befehl,
                           const Pruefung& pruefen, const Fehlerplan& plan) {
    Fehlerbericht bericht;
    const Ordnerstand vorher = ordnerLesen(ordner);
    testhaken::zuruecksetzen();
    testhaken::ohneSynchronisation(true);
    befehl();
    bericht.schritte = testhaken::schritte();
    const Ordnerstand sollNeu = ordnerLesen(ordner);

    std::vector<bool> arten{false};
    if (plan.auchDauerhaft) arten.push_back(true);
    for (int nummer : plan.fehlernummern) {
        for (bool dauerhaft : arten) {
            for (std::uint64_t n = 1; n <= bericht.schritte; ++n) {
                ordnerHerstellen(ordner, vorher);
                testhaken::fehlerBeiSchritt(n, nummer, dauerhaft);
                bool fertig = false;
                try {
                    fertig = befehl();
                } catch (...) {
                    fertig = false;
                }
                const auto vorgang = testhaken::ausgeloesterFehler();
                testhaken::zuruecksetzen();
                const Ordnerstand jetzt = ordnerLesen(ordner);
                ++bericht.laeufe;
                Laufbefund b{vorher, sollNeu, jetzt, n, nummer, dauerhaft, vorgang, fertig};
                for (const auto& p : pruefen(b))
                    bericht.probleme.push_back("Schritt " + std::to_string(n) + ", Fehler " +
                                               std::to_string(nummer) +
                                               (dauerhaft ? " dauerhaft" : "") + ": " + p);
            }
        }
    }
    if (plan.oeffnen && !mitAdressPruefung) {
        for (std::uint64_t n = 1; n <= bericht.schritte; ++n) {
            ordnerHerstellen(ordner, vorher);
            const pid_t kind = ::fork();
            if (kind == 0) {
                testhaken::abbrechenBeiSchritt(n);
                bool fertig = false;
                try {
                    fertig = befehl();
                } catch (...) {
                }
                ::_exit(fertig ? 0 : 1);
            }
            int status = 0;
            ::waitpid(kind, &status, 0);
            const bool abgebrochen =
                WIFEXITED(status) && WEXITSTATUS(status) == testhaken::kAbbruchStatus;
            testhaken::zuruecksetzen();
            plan.oeffnen();
            testhaken::zuruecksetzen();
            const Ordnerstand jetzt = ordnerLesen(ordner);
            ++bericht.abbrueche;
            Laufbefund b{vorher, sollNeu, jetzt, n, 0, false, std::nullopt, !abgebrochen};
            if (!abgebrochen)
                bericht.probleme.push_back("Abbruch bei Schritt " + std::to_string(n) +
                                           ": nicht erreicht");
            // Killed, the command reported nothing: before and after are both whole.
            auto probleme = pruefen(b);
            if (!probleme.empty()) {
                b.gemeldetFertig = true;
                auto nachher = pruefen(b);
                if (nachher.size() < probleme.size()) probleme = std::move(nachher);
            }
            for (const auto& p : probleme)
                bericht.probleme.push_back("Abbruch bei Schritt " + std::to_string(n) + ": " + p);
        }
    }
    ordnerHerstellen(ordner, sollNeu);
    testhaken::ohneSynchronisation(false);
    return bericht;
}

namespace {

bool endetMit(const std::string& text, std::string_view ende) {
    return text.size() >= ende.size() &&
           text.compare(text.size() - ende.size(), ende.size(), ende.data(), ende.size()) == 0;
}

// File names are compared without regard to letter case: "~FL.Tmp" is a temporary file too.
bool istTemporaer(const std::string& name) {
    std::string klein = name;
    for (char& c : klein)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // The rewrite's temporary name of an empty name is its ending alone.
    return endetMit(name, Dateisatz::temporaer("")) || endetMit(klein, ".tmp");
}

std::multiset<std::vector<std::uint8_t>> lebendeSaetze(const std::vector<std::uint8_t>& roh) {
    std::multiset<std::vector<std::uint8_t>> saetze;
    for (std::size_t i = 0; i + TBuchung::kGroesse <= roh.size(); i += TBuchung::kGroesse) {
        const TBuchung b = TBuchung::entpacken(roh.data() + i);
        if (b.geloescht()) continue;
        saetze.insert({roh.begin() + static_cast<std::ptrdiff_t>(i),
                       roh.begin() + static_cast<std::ptrdiff_t>(i + TBuchung::kGroesse)});
    }
    return saetze;
}

const std::vector<std::uint8_t>* inhalt(const Ordnerstand& o, const std::string& name) {
    auto it = o.find(name);
    return it == o.end() ? nullptr : &it->second;
}

// The club database and its journal files are compared by content: SQLite may lay the same
// rows out in other pages, and a journal left beside the file is rolled back at the next
// opening. The name of the database a file belongs to, if it is one of them.
constexpr std::string_view kDatenbankEndung = ".zdb";
constexpr std::array<std::string_view, 3> kJournalEndungen{"-journal", "-wal", "-shm"};

std::optional<std::string> datenbankDatei(const std::string& name) {
    if (endetMit(name, kDatenbankEndung)) return name;
    for (std::string_view e : kJournalEndungen)
        if (endetMit(name, std::string(kDatenbankEndung) + std::string(e)))
            return name.substr(0, name.size() - e.size());
    return std::nullopt;
}

// The content the program would find in the database of a folder state: its files are
// opened as a copy, so that rolling back a journal changes nothing of the state.
std::vector<std::string> datenbankInhalt(const Ordnerstand& o, const std::string& name) {
    if (!o.count(name)) return {};
    TempVerzeichnis kopie;
    for (std::string_view e : {std::string_view(), kJournalEndungen[0], kJournalEndungen[1]})
        if (const auto* bytes = inhalt(o, name + std::string(e)))
            bytesSchreiben(kopie.datei(name + std::string(e)), *bytes);
    // The mark of the last journal is bookkeeping of the commit, new in every run.
    auto zeilen = zalvor::datenbankInhalt(kopie.datei(name));
    std::erase_if(zeilen, [](const std::string& z) { return z.rfind("schreibvorgang: ", 0) == 0; });
    return zeilen;
}

// Each index a permutation of the record numbers in its order (deleted records may sit
// anywhere: their amount is 0 but they keep their place).
std::string indexFehler(const TBuchungsdatei& d, const std::vector<TBuchung>& saetze, int k) {
    const std::vector<std::uint16_t> e = indexLesen(d, k);
    if (e.size() != saetze.size()) return "Länge";
    std::vector<bool> gesehen(saetze.size());
    const TBuchung* vorige = nullptr;
    for (std::uint16_t nr : e) {
        if (nr >= saetze.size() || gesehen[nr]) return "Eintrag " + std::to_string(nr);
        gesehen[nr] = true;
        const TBuchung& b = saetze[nr];
        if (b.geloescht()) continue;
        if (vorige && !sortiertVorOderGleich(k, *vorige, b))
            return "Reihenfolge bei " + std::to_string(nr);
        vorige = &b;
    }
    return {};
}

} // namespace

std::vector<std::string> dateienGanz(const Laufbefund& b,
                                     const std::function<bool(const std::string&)>& frei) {
    std::vector<std::string> probleme;
    std::set<std::string> namen;
    for (const auto* o : {&b.vorher, &b.sollNeu, &b.jetzt})
        for (const auto& [name, _] : *o)
            namen.insert(name);
    const bool aufraeumenScheiterte = b.vorgang == testhaken::Vorgang::Loeschen || b.dauerhaft;
    std::set<std::string> datenbanken;
    for (const auto& name : namen) {
        if (frei && frei(name)) continue;
        if (const auto db = datenbankDatei(name)) {
            datenbanken.insert(*db);
            continue;
        }
        const auto* alt = inhalt(b.vorher, name);
        const auto* neu = inhalt(b.sollNeu, name);
        const auto* ist = inhalt(b.jetzt, name);
        if (b.gemeldetFertig && !(ist == nullptr ? neu == nullptr : (neu && *ist == *neu))) {
            probleme.push_back(name + ": Erfolg gemeldet, aber nicht der neue Stand");
            continue;
        }
        if (ist == nullptr) {
            if (alt != nullptr && neu != nullptr) probleme.push_back(name + ": fehlt");
            continue;
        }
        if ((alt && *ist == *alt) || (neu && *ist == *neu)) continue;
        if (!alt && !neu && istTemporaer(name) && aufraeumenScheiterte) continue;
        probleme.push_back(name + (alt || neu ? ": weder alt noch neu" : ": unerklärt"));
    }
    // A database is all or nothing: the old content after a failure, the new one after success.
    for (const auto& db : datenbanken) {
        const auto ist = datenbankInhalt(b.jetzt, db);
        if (b.gemeldetFertig && ist != datenbankInhalt(b.sollNeu, db))
            probleme.push_back(db + ": Erfolg gemeldet, aber nicht der neue Inhalt");
        else if (!b.gemeldetFertig && ist != datenbankInhalt(b.vorher, db))
            probleme.push_back(db + ": Fehler gemeldet, aber nicht der alte Inhalt");
    }
    return probleme;
}

std::vector<std::string> vereinGanz(const Laufbefund& b, const std::string& basisname,
                                    const std::string& jahr) {
    std::vector<std::string> probleme;
    const TBuchungsdatei d{basisname, jahr, 0};
    const std::string name = fs::path(d.dateiname()).filename().string();
    const auto* ist = inhalt(b.jetzt, name);
    const auto* alt = inhalt(b.vorher, name);
    const auto* neu = inhalt(b.sollNeu, name);
    if (ist == nullptr) {
        if (alt != nullptr) probleme.push_back(name + ": Buchungsdatei fehlt");
        return probleme;
    }
    const auto lebend = lebendeSaetze(*ist);
    if (!(alt && lebend == lebendeSaetze(*alt)) && !(neu && lebend == lebendeSaetze(*neu)))
        probleme.push_back(name + ": Buchungen weder alt noch neu");
    if (ist->size() % TBuchung::kGroesse != 0 && !(alt && *ist == *alt))
        probleme.push_back(name + ": unvollständiger Datensatz");
    for (int k = 1; k <= 9; ++k) {
        const std::string index = name + static_cast<char>('0' + k);
        const auto* i = inhalt(b.jetzt, index);
        const auto* ia = inhalt(b.vorher, index);
        const auto* in = inhalt(b.sollNeu, index);
        if (b.gemeldetFertig && !(i ? in && *i == *in : in == nullptr))
            probleme.push_back(index + ": Erfolg gemeldet, aber nicht der neue Stand");
        else if (i && !(ia && *i == *ia) && !(in && *i == *in))
            probleme.push_back(index + ": weder alt noch neu");
    }
    if (b.gemeldetFertig && !(neu && *ist == *neu))
        probleme.push_back(name + ": Erfolg gemeldet, aber nicht der neue Stand");
    if (indizesPruefen(d) != IndexBefund::InOrdnung) return probleme; // found at opening
    const std::vector<TBuchung> saetze = alleBuchungenLesen(d.dateiname());
    for (int k = 1; k <= 9; ++k) {
        const std::string f = indexFehler(d, saetze, k);
        if (!f.empty())
            probleme.push_back("Index " + std::to_string(k) + " unbemerkt falsch: " + f);
    }
    return probleme;
}

std::vector<std::string> ganzOderGarNicht(const Laufbefund& b) {
    std::vector<std::string> probleme;
    const Ordnerstand& soll = b.gemeldetFertig ? b.sollNeu : b.vorher;
    std::set<std::string> namen;
    for (const auto* o : {&soll, &b.jetzt})
        for (const auto& [name, _] : *o)
            if (!endetMit(name, ".lck")) namen.insert(name);
    std::set<std::string> datenbanken;
    for (const auto& name : namen) {
        if (const auto db = datenbankDatei(name)) {
            datenbanken.insert(*db);
            continue;
        }
        const auto* ist = inhalt(b.jetzt, name);
        const auto* erwartet = inhalt(soll, name);
        if (ist && erwartet && *ist == *erwartet) continue;
        probleme.push_back(name +
                           (!ist        ? ": fehlt"
                            : !erwartet ? ": unerklärt"
                                        : ": verändert") +
                           (b.gemeldetFertig ? " (nach Erfolg)" : " (nach Fehler)"));
    }
    for (const auto& db : datenbanken)
        if (datenbankInhalt(b.jetzt, db) != datenbankInhalt(soll, db))
            probleme.push_back(
                db + (b.gemeldetFertig ? ": nicht der neue Inhalt" : ": nicht der alte Inhalt"));
    return probleme;
}

Pruefung vereinspruefung(const std::string& basisname, const std::string& jahr) {
    const std::string datei = fs::path(basisname + "." + jahr).filename().string();
    return [=](const Laufbefund& b) {
        auto probleme = dateienGanz(b, [&](const std::string& n) {
            return n.size() == datei.size() + 1 ? n.compare(0, datei.size(), datei) == 0
                                                : n == datei;
        });
        for (auto& p : vereinGanz(b, basisname, jahr))
            probleme.push_back(std::move(p));
        return probleme;
    };
}

} // namespace zalvor::test
