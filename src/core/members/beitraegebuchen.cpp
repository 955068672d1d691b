// Contribution bookings, the reset of the period and the Euro changeover of the rates.
#include "core/members/beitraegebuchen.h"

#include "core/common/befehlsregeln.h"
#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/definitionen.h"
#include "core/files/sitzung.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"

#include <cmath>

namespace zalvor {

namespace {

std::string pfad(const Sitzung& s) {
    return s.verein.datei.dateien().mitglieder();
}

// The contribution booking of a member; `text` in DOS form.
TBuchung beitragsbuchung(const Sitzung& s, const TMitglied& m, const std::string& text,
                         bool geplant, std::int32_t nummer) {
    const Datum heute = s.uhr.heute();
    TBuchung b;
    b.typcode = kCodeBeitrag;
    b.einnahme = 1;
    b.geplant = geplant ? 1 : 0;
    b.text.setze(text.substr(0, 30));
    b.tag = static_cast<std::uint8_t>(heute.tag);
    b.monat = static_cast<std::uint8_t>(heute.monat);
    b.betrag = Real6::aus(beitragsBetrag(m, s.verein.beitraege, s.verein.def));
    b.bunr.setze(nummerText(nummer));
    b.kontoNach = static_cast<std::uint8_t>(s.verein.def.beitragsKonto());
    b.kontoVon = 0;
    return b;
}

// Collects the bookings of one command, numbered as one booking after the other would be,
// and appends them in one batch.
class Buchungsstapel {
  public:
    explicit Buchungsstapel(const Sitzung& s) : zaehler_(s.verein.datei) {}
    void dazu(const Sitzung& s, const TMitglied& m, const std::string& text, bool geplant) {
        saetze_.push_back(beitragsbuchung(s, m, text, geplant, zaehler_.naechsteNummer));
        naechsteNummerNachAnhaengen(zaehler_, saetze_.back());
    }
    void anhaengen(Sitzung& s) const {
        buchungenAnhaengen(s.verein, s.person, saetze_);
        for (std::size_t i = 0; i < saetze_.size(); ++i)
            s.tabelle(TabellenModus::Anhaengen);
    }
    std::size_t anzahl() const { return saetze_.size(); }

