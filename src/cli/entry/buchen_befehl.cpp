// zalvor-cli buchen and umbuchen: the booking and transfer dialogs, filled from the options.
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/entry/satzzeile.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/entry/buchen.h"
#include "core/files/buchungsdatei.h"

#include <algorithm>

namespace zalvor::cli {

namespace {

// What the person would type; nullopt keeps what the dialog proposes.
struct Felder {
    std::optional<std::string> betrag, tag, monat, bunr, beleg, text;
    std::optional<std::string> typ, konto, anVon, von, nach;
    bool planen = false;
    bool euro = false;
    bool schablone = false;

    bool nurBuchung() const { return typ || konto || anVon || planen || schablone; }
};

Felder felderLesen(Argumente& a, bool buchung) {
    Felder f;
    f.betrag = a.wert("--betrag");
    f.tag = a.wert("--tag");
    f.monat = a.wert("--monat");
    f.bunr = a.wert("--bunr");
    f.beleg = a.wert("--beleg");
    f.text = a.wert("--text");
    f.euro = a.schalter("--euro");
    if (buchung) {
        f.typ = a.wert("--typ");
        f.konto = a.wert("--konto");
        f.anVon = a.wert("--an-von");
        f.planen = a.schalter("--planen");
        f.schablone = a.schalter("--schablone");
    } else {
        f.von = a.wert("--von");
        f.nach = a.wert("--nach");
    }
    return f;
}

// The list entry of a shown number (a type "NN: ..." or an account "N: ..."); an empty value
// selects nothing.
std::string eintragWaehlen(const std::vector<std::string>& liste, const std::string& option,
                           const std::string& wert, bool konto) {
    if (wert.empty()) return {};
    auto n = ganzzahlLesen(wert);
    const long hoechstens = konto ? 9 : 99;
    if (!n || *n < (konto ? 1 : 0) || *n > hoechstens)
        throw Aufruffehler(option + " erwartet eine " + (konto ? "Kontonummer" : "Typnummer") +
                           ": " + wert);
    const std::string kopf = (!konto && *n < 10 ? " " : "") + std::to_string(*n) + ": ";
    for (const auto& e : liste)
        if (e.rfind(kopf, 0) == 0) return e;
    throw Aufruffehler(option + " " + wert + " steht nicht in der Liste des Dialogs");
}

class CliBuchungsFenster : public BuchungsFenster {
  public:
    CliBuchungsFenster(const Sitzung& s, Felder f) : sitzung_(s), f_(std::move(f)) {}

    DlgKnopf buchung(const BuchungsMaske& m, BuchungsEingaben& e) override {
        if (zweitesMal()) return DlgKnopf::Abbruch;
        gemeinsam(e.betrag, e.tag, e.monat, e.bunr, e.beleg, e.text);
        e.waehrung = waehrung(m.waehrungen, m.waehrungWaehlbar, e.waehrung);
        if (f_.typ) e.typ = eintragWaehlen(m.typen, "--typ", *f_.typ, false);
        if (f_.konto) e.konto = eintragWaehlen(m.konten, "--konto", *f_.konto, true);
        if (f_.anVon) e.anVon = feldText("--an-von", *f_.anVon, 15);
        e.schablone = f_.schablone;
        return f_.planen ? DlgKnopf::Planen : DlgKnopf::Buchen;
    }

    DlgKnopf umbuchung(const UmbuchungsMaske& m, UmbuchungsEingaben& e) override {
        if (f_.nurBuchung())
            throw Aufruffehler("der Satz ist eine Umbuchung: --typ, --konto, --an-von, --planen "
                               "und --schablone gelten dort nicht (zalvor-cli umbuchen)");
        if (zweitesMal()) return DlgKnopf::Abbruch;
        gemeinsam(e.betrag, e.tag, e.monat, e.bunr, e.beleg, e.text);
        e.waehrung = waehrung(m.waehrungen, m.waehrungWaehlbar, e.waehrung);
        if (f_.von) e.von = eintragWaehlen(m.konten, "--von", *f_.von, true);
        if (f_.nach) e.nach = eintragWaehlen(m.konten, "--nach", *f_.nach, true);
        return DlgKnopf::Buchen;
    }

  private:
    // A check refused the entries: the person reads the message and cancels.
    bool zweitesMal() {
        if (!gezeigt_) {
            gezeigt_ = true;
            return false;
        }
        return true;
    }

    void gemeinsam(std::string& betrag, std::string& tag, std::string& monat, std::string& bunr,
                   std::string& beleg, std::string& text) {
        if (f_.betrag) betrag = utf8NachAnsi(*f_.betrag);
        if (f_.tag) tag = feldText("--tag", *f_.tag, 2);
        if (f_.monat) monat = feldText("--monat", *f_.monat, 2);
        if (f_.bunr) bunr = feldText("--bunr", *f_.bunr, 4);
        if (f_.beleg) beleg = feldText("--beleg", *f_.beleg, 4);
        if (f_.text) text = feldText("--text", *f_.text, 30);
    }

