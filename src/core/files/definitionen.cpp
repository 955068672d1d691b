// Reading (every older format with its notices) and writing of the definitions file.
#include "core/files/definitionen.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateibytes.h"
#include "core/files/dateisatz.h"
#include "core/files/dateischreiben.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

namespace zalvor {

namespace {

constexpr std::size_t kZeilenBreite = 255;
constexpr std::size_t kNamenBreite = 15;
constexpr std::size_t kKontoBreite = 10;
constexpr std::size_t kKompaktBreite = 39;
constexpr int kAlteTypen = 20;
constexpr int kAlteGruppen = 19;

const std::string kTitelVersion = A("Bitte beachten Sie diese Versionsänderung!");
const std::string kTitelVersionOhneAusruf = A("Bitte beachten Sie diese Versionsänderung");

const std::string kTextV20 =
    A("Die Definitionsdatei hat noch das alte Format (bis V2.0), seit Version 2.1 werden in der "
      "Definitionsdatei zusätzlich weitere Daten gesichert. Bei der nächsten Änderung der "
      "Definition wird die Datei im neuen Format gespeichert. Ältere Programmversionen können "
      "die Datei dann trotzdem noch lesen, sollten sie sie jedoch neu schreiben, gehen die neuen "
      "Informationen verloren, und die Typennamen, die jetzt 15 Zeichen lang sein dürfen, werden "
      "dann auch wieder auf 10 Zeichen gekürzt!");

const std::string kTextV21 =
    A("Die Definitionsdatei hat noch das alte Format (V2.1), seit Version 3.0 werden in der "
      "Definitionsdatei 20 statt bisher 10 Einn.-Typen gesichert. Bei der nächsten Änderung der "
      "Definition wird die Datei im neuen Format gespeichert. Ältere Programmversionen können "
      "die Datei dann trotzdem noch lesen, solange Sie keine der neuen Einn.-Typen 11-20 "
      "verwenden!");

const std::string kTextV30 =
    A("Seit Version 3.01 wird zusätzlich ein Mehrwertsteuersatz zur Berechnung der in den "
      "Ausgaben enthaltenen MwSt gespeichert, seit Version 4 auch Währungsinformationen (wegen "
      "des Euros)");

const std::string kTextV301 =
    A("Die Definitionsdatei hat noch das Format der Version 3.01! Seit Version 4 werden "
      "zusätzlich Euro-Kurs, \"alte\" Währung und Euro-Startjahr gespeichert.");

const std::string kTextV42 =
    A("Die Definitionsdatei hat noch das alte Format (bis V4.2), seit Version 4.5 können "
      "zusätzliche Buchungstypen und -Gruppen erstellt werden. Bei der nächsten Änderung der "
      "wird die Datei im neuen Format gespeichert. Ältere Programmversionen können die Datei "
      "dann trotzdem noch lesen, so lange Sie nicht mehr als 20 Typen für Einnahmen und Ausgaben "
      "und nicht mehr als jeweils 19 Typengruppen verwenden. Schreibzugriffe mit älteren "
      "Versionen von Zalvor können zum Verlust der nur von Version 4.5 unterstützten "
      "Informationen (Typen mit Nr. > 20, mehr als 19 Gruppen) führen!");

// The lines of the file with a read position; reading past the end gives empty lines.
class Zeilenleser {
  public:
    explicit Zeilenleser(std::vector<std::string> zeilen) : zeilen_(std::move(zeilen)) {
        // A DOS editor may have left an end-of-file mark as the last line.
        if (!zeilen_.empty() && zeilen_.back() == "\x1A") zeilen_.pop_back();
    }
    bool ende() const { return pos_ >= zeilen_.size(); }
    std::string lesen(std::size_t breite) {
        if (ende()) return {};
        const std::string& z = zeilen_[pos_++];
        return z.substr(0, std::min(breite, kZeilenBreite));
    }
    void ueberspringen() {
        if (!ende()) ++pos_;
    }