  private:
    TBuchungsdatei zaehler_;
    std::vector<TBuchung> saetze_;
};

// Amounts and the contribution account come from the rates and the definitions: when either
// could not be read at opening (reported then), booking would use the defaults instead.
void grundlagenPruefen(const Sitzung& s) {
    if (s.verein.beitraege.unlesbar) throw EAFehler(EIO, s.verein.datei.dateien().beitraege());
    if (s.verein.def.unlesbar) throw EAFehler(EIO, s.verein.datei.dateien().definitionen());
}

bool offen(const Sitzung& s, const TMitglied& m) {
    return m.bezahlt == 0 && s.verein.beitraege.eintrag(m.satz).cent != 0;
}

} // namespace

std::optional<BeitragsDialog> beitraegeOeffnen(Sitzung& s) {
    befehlPruefen(s, Befehlsart::BeitraegeBuchen);
    grundlagenPruefen(s);
    BeitragsDialog d;
    try {
        if (!dateiExistiert(pfad(s))) throw EAFehler(ENOENT, pfad(s));
        d.mitglieder = mitgliederLesen(pfad(s));
    } catch (const EAFehler&) {
        s.person.meldung(A("FEHLER!"), A("Mitglieder-Datei konnte nicht geöffnet werden!"),
                         Symbol::Fehler);
        return std::nullopt;
    }
    d.kaestchen.reserve(d.mitglieder.size());
    for (const TMitglied& m : d.mitglieder) {
        BeitragsKaestchen k;
        k.text = OemNachAnsi(mitgliedName(m));
        k.angehakt = m.bezahlt != 0;
        k.aktiv = m.bezahlt == 0 && s.verein.beitraege.eintrag(m.satz).buchbar();
        d.kaestchen.push_back(std::move(k));
    }
    return d;
}

std::size_t beitraegeBuchen(Sitzung& s, const BeitragsDialog& d) {
    befehlPruefen(s, Befehlsart::BeitraegeBuchen);
    grundlagenPruefen(s);
    Buchungsstapel stapel(s);
    std::vector<TMitglied> liste = d.mitglieder;
    for (std::size_t i = 0; i < liste.size() && i < d.kaestchen.size(); ++i) {
        const BeitragsKaestchen& k = d.kaestchen[i];
        if (!k.angehakt || !k.aktiv) continue;
        stapel.dazu(s, liste[i], AnsiNachOem(k.text), false);
        liste[i].bezahlt = 1;
    }
    if (stapel.anzahl() == 0) return 0;
    stapel.anhaengen(s);
    // The paid marks follow their bookings, all in one rewrite of the register: a failure in
    // between leaves bookings that the treasurer sees in the table rather than marks without
    // money.
    mitgliederSchreiben(pfad(s), liste);
    s.melden({Ereignis::Art::MitgliederGeaendert});
    return stapel.anzahl();
}

bool beitraegeZuruecksetzen(Sitzung& s) {
    befehlPruefen(s, Befehlsart::BeitraegeReset);
    grundlagenPruefen(s);
    const Frage erste =
        frageMit(A("Information"),
                 A("Diese Funktion löscht für sämtliche Mitglieder den \"Bezahlt-Eintrag\", so daß "
                   "für die Mitglieder wieder Beiträge gebucht werden können (Neue "
                   "Beitragsperiode)"),
                 Symbol::Information, {Knopf::Ok, Knopf::Abbruch}, Knopf::Ok);
    if (s.person.frage(erste) != Knopf::Ok) return false;
    std::vector<TMitglied> liste = mitgliederLesen(pfad(s));
    bool offeneBeitraege = false;
    for (const TMitglied& m : liste)
        offeneBeitraege = offeneBeitraege || offen(s, m);
    if (offeneBeitraege) {
        const Frage planen =
            frageMit(A("Bestätigen"),
                     A("Es haben noch nicht alle Mitglieder bezahlt!!!! Wenn Sie diese Beiträge "
                       "noch erwarten, müssen Sie entweder den Reset zeitlich aufschieben, oder "
                       "diese als Planungen buchen.\rWollen Sie die restlichen Beiträge planen?"),
                     Symbol::Frage, {Knopf::Ja, Knopf::Nein, Knopf::Abbruch}, Knopf::Ja);
        const auto antwort = s.person.frage(planen);
        if (antwort == Knopf::Ja) {
            Buchungsstapel stapel(s);
            for (const TMitglied& m : liste)
                if (offen(s, m)) stapel.dazu(s, m, mitgliedName(m), true);
            stapel.anhaengen(s);
        } else if (antwort == Knopf::Nein) {
            const Frage sicher =
                frageMit(A("V O R S I C H T !!!"),
                         A("Sind Sie wirklich sicher, daß diese Beiträge nicht gebucht werden "
                           "sollen?"),
                         Symbol::Warnung, {Knopf::Ok, Knopf::Abbruch}, Knopf::Abbruch);
            if (s.person.frage(sicher) != Knopf::Ok) return false;
        } else {
            return false;
        }
    }
    for (TMitglied& m : liste)
        m.bezahlt = 0;
    mitgliederSchreiben(pfad(s), liste);
    s.melden({Ereignis::Art::MitgliederGeaendert});
    return true;
}

bool beitragssaetzeUmstellen(Verein& v, Person& person) {
    const long double alt = v.def.standardBeitrag;
    if (!(alt > 0.00001L)) return true;
    const long double neu = InEuro(v.def.waehrung, alt);
    const std::string altText = BetragText(alt, 0);
    const std::string neuText = BetragText(neu, 0);
    const Frage f = frageMit(
        A("W I C H T I G !"),
        A("Sie benutzen die Beitragsfunktion von Zalvor und haben einen "
          "Standard-Beitragssatz von ") +
            altText + " " + v.def.waehrung.Waehrung +
            A(". Da die Abrechnung jetzt auf den Euro umgestellt wird, muß auch der "
              "Beitragssatz nun in Euro angegeben werden. Durch Umrechnung ergibt sich ein "
              "neuer Beitragssatz von ") +
            neuText +
            A(" EUR. Wollen Sie nun diesen Betrag als Beitragssatz einstellen (\"Ja\"), oder "
              "den Satz bei ") +
            altText +
            A(" EUR belassen (\"Nein\")? Wählen Sie \"Abbruch\", um das Jahr noch nicht "
              "umzustellen!\r(Wenn Sie noch weitere Beitragssätze verwenden, so werden diese "
              "ebenfalls in Euro umgerechnet, wenn Sie \"Ja\" wählen, bzw. unverändert "
              "gelassen, wenn Sie \"Nein\" wählen.)\rSie können in den "
              "Mitglieder-Einstellungen den Beitragssatz jederzeit ändern!"),
        Symbol::Warnung, {Knopf::Ja, Knopf::Nein, Knopf::Abbruch}, Knopf::Ja);
    const auto antwort = person.frage(f);
    if (antwort == Knopf::Nein) return true;
    if (antwort != Knopf::Ja) return false;
    // Both files change or neither: a failed write puts back what was there and stops the
    // year change, so the rates never stand in another currency than the standard rate.
    const Beitragssaetze alteSaetze = v.beitraege;
    const TDefinitionen alteDef = v.def;
    v.def.standardBeitrag = durchReal6(neu);
    v.beitraege.eintraege[0].cent = inCent(neu);
    v.beitraege.eintraege[0].name.setze("Standard");
    for (std::size_t i = 1; i < kBeitragssaetze; ++i) {
        Beitragssatz& e = v.beitraege.eintraege[i];
        if (e.cent != 0) e.cent = inCent(InEuro(v.def.waehrung, e.cent) / 100.0L);
    }
    // A write reported as failed may still have replaced its file (a failure after the
    // rename), so what was there is written back, not only restored in memory.
    const auto zurueck = [&](bool definitionenAuch) {
        v.beitraege = alteSaetze;
        v.def = alteDef;
        beitragssaetzeSchreiben(v.dateien(), v.beitraege, person);
        if (definitionenAuch) definitionenSchreiben(v.datei.basisname, v.def, person);
        return false;
    };
    if (!beitragssaetzeSchreiben(v.dateien(), v.beitraege, person)) return zurueck(false);
    if (!definitionenSchreiben(v.datei.basisname, v.def, person)) return zurueck(true);
    return true;
}

} // namespace zalvor
