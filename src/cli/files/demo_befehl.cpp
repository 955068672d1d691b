// zalvor-cli demo: a sports club with a year of bookings, built through the engine's own
// operations so that every file and index is consistent.
#include "cli/bank/demoauszuege.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/demomitglieder.h"
#include "core/closing/dateiliste.h"
#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/entry/buchungseingabe.h"
#include "core/entry/umbuchungseingabe.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateisatz.h"
#include "core/files/definitionen.h"
#include "core/files/neuedatei.h"
#include "core/lists/planvorgaben.h"
#include "core/templates/schablonendatei.h"
#include "core/templates/schablonenfenster.h"

#include <algorithm>
#include <filesystem>

namespace zalvor::cli {

namespace {

// Answers every question of the set-up with Yes/OK and keeps notices to itself; errors are
// passed on, so a failing demo still says why.
class DemoPerson : public Person {
  public:
    DemoPerson(Person& innen, std::string name) : innen_(innen), name_(std::move(name)) {}
    void meldung(const std::string& t, const std::string& x, Symbol s) override {
        if (s == Symbol::Fehler || s == Symbol::Stopp) innen_.meldung(t, x, s);
    }
    void fehlermeldung(Ausgang a, const std::string& t, const std::string& x, Symbol s) override {
        innen_.fehlermeldung(a, t, x, s);
    }
    void nachricht(const std::string&, const std::string&) override {}
    std::optional<Knopf> frage(const Frage& f) override {
        for (Knopf k : {Knopf::Ja, Knopf::Ok})
            for (Knopf angeboten : f.knoepfe)
                if (angeboten == k) return k;
        return f.knoepfe.empty() ? std::nullopt : std::optional<Knopf>(f.knoepfe.front());
    }
    std::optional<std::string> eingabe(const std::string&, const std::string&,
                                       const std::string&) override {
        return name_;
    }
    void fortschrittZeigen(const std::string&, const std::string&) override {}
    void fortschritt(int) override {}
    void fortschrittText(const std::string&) override {}
    void fortschrittSchliessen() override {}

  private:
    Person& innen_;
    std::string name_;
};

struct Typ {
    int nr;
    const char* name;
    int gruppe;
};

const Typ kAusgabetypen[] = {
    {1, "Hallenmiete", 1},     {2, "Platzpflege", 1},    {3, "Sportgeräte", 1},
    {4, "Trikots", 1},         {5, "Schiedsrichter", 1}, {6, "Fahrtkosten", 3},
    {7, "Verbandsbeitrag", 2}, {8, "Versicherung", 2},   {9, "Bürobedarf", 2},
    {10, "Kontoführung", 2},   {11, "Vereinsfeier", 3},
};
const Typ kEinnahmetypen[] = {
    {1, "Spenden", 1},      {2, "Zuschuss Stadt", 1},  {3, "Sponsoring", 1}, {4, "Startgelder", 2},
    {5, "Kursgebühren", 2}, {6, "Getränkeverkauf", 2}, {7, "Zinsen", 0},
};

// The closing's group grids show subtotals of subtotals: sport and administration together
// form the running costs, the grants and own revenue the regular income.
void verschachtelteGruppen(Typverwaltung& t) {
    t.setzeGruppenName(Seite::Ausgabe, 4, "Laufender Betr.");
    t.setzeGruppeVon(Seite::Ausgabe, Typverwaltung::gruppeZuPosten(1), 4);
    t.setzeGruppeVon(Seite::Ausgabe, Typverwaltung::gruppeZuPosten(2), 4);
    t.setzeGruppenName(Seite::Einnahme, 3, A("Regelmäßig"));
    t.setzeGruppeVon(Seite::Einnahme, Typverwaltung::gruppeZuPosten(2), 3);
}

class DemoMasken : public Masken {
  public:
    bool waehrungseinstellungen(Sitzung& s, bool) override {
        s.verein.def.waehrung = WaehrungsEinstellungen{"DM", durchReal6(1.95583L), "02", "03"};
        return definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person);
    }
    bool dateieinstellungen(Sitzung& s) override {
        const char* konten[] = {"Kasse", "Girokonto", "Sparbuch", "Jugend"};
        for (int n = 1; n <= 4; ++n)
            s.verein.def.konten[static_cast<std::size_t>(n)] = AnsiNachOem(A(konten[n - 1]));
        auto& t = s.verein.def.typen;
        for (const auto& typ : kAusgabetypen) {
            t.setzeTypName(Seite::Ausgabe, typ.nr, A(typ.name));
            t.setzeGruppeVon(Seite::Ausgabe, typ.nr, typ.gruppe);
        }
        for (const auto& typ : kEinnahmetypen) {
            t.setzeTypName(Seite::Einnahme, typ.nr, A(typ.name));
            t.setzeGruppeVon(Seite::Einnahme, typ.nr, typ.gruppe);
        }
        t.setzeGruppenName(Seite::Ausgabe, 1, "Sportbetrieb");
        t.setzeGruppenName(Seite::Ausgabe, 2, "Verwaltung");
        t.setzeGruppenName(Seite::Ausgabe, 3, "Vereinsleben");
        t.setzeGruppenName(Seite::Einnahme, 1, "Zuwendungen");
        t.setzeGruppenName(Seite::Einnahme, 2, A("Eigene Erlöse"));
        verschachtelteGruppen(t);
        s.verein.def.mwstSatz = 19;
        return definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person);
    }
    std::optional<std::array<std::string, 9>>
    anfangsbestaende(Sitzung&, const std::array<std::string, 9>&) override {
        return std::array<std::string, 9>{"350,00", "8420,75", "15000", "612,40", "0",
                                          "0",      "0",       "0",     "0"};
    }
    std::optional<std::string> naechstesJahr(Sitzung&, const std::string& v) override { return v; }
};