    std::string waehrung(const std::vector<std::string>& liste, bool waehlbar,
                         const std::string& gewaehlt) {
        if (!f_.euro) return gewaehlt;
        auto it = std::find(liste.begin(), liste.end(), sitzung_.euroText);
        if (it == liste.begin()) return *it;
        if (it != liste.end() && waehlbar) return *it;
        throw Aufruffehler("--euro: die Währungsauswahl ist für diese Buchung gesperrt");
    }

    const Sitzung& sitzung_;
    Felder f_;
    bool gezeigt_ = false;
};

// A refused check, a closed question or a refused read-only booking end with status 1.
int ergebnis(Kontext& k, bool gespeichert, std::optional<std::uint32_t> satz) {
    if (!gespeichert) return kAbgelehnt;
    satzAusgeben(k, satz ? *satz : satzAnzahl(k.sitzung.verein.datei.dateiname()) - 1);
    return kFertig;
}

int buchen(Kontext& k) {
    const bool einnahme = k.args.schalter("--einnahme");
    const bool ausgabe = k.args.schalter("--ausgabe");
    const auto aendern = k.args.wert("--aendern");
    Felder felder = felderLesen(k.args, true);
    const std::string datei = k.args.letzte("DATEI");
    if (einnahme && ausgabe) throw Aufruffehler("--einnahme oder --ausgabe, nicht beides");
    // A change writes through the display command: its rule with the writing intent.
    dateiLaden(k, datei, aendern ? Befehlsart::AnzeigenAendern : Befehlsart::Buchen);
    Sitzung& s = k.sitzung;

    std::optional<std::uint32_t> satz;
    if (aendern) {
        satz = satzNummer(s, "--aendern", *aendern);
        if (*satz == satzAnzahl(s.verein.datei.dateiname()))
            satz.reset(); // the empty last row
        else if (einnahme || ausgabe)
            throw Aufruffehler("--einnahme/--ausgabe gelten nur für neue Buchungen");
    }
    std::optional<bool> art;
    if (einnahme || ausgabe) art = einnahme;
    CliBuchungsFenster fenster(s, std::move(felder));
    const bool gespeichert = buchenBefehl(s, satz, fenster, art);
    return ergebnis(k, gespeichert, satz);
}

int umbuchen(Kontext& k) {
    const auto aendern = k.args.wert("--aendern");
    Felder felder = felderLesen(k.args, false);
    dateiLaden(k, k.args.letzte("DATEI"),
               aendern ? Befehlsart::AnzeigenAendern : Befehlsart::Umbuchen);
    Sitzung& s = k.sitzung;

    std::optional<std::uint32_t> satz;
    if (aendern) {
        satz = satzNummer(s, "--aendern", *aendern);
        if (*satz == satzAnzahl(s.verein.datei.dateiname()))
            satz.reset();
        else if (!buchungLesen(s.verein.datei.dateiname(), *satz).istUmbuchung())
            throw Aufruffehler("Satz " + *aendern + " ist keine Umbuchung (zalvor-cli buchen)");
    }
    CliBuchungsFenster fenster(s, std::move(felder));
    const bool gespeichert = satz ? buchenBefehl(s, satz, fenster) : umbuchenBefehl(s, fenster);
    return ergebnis(k, gespeichert, satz);
}

} // namespace

Befehl befehlBuchen() {
    return {
        "buchen",
        "DATEI [--einnahme|--ausgabe] [--betrag TEXT] [--tag T] [--monat M] [--bunr N] "
        "[--beleg B] [--typ NR] [--konto N] [--text T] [--an-von P] [--planen] [--euro] "
        "[--schablone] [--aendern SATZNR]",
        "bucht eine Einnahme oder Ausgabe wie der Buchungsdialog (\"Bu&chen\", mit --planen "
        "\"&Planen\"); --typ ist die angezeigte Typnummer, --aendern ändert Satz SATZNR (ab 0); "
        "weggelassene Felder behalten den Vorschlag des Dialogs",
        Befehlsart::Buchen, buchen};
}
Befehl befehlUmbuchen() {
    return {
        "umbuchen",
        "DATEI [--von N] [--nach N] [--betrag TEXT] [--tag T] [--monat M] [--bunr N] [--beleg B] "
        "[--text T] [--euro] [--aendern SATZNR]",
        "bucht eine Umbuchung von Konto --von nach Konto --nach wie der Umbuchungsdialog",
        Befehlsart::Umbuchen, umbuchen};
}

} // namespace zalvor::cli