  private:
    std::vector<std::string> zeilen_;
    std::size_t pos_ = 0;
};

std::string ohneRandblanks(std::string s) {
    const char* blanks = " \t";
    auto a = s.find_first_not_of(blanks);
    if (a == std::string::npos) return {};
    auto b = s.find_last_not_of(blanks);
    return s.substr(a, b - a + 1);
}

// A number line as a rate held through Real6; nullopt for anything that is no number or
// does not fit the stored format.
std::optional<long double> rateLesen(const std::string& zeile) {
    auto wert = zahlLesen(ohneRandblanks(zeile));
    if (!wert) return std::nullopt;
    try {
        return durchReal6(*wert);
    } catch (const UeberlaufFehler&) {
        return std::nullopt;
    }
}

// Member-settings number: 0 becomes 1, 10 becomes 11. Other values beyond 1..9 and 11..19
// keep their code word flag (10 and above) and get a contribution account 1..9, so that no
// later step meets account 0.
std::uint8_t mitgliedEinstellungNormal(long wert) {
    const bool geschuetzt = wert >= 10;
    int konto = static_cast<int>(wert % 10);
    if (konto == 0) konto = 1;
    return static_cast<std::uint8_t>(konto + (geschuetzt ? 10 : 0));
}

std::optional<std::uint8_t> mitgliedEinstellungLesen(const std::string& zeile) {
    auto wert = ganzzahlLesen(ohneRandblanks(zeile));
    if (!wert || *wert < 0 || *wert > 255) return std::nullopt;
    return mitgliedEinstellungNormal(*wert);
}

// A group number of the extension: a missing or unreadable number means no group.
int gruppenNummerLesen(const std::string& zeile) {
    auto wert = ganzzahlLesen(ohneRandblanks(zeile));
    if (!wert || *wert < 0 || *wert > kGruppen) return 0;
    return static_cast<int>(*wert);
}

std::string typenName(Zeilenleser& z) {
    return OemNachAnsi(z.lesen(kNamenBreite));
}

void jahreVorgabe(WaehrungsEinstellungen& w) {
    w.Umstellungsjahr = "02";
    w.UmstellungBis = "03";
}

void vorgaben(bool codewortdateiDa, TDefinitionen& d) {
    for (int k = 1; k <= kKonten; ++k)
        d.konten[static_cast<std::size_t>(k)] = kUnbenannt;
    d.mwstSatz = 0;
    d.waehrung.Kurs = 0;
    jahreVorgabe(d.waehrung);
    d.mitgliedEinstellung = codewortdateiDa ? 11 : 1;
}

void versionsHinweis(Gelesen<TDefinitionen>& g, const std::string& titel, const std::string& text) {
    g.hinweise.push_back({titel, text, Symbol::Information});
    if (g.status == Lesestatus::Gelesen) g.status = Lesestatus::AltesFormat;
}

void fehlerHinweis(Gelesen<TDefinitionen>& g, const std::string& text, Symbol symbol) {
    g.hinweise.push_back({A("Fehler!"), text, symbol});
    g.status = Lesestatus::Beschaedigt;
}

// Blocks of 9 lines for the types 21..50 and the groups 20..49.
void erweiterungLesen(Zeilenleser& z, Typverwaltung& t) {
    int typ = kAlteTypen;
    int gruppe = kAlteGruppen;
    while (!z.ende() && (typ < kTypen || gruppe < kGruppen)) {
        if (typ < kTypen) {
            ++typ;
            t.setzeTypName(Seite::Ausgabe, typ, typenName(z));
            t.setzeGruppeVon(Seite::Ausgabe, typ, gruppenNummerLesen(z.lesen(kZeilenBreite)));
            t.setzeTypName(Seite::Einnahme, typ, typenName(z));
            t.setzeGruppeVon(Seite::Einnahme, typ, gruppenNummerLesen(z.lesen(kZeilenBreite)));
        } else {
            for (int i = 0; i < 4; ++i)
                z.ueberspringen();
        }
        if (gruppe < kGruppen && !z.ende()) {
            ++gruppe;
            const int posten = Typverwaltung::gruppeZuPosten(gruppe);
            t.setzeGruppenName(Seite::Ausgabe, gruppe, typenName(z));
            t.setzeGruppeVon(Seite::Ausgabe, posten, gruppenNummerLesen(z.lesen(kZeilenBreite)));
            t.setzeGruppenName(Seite::Einnahme, gruppe, typenName(z));
            t.setzeGruppeVon(Seite::Einnahme, posten, gruppenNummerLesen(z.lesen(kZeilenBreite)));
        } else {
            for (int i = 0; i < 4; ++i)
                z.ueberspringen();
        }
        z.ueberspringen();
    }
}

// Lines 1..46; false on a damaged start of the file (a number line that cannot be read).
bool kopfLesen(Zeilenleser& z, TDefinitionen& d) {
    Typverwaltung& t = d.typen;
    for (int n = 1; n <= kAlteTypen; ++n)
        t.setzeTypName(Seite::Ausgabe, n, typenName(z));
    for (int n = 1; n <= 10; ++n)
        t.setzeTypName(Seite::Einnahme, n, typenName(z));
    for (int k = 1; k <= kKonten; ++k)
        d.konten[static_cast<std::size_t>(k)] = z.lesen(kKontoBreite);
    // Missing name lines count as empty; the two number lines must be there.
    if (z.ende()) return false;
    auto einstellung = mitgliedEinstellungLesen(z.lesen(kZeilenBreite));
    if (!einstellung || z.ende()) return false;
    auto beitrag = rateLesen(z.lesen(kZeilenBreite));
    if (!beitrag) return false;
    d.mitgliedEinstellung = *einstellung;
    d.standardBeitrag = *beitrag;
    for (int f = 1; f <= 5; ++f)
        d.freiFelder[static_cast<std::size_t>(f)] = z.lesen(kKontoBreite);
    return true;
}

// Lines 47 onwards of a file that has them.
void restLesen(Zeilenleser& z, Gelesen<TDefinitionen>& ergebnis) {
    TDefinitionen& d = ergebnis.wert;
    Typverwaltung& t = d.typen;
    std::string ausgabeText = z.lesen(kKompaktBreite);
    std::string einnahmeText = z.lesen(kKompaktBreite);
    for (int g = 1; g <= kAlteGruppen; ++g)
        t.setzeGruppenName(Seite::Ausgabe, g, typenName(z));
    if (einnahmeText.size() < kKompaktBreite) {
        versionsHinweis(ergebnis, kTitelVersion, kTextV21);
        einnahmeText.append(kKompaktBreite - einnahmeText.size(), '0');
        for (int g = 1; g <= 9; ++g)
            t.setzeGruppenName(Seite::Einnahme, g, typenName(z));
    } else {
        for (int g = 1; g <= kAlteGruppen; ++g)
            t.setzeGruppenName(Seite::Einnahme, g, typenName(z));
        for (int n = 11; n <= kAlteTypen; ++n)
            t.setzeTypName(Seite::Einnahme, n, typenName(z));
    }
    t.kompakttexteLaden(ausgabeText, einnahmeText);

    if (z.ende()) {
        versionsHinweis(ergebnis, kTitelVersionOhneAusruf, kTextV30);
        d.mwstSatz = 0;
        d.waehrung.Kurs = 0;
        jahreVorgabe(d.waehrung);
        return;
    }
    if (auto mwst = rateLesen(z.lesen(kZeilenBreite))) {
        d.mwstSatz = *mwst;
    } else {
        fehlerHinweis(ergebnis, A("Ungültiger MwSt-Satz!"), Symbol::Fehler);
        d.mwstSatz = 0;
    }

    if (z.ende()) {
        versionsHinweis(ergebnis, kTitelVersionOhneAusruf, kTextV301);
        d.waehrung.Kurs = 0;
        jahreVorgabe(d.waehrung);
        return;
    }
    d.waehrung.Waehrung = z.lesen(3);
    if (auto kurs = rateLesen(z.lesen(kZeilenBreite))) {
        d.waehrung.Kurs = *kurs;
    } else {
        fehlerHinweis(ergebnis, A("Ungültiger Euro-Kurs, es wird 1.95583 (DM) angenommen!"),
                      Symbol::Warnung);
        d.waehrung.Kurs = durchReal6(1.95583L);
    }
    d.waehrung.Umstellungsjahr = z.lesen(2);
    d.waehrung.UmstellungBis = z.lesen(2);
}

// A line of the file must not break the line structure.
std::string einzeilig(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

std::string mitgliedEinstellungText(std::uint8_t wert) {
    const std::uint8_t normal = mitgliedEinstellungNormal(wert);
    const std::string ziffer(1, static_cast<char>('0' + normal % 10));
    return normal > 10 ? "1" + ziffer : ziffer;
}

// An account without a name is written as "unbenannt".
std::string kontoname(const TDefinitionen& d, int k) {
    const std::string& name = d.konten[static_cast<std::size_t>(k)];
    return name.empty() ? kUnbenannt : name;
}

std::vector<std::string> dateiZeilen(const TDefinitionen& d) {
    const Typverwaltung& t = d.typen;
    std::vector<std::string> z;
    z.reserve(371);
    auto name = [&](const std::string& windows) { z.push_back(einzeilig(AnsiNachOem(windows))); };
    for (int n = 1; n <= kAlteTypen; ++n)
        name(t.typName(Seite::Ausgabe, n));
    for (int n = 1; n <= 10; ++n)
        name(t.typName(Seite::Einnahme, n));
    for (int k = 1; k <= kKonten; ++k)
        z.push_back(einzeilig(kontoname(d, k)));
    z.push_back(mitgliedEinstellungText(d.mitgliedEinstellung));
    z.push_back(festkomma(d.standardBeitrag, 2));
    for (int f = 1; f <= 5; ++f)
        z.push_back(einzeilig(d.freiFelder[static_cast<std::size_t>(f)]));
    z.push_back(t.kompakttext(Seite::Ausgabe));
    z.push_back(t.kompakttext(Seite::Einnahme));
    for (int g = 1; g <= kAlteGruppen; ++g)
        name(t.gruppenName(Seite::Ausgabe, g));
    for (int g = 1; g <= kAlteGruppen; ++g)
        name(t.gruppenName(Seite::Einnahme, g));
    for (int n = 11; n <= kAlteTypen; ++n)
        name(t.typName(Seite::Einnahme, n));
    z.push_back(festkomma(d.mwstSatz, 2)); // never shorter than "0.00"
    z.push_back(einzeilig(d.waehrung.Waehrung.substr(0, 3)));
    z.push_back(festkomma(d.waehrung.Kurs, 6));
    z.push_back(einzeilig(d.waehrung.Umstellungsjahr));
    z.push_back(einzeilig(d.waehrung.UmstellungBis));
    for (int k = 1; k <= 30; ++k) {
        const int typ = kAlteTypen + k;
        const int gruppe = kAlteGruppen + k;
        const int posten = Typverwaltung::gruppeZuPosten(gruppe);
        name(t.typName(Seite::Ausgabe, typ));
        z.push_back(std::to_string(t.gruppeVon(Seite::Ausgabe, typ)));
        name(t.typName(Seite::Einnahme, typ));
        z.push_back(std::to_string(t.gruppeVon(Seite::Einnahme, typ)));
        name(t.gruppenName(Seite::Ausgabe, gruppe));
        z.push_back(std::to_string(t.gruppeVon(Seite::Ausgabe, posten)));
        name(t.gruppenName(Seite::Einnahme, gruppe));
        z.push_back(std::to_string(t.gruppeVon(Seite::Einnahme, posten)));
        z.emplace_back();
    }
    return z;
}

} // namespace

Gelesen<TDefinitionen> definitionenAusBytes(const Dateiinhalt& inhalt, TDefinitionen bisher,
                                            const std::string& nameImText, bool codewortdateiDa) {
    Gelesen<TDefinitionen> g{std::move(bisher), {}, Lesestatus::Gelesen};
    TDefinitionen& d = g.wert;
    d.typen.namenLeeren();
    d.typen.zuordnungenLeeren();
    // The whole file is read at once: a failure to read falls within the first lines.
    d.unlesbar = inhalt.status == Lesestatus::Unlesbar;
    if (inhalt.status == Lesestatus::Fehlt) {
        g.hinweise.push_back({A("Fehler!"), A("Fehlende Definitionsdatei!!"), Symbol::Fehler});
        g.status = Lesestatus::Fehlt;
        vorgaben(codewortdateiDa, d);
        return g;
    }
    std::optional<Zeilenleser> z;
    if (inhalt.da()) z.emplace(textzeilen(inhalt.bytes));
    if (!z || !kopfLesen(*z, d)) {
        g.hinweise.push_back({A("FEHLER!"),
                              A("Fehler beim Lesen der Definitionsdatei ") + nameImText + "!",
                              Symbol::Fehler});
        g.status = d.unlesbar ? Lesestatus::Unlesbar : Lesestatus::Beschaedigt;
        vorgaben(codewortdateiDa, d);
        return g;
    }

    if (z->ende()) {
        versionsHinweis(g, kTitelVersion, kTextV20);
        d.mwstSatz = 0;
        d.waehrung.Kurs = 0;
        jahreVorgabe(d.waehrung);
    } else {
        restLesen(*z, g);
    }

    if (z->ende()) {
        versionsHinweis(g, kTitelVersion, kTextV42);
        return g;
    }
    erweiterungLesen(*z, d.typen);
    return g;
}

Gelesen<TDefinitionen> definitionenLaden(const std::string& basisname, TDefinitionen bisher) {
    const Dateisatz dateien(basisname, {});
    const std::string pfad = dateien.definitionen();
    // A folder of that name holds no settings; a file that cannot be read does.
    const Dateibytes datei =
        istOrdner(pfad) ? Dateibytes{Lesestatus::Fehlt, {}} : dateibytesHolen(pfad);
    return definitionenAusBytes(datei.inhalt(), std::move(bisher),
                                utf8NachAnsi(dateien.definitionenImText()),
                                dateiExistiert(dateien.codewort()));
}

std::vector<std::uint8_t> definitionenInhalt(const TDefinitionen& d) {
    return textinhalt(dateiZeilen(d));
}

bool definitionenSchreiben(const std::string& basisname, TDefinitionen& d, Person& person) {
    for (int k = 1; k <= kKonten; ++k) {
        auto& konto = d.konten[static_cast<std::size_t>(k)];
        if (konto.empty()) konto = kUnbenannt;
    }
    try {
        const std::string pfad = Dateisatz(basisname, {}).definitionen();
        if (d.unlesbar) throw EAFehler(EACCES, pfad);
        dateiErsetzen(pfad, definitionenInhalt(d));
    } catch (const EAFehler&) {
        person.fehlermeldung(Ausgang::Abgelehnt, A("FEHLER!"),
                             A("Definitionsdatei konnte nicht neu geschrieben werden!"),
                             Symbol::Fehler);
        return false;
    }
    return true;
}

} // namespace zalvor