// The youth section keeps its own books with the same settings and its own opening balances.
class JugendMasken : public DemoMasken {
  public:
    std::optional<std::array<std::string, 9>>
    anfangsbestaende(Sitzung&, const std::array<std::string, 9>&) override {
        return std::array<std::string, 9>{"85,30", "1240,00", "0", "0", "0", "0", "0", "0", "0"};
    }
};

struct Vorgang {
    int monat;
    int tag;
    bool einnahme;
    int typ;
    int konto;
    const char* betrag;
    const char* text;
    const char* anVon;
    bool geplant = false;
    int nachKonto = 0; // set for a transfer from `konto` to this account
};

// Bookings that come back every month.
void monatlich(std::vector<Vorgang>& v, int monat) {
    v.push_back({monat, 3, false, 1, 2, "450,00", "Hallenmiete Sporthalle Nord", "Stadt"});
    v.push_back({monat, 28, false, 10, 2, "8,90", "Kontoführungsgebühr", "Sparkasse"});
    static const char* const getraenke[] = {"212,50", "198,00", "243,20", "187,60",
                                            "265,30", "301,10", "289,40", "176,80",
                                            "231,00", "219,90", "204,70", "298,60"};
    v.push_back({monat, 15, true, 6, 1, getraenke[monat - 1], "Getränkeverkauf Vereinsheim", ""});
    if (monat <= 5 || monat >= 9)
        v.push_back({monat, 20, false, 5, 1, "60,00", "Schiedsrichter Heimspiel", "Kreisverband"});
    if (monat % 3 == 0)
        v.push_back({monat, 29, false, 0, 1, "600,00", "Bareinzahlung Kasse", "", false, 2});
}

