// zalvor-cli neu and naechstes-jahr: a new club file, and the next year's file.
#include "cli/common/befehl.h"
#include "cli/common/cliperson.h"
#include "cli/common/dateiargument.h"
#include "cli/files/climasken.h"
#include "core/common/zeichensatz.h"
#include "core/files/naechstesjahr.h"
#include "core/files/neuedatei.h"

#include <deque>

namespace zalvor::cli {

namespace {

// The name typed into the input box "Neue Datei" comes from the command line; every other
// question still takes its answer from --antworten.
class NamensPerson : public Person {
  public:
    NamensPerson(Person& innen, std::string name) : innen_(innen), name_(std::move(name)) {}
    void meldung(const std::string& t, const std::string& x, Symbol s) override {
        innen_.meldung(t, x, s);
    }
    void fehlermeldung(Ausgang a, const std::string& t, const std::string& x, Symbol s) override {
        innen_.fehlermeldung(a, t, x, s);
    }
    void nachricht(const std::string& t, const std::string& x) override { innen_.nachricht(t, x); }
    std::optional<Knopf> frage(const Frage& f) override { return innen_.frage(f); }
    std::optional<std::string> eingabe(const std::string& t, const std::string& p,
                                       const std::string& v) override {
        // After an overwrite question answered with No the box comes again: then cancel.
        if (gefragt_) return innen_.eingabe(t, p, v);
        gefragt_ = true;
        return utf8NachAnsi(name_);
    }
    void fortschrittZeigen(const std::string& t, const std::string& x) override {
        innen_.fortschrittZeigen(t, x);
    }
    void fortschritt(int p) override { innen_.fortschritt(p); }
    void fortschrittText(const std::string& x) override { innen_.fortschrittText(x); }
    void fortschrittSchliessen() override { innen_.fortschrittSchliessen(); }

  private:
    Person& innen_;
    std::string name_;
    bool gefragt_ = false;
};

int neu(Kontext& k) {
    CliMasken masken;
    masken.waehrung = k.args.wert("--waehrung");
    masken.kurs = k.args.wert("--kurs");
    masken.umstellungsjahr = k.args.wert("--umstellungsjahr");
    masken.umstellungBis = k.args.wert("--umstellung-bis");
    nummerierteWerte(k.args, "--konto", 9, masken.konten);
    nummerierteWerte(k.args, "--ausgabetyp", 50, masken.ausgabetypen);
    nummerierteWerte(k.args, "--einnahmetyp", 50, masken.einnahmetypen);
    nummerierteWerte(k.args, "--anfangsbestand", 9, masken.bestaende);
    const std::string datei = k.args.letzte("DATEI");

    NamensPerson person(k.sitzung.person, datei);
    const auto sitzung = sitzungFuerNeueDatei(k, person);
    Sitzung& s = *sitzung;
    s.masken = &masken;
    if (!neueDatei(s)) return kAbgelehnt;
    if (!s.verein.datei.aktiv()) return kAbgelehnt; // the files could not be created
    return masken.abgelehnt ? kAbgelehnt : kFertig;
}

int naechstesJahrBefehl(Kontext& k) {
    CliMasken masken;
    masken.jahr = k.args.wert("--jahr");
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::NaechstesJahr);
    k.sitzung.masken = &masken;
    const Ausgang ausgang = naechstesJahr(k.sitzung);
    return masken.abgelehnt ? kAbgelehnt : exitStatus(ausgang);
}

} // namespace

Befehl befehlNeu() {
    return {"neu",
            "DATEI [--waehrung W] [--kurs K] [--umstellungsjahr JJ] [--umstellung-bis JJ] "
            "[--konto N=NAME]... [--ausgabetyp N=NAME]... [--einnahmetyp N=NAME]... "
            "[--anfangsbestand N=BETRAG]...",
            "legt eine neue Datei an wie \"Datei|Neu...\": Währung, Typen- und Kontennamen, "
            "Anfangsbestände; DATEI ohne .JJ nimmt das Kalenderjahr",
            Befehlsart::Neu, neu};
}
Befehl befehlNaechstesJahr() {
    return {"naechstes-jahr", "DATEI [--jahr JJ]",
            "erstellt die Datei des nächsten Jahres mit Anfangsbeständen und Planungen",
            Befehlsart::NaechstesJahr, naechstesJahrBefehl};
}

} // namespace zalvor::cli