std::vector<Vorgang> vorgaenge() {
    std::vector<Vorgang> v;
    for (int m = 1; m <= 12; ++m) {
        monatlich(v, m);
        if (m == 1) {
            v.push_back({1, 20, false, 8, 2, "312,50", "Vereinshaftpflicht", "Versicherung AG"});
            v.push_back({1, 22, true, 1, 2, "150,00", "Spende Neujahrsempfang", "Fa. Bäcker"});
        }
        if (m == 2)
            v.push_back({2, 15, false, 7, 2, "780,00", "Verbandsbeitrag Jahr", "Landesverband"});
        if (m == 3) {
            v.push_back({3, 5, true, 3, 2, "1500,00", "Trikotsponsoring", "Autohaus Weber"});
            v.push_back({3, 9, false, 4, 2, "1249,00", "Trikotsatz Herren", "Sport-Schmitt"});
            v.push_back({3, 12, false, 4, 2, "89,00", "Trikot falsch bestellt", "Sport-Schmitt"});
        }
        if (m == 4)
            v.push_back({4, 11, false, 2, 2, "640,00", "Rasen vertikutieren", "Gartenbau Lenz"});
        if (m == 5) v.push_back({5, 6, true, 2, 2, "2500,00", "Zuschuss Sportförderung", "Stadt"});
        if (m == 6) {
            v.push_back({6, 14, true, 4, 1, "420,00", "Startgelder Sommerturnier", ""});
            v.push_back({6, 16, false, 6, 1, "84,60", "Fahrt Auswärtsturnier", "Trainer Koch"});
        }
        if (m == 7) {
            v.push_back({7, 1, true, 5, 2, "960,00", "Kursgebühren Kinderturnen", ""});
            v.push_back({7, 4, false, 0, 2, "2000,00", "Rücklage Sparbuch", "", false, 3});
        }
        if (m == 8)
            v.push_back({8, 19, false, 9, 1, "37,45", "Druckerpapier und Porto", "Bürowelt"});
        if (m == 9) {
            v.push_back({9, 12, true, 4, 1, "380,00", "Startgelder Herbstlauf", ""});
            v.push_back({9, 25, false, 3, 2, "429,90", "Bälle und Leibchen", "Sport-Schmitt"});
            v.push_back({9, 4, false, 0, 2, "300,00", "Zuschuss Jugendabteilung", "", false, 4});
        }
        if (m == 10) v.push_back({10, 2, true, 5, 2, "880,00", "Kursgebühren Rückenfit", ""});
        if (m == 11) {
            v.push_back({11, 10, true, 1, 2, "250,00", "Spende Jubiläum", "Volksbank"});
            v.push_back(
                {11, 20, false, 3, 2, "850,00", "Neue Tore Jugendplatz", "Sport-Schmitt", true});
        }
        if (m == 12) {
            v.push_back(
                {12, 12, false, 11, 2, "1200,00", "Weihnachtsfeier", "Gasthaus Linde", true});
            v.push_back({12, 31, true, 7, 3, "45,00", "Zinsen Sparbuch", "Sparkasse", true});
        }
    }
    // A treasurer books in date order.
    std::stable_sort(v.begin(), v.end(), [](const Vorgang& a, const Vorgang& b) {
        return a.monat * 100 + a.tag < b.monat * 100 + b.tag;
    });
    return v;
}

// A year of the youth section: training, a tournament, the summer camp, grants.
std::vector<Vorgang> jugendVorgaenge() {
    return {
        {1, 10, false, 1, 2, "120,00", "Hallenzeit Jugendtraining", "Stadt"},
        {2, 14, true, 1, 1, "80,00", "Spende Elternabend", "Eltern"},
        {3, 8, false, 3, 1, "64,90", "Trainingsbälle", "Sport-Schmitt"},
        {4, 2, true, 2, 2, "600,00", "Zuschuss Jugendförderung", "Kreisjugendring"},
        {5, 20, true, 4, 1, "150,00", "Startgelder Jugendturnier", ""},
        {5, 21, false, 6, 1, "45,00", "Fahrt Jugendturnier", "Trainerin Berg"},
        {6, 30, false, 0, 1, "200,00", "Bareinzahlung Kasse", "", false, 2},
        {7, 15, false, 11, 2, "380,00", "Zeltlager Unterkunft", "Jugendherberge"},
        {7, 16, true, 5, 2, "420,00", "Teilnehmerbeiträge Zeltlager", ""},
        {9, 4, true, 1, 2, "300,00", "Zuschuss Hauptverein", "Sportverein"},
        {10, 12, false, 4, 2, "236,00", "Jugendtrikots", "Sport-Schmitt"},
        {11, 18, true, 6, 1, "96,40", "Kuchenverkauf", ""},
        {12, 15, false, 11, 2, "250,00", "Nikolausfeier", "Gasthaus Linde", true},
        {12, 20, true, 1, 2, "100,00", "Spende Weihnachtsmarkt", "Volksbank", true},
    };
}

void buchen(Sitzung& s, const Vorgang& v) {
    BuchungsStart start;
    start.dialog = BuchungsDialog::Buchung;
    start.einnahme = v.einnahme;
    auto inhalt = buchungsDlgFuellen(s, start);
    auto& e = inhalt.eingaben;
    e.tag = std::to_string(v.tag);
    e.monat = std::to_string(v.monat);
    e.betrag = v.betrag;
    e.text = A(v.text);
    e.anVon = A(v.anVon);
    e.beleg = std::to_string(s.verein.datei.naechsteNummer + 100);
    for (const auto& eintrag : inhalt.maske.typen)
        if (std::stoi(eintrag.substr(0, 2)) == v.typ) e.typ = eintrag;
    e.konto = kontoEintrag(s.verein.def, v.konto);
    buchungsDlgBuchen(s, inhalt.maske, e, v.geplant);
}

void umbuchen(Sitzung& s, int monat, int tag, int von, int nach, const char* betrag,
              const char* text) {
    auto inhalt = umbuchungsDlgFuellen(s, std::nullopt);
    auto& e = inhalt.eingaben;
    e.tag = std::to_string(tag);
    e.monat = std::to_string(monat);
    e.betrag = betrag;
    e.text = A(text);
    e.von = kontoEintrag(s.verein.def, von);
    e.nach = kontoEintrag(s.verein.def, nach);
    umbuchungsDlgBuchen(s, inhalt.maske, e);
}

// Templates made from January's bookings, as the treasurer ticks "&Schablone erstellen": the
// hall rent every month, the liability insurance every year, the referee without repetition.
// Their codes follow the day the demo is made, so nothing is due at once.
void schablonen(Sitzung& s) {
    const struct {
        const char* text;
        Wiederholung wiederholung;
    } vorlagen[] = {{"Hallenmiete Sporthalle Nord", Wiederholung::Monatlich},
                    {"Vereinshaftpflicht", Wiederholung::Jaehrlich},
                    {"Schiedsrichter Heimspiel", Wiederholung::Nie}};
    const auto saetze = alleBuchungenLesen(s.verein.datei.dateiname());
    std::uint32_t nummer = 0;
    for (const auto& v : vorlagen) {
        for (const auto& b : saetze) {
            if (b.text.text() != AnsiNachOem(A(v.text))) continue;
            schabloneAnlegen(s.verein, s.person, b,
                             s.verein.inEuro()); // typed in the file's currency
            wiederholungSetzen(s.verein.dateien(), s.uhr, nummer++, v.wiederholung);
            break;
        }
    }
}

// A budget for some types and for the group of fees and insurance, as the plan dialog sets it.
void planvorgabenSetzen(Sitzung& s) {
    planvorgabenBeginnen(s.verein);
    Planvorgabenmodell ausgaben(s.verein, s.person, Seite::Ausgabe);
    for (const auto& [n, betrag] : {std::pair{1, "5400"}, {5, "700"}, {11, "1000"}, {52, "1300"}})
        ausgaben.uebernehmen(n, betrag);
    ausgaben.speichern();
    Planvorgabenmodell einnahmen(s.verein, s.person, Seite::Einnahme);
    for (const auto& [n, betrag] : {std::pair{1, "500"}, {6, "2800"}, {5, "1500,50"}})
        einnahmen.uebernehmen(n, betrag);
    einnahmen.speichern();
}

void vorgaengeBuchen(Sitzung& s, const std::vector<Vorgang>& vorgaenge) {
    for (const auto& v : vorgaenge) {
        if (v.nachKonto != 0)
            umbuchen(s, v.monat, v.tag, v.konto, v.nachKonto, v.betrag, v.text);
        else
            buchen(s, v);
    }
}

// The youth section's file of the same year; its name, or empty when it was not made.
std::string jugendAnlegen(Kontext& k, const std::string& verzeichnis) {
    const std::string basis = pfadVerbinden(verzeichnis, "Jugendabteilung");
    DemoPerson person(k.sitzung.person, basis);
    const auto sitzung = sitzungFuerNeueDatei(k, person);
    Sitzung& s = *sitzung;
    JugendMasken masken;
    s.masken = &masken;
    if (!neueDatei(s) || !s.verein.datei.aktiv()) return {};
    vorgaengeBuchen(s, jugendVorgaenge());
    return s.verein.datei.dateiname();
}

// File lists of both clubs: this year's, and one naming last year's files, as a list kept
// from the year before looks.
bool dateilistenAnlegen(const std::string& verzeichnis, const std::vector<std::string>& dateien,
                        const std::string& jahr, Person& person) {
    std::vector<std::string> voll, vorjahr;
    const std::string letztes = zweistellig(volljahr(jahr) - 1);
    for (const std::string& d : dateien) {
        voll.push_back(std::filesystem::absolute(d).lexically_normal().string());
        vorjahr.push_back(voll.back().substr(0, voll.back().size() - 2) + letztes);
    }
    const auto liste = [&](const char* name) {
        return Dateisatz::listenname(pfadVerbinden(verzeichnis, name));
    };
    return dateilisteSpeichern({liste("Vereine"), voll}, person) &&
           dateilisteSpeichern({liste("Vereine-Vorjahr"), vorjahr}, person);
}

int demo(Kontext& k) {
    const std::string verzeichnis = k.args.letzte("VERZEICHNIS");
    std::filesystem::create_directories(verzeichnis);
    const std::string basis = pfadVerbinden(verzeichnis, "Sportverein");
    // A fresh demo each time: earlier files of the demo clubs, their backups and lists go.
    for (const auto& eintrag : std::filesystem::directory_iterator(verzeichnis)) {
        const std::string name = eintrag.path().filename().string();
        for (const char* vorsatz : {"Sportverein", "~portverein", "Jugendabteilung",
                                    "~ugendabteilung", "Vereine", "Kontoauszug-"})
            if (name.rfind(vorsatz, 0) == 0) std::filesystem::remove(eintrag.path());
    }

    DemoPerson person(k.sitzung.person, basis);
    const auto sitzung = sitzungFuerNeueDatei(k, person);
    Sitzung& s = *sitzung;
    DemoMasken masken;
    s.masken = &masken;
    if (!neueDatei(s) || !s.verein.datei.aktiv()) return kAbgelehnt;

    vorgaengeBuchen(s, vorgaenge());
    // The wrongly ordered shirt is cancelled, as treasurers do: the booking stays as deleted.
    const auto saetze = alleBuchungenLesen(s.verein.datei.dateiname());
    for (std::uint32_t i = 0; i < saetze.size(); ++i)
        if (saetze[i].text.text() == "Trikot falsch bestellt")
            buchungLoeschen(s.verein.datei.dateiname(), i);
    schablonen(s);
    planvorgabenSetzen(s);
    demoMitgliederAnlegen(s);
    demoauszuegeAnlegen(s, verzeichnis);
    const std::string jugend = jugendAnlegen(k, verzeichnis);
    if (jugend.empty() || !dateilistenAnlegen(verzeichnis, {s.verein.datei.dateiname(), jugend},
                                              s.verein.datei.jahr, person))
        return kAbgelehnt;
    k.out << s.verein.datei.dateiname() << "\n";
    return kFertig;
}

} // namespace

Befehl befehlDemo() {
    return {"demo", "VERZEICHNIS",
            "legt dort den Demo-Verein an (Sportverein.JJ des laufenden Jahres, dazu "
            "Jugendabteilung.JJ, zwei Kontoauszüge des Girokontos und die Dateilisten " +
                Dateisatz::listenname("Vereine") + " und " +
                Dateisatz::listenname("Vereine-Vorjahr") + ") und nennt die Datei",
            Befehlsart::Neu, demo};
}

} // namespace zalvor::cli
