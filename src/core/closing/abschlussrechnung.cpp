// The closing computed from one pass over the bookings.
#include "core/closing/abschlussrechnung.h"

#include "core/common/real6.h"
#include "core/common/zeichensatz.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zalvor {

namespace {

bool kontoGueltig(int k) {
    return k >= 1 && k <= kKonten;
}

void plus(long double& summe, long double betrag) {
    summe = durchReal6(summe + betrag);
}

class Rechnung {
  public:
    Rechnung(const TDefinitionen& def, const std::string& jahr, const Abschlusssummen& summen,
             const AbschlussParameter& p)
        : def_(def), summen_(summen), umrechnen_(p.umrechnen && def.waehrung.kursVorhanden()),
          inEuro_(DateiInEuro(def.waehrung, jahr)) {}

    long double umgerechnet(long double x) const {
        if (!umrechnen_) return x;
        return inEuro_ ? InLandeswaehrung(def_.waehrung, x) : InEuro(def_.waehrung, x);
    }

    Tripel fertig(Tripel t) const {
        t.summe = durchReal6(t.real + t.geplant);
        t.real = umgerechnet(t.real);
        t.geplant = umgerechnet(t.geplant);
        t.summe = umgerechnet(t.summe);
        return t;
    }

    // Type sum of an item of one side (0: "Sonstige", the contribution marker: type code 22).
    Tripel typSumme(Seite s, int posten) const {
        const int code = posten == 0 ? 0 : Typverwaltung::postenZuTypcode(posten);
        const auto& quelle = s == Seite::Ausgabe ? summen_.ausgaben : summen_.einnahmen;
        return fertig(quelle[static_cast<std::size_t>(code)]);
    }

  private:
    const TDefinitionen& def_;
    const Abschlusssummen& summen_;
    bool umrechnen_;
    bool inEuro_;
};

std::vector<Gruppenabschnitt> gruppenabschnitte(const TDefinitionen& def, Seite s,
                                                const std::array<Tripel, kTypen + 1>& typen,
                                                Gruppenrechnung& rechnung, Person& person) {
    const Typverwaltung& tv = def.typen;
    std::vector<Gruppenabschnitt> abschnitte;
    rechnung.cacheLeeren();
    auto typSumme = [&](int typ) { return typen[static_cast<std::size_t>(typ)]; };
    for (int g = 1; g <= kGruppen; ++g) {
        if (tv.gruppenName(s, g).empty()) continue;
        Gruppenabschnitt a;
        a.gruppe = g;
        const int eigen = Typverwaltung::gruppeZuPosten(g);
        for (int posten = 1; posten <= kPosten; ++posten) {
            if (posten == eigen || tv.gruppeVon(s, posten) != g) continue;
            const Tripel t = Typverwaltung::istGruppe(posten)
                                 ? rechnung.gruppenSumme(s, Typverwaltung::postenZuGruppe(posten),
                                                         typSumme, person)
                                 : typSumme(posten);
            a.mitglieder.emplace_back(posten, t);
            a.summe.addieren(t);
        }
        if (!rechnung.berechnet(s, g)) rechnung.merken(s, g, a.summe);
        abschnitte.push_back(std::move(a));
    }
    return abschnitte;
}

struct Perioden {
    int anzahl = 0;
    long double gefordert = 0; // converted
};

// Adds the demand period by period, each total stored as a 6-byte real, until its converted
// copy is not less than the payment. Between two powers of two every addition adds the same
// rounded step (the totals are multiples of one unit there), so the periods of one binary
// exponent are counted by bisection instead of one by one: whatever the amounts, a few
// thousand additions at most. Empty when the total stops growing or the count leaves int.
template <class Umrechnen>
std::optional<Perioden> periodenZaehlen(long double forderung, long double bezahlt,
                                        Umrechnen umgerechnet) {
    auto erreicht = [&](long double gefordert) { return !(umgerechnet(gefordert) < bezahlt); };
    constexpr long long kGrenze = std::numeric_limits<int>::max();
    long double gefordert = 0;
    long long anzahl = 0;
    for (;;) {
        const long double weiter = durchReal6(gefordert + forderung);
        ++anzahl;
        if (erreicht(weiter)) return Perioden{static_cast<int>(anzahl), umgerechnet(weiter)};
        if (weiter == gefordert || anzahl >= kGrenze) return std::nullopt;
        gefordert = weiter;
        // The same step for every total that, with the next addition, stays below the next
        // power of two; the margin keeps the last jumped total clear of it.
        const long double schritt = durchReal6(gefordert + forderung) - gefordert;
        int exponent = 0;
        std::frexp(gefordert, &exponent);
        const long double raum = std::ldexp(1.0L, exponent) - gefordert - 2 * forderung - schritt;
        if (!(schritt > 0) || !(raum >= schritt)) continue;
        const auto sprung = static_cast<long long>(
            std::min(std::floor(raum / schritt), static_cast<long double>(kGrenze - anzahl)));
        const auto nach = [&](long long k) {
            return gefordert + static_cast<long double>(k) * schritt;
        };
        if (erreicht(nach(sprung))) {
            long long unten = 0;     // not reached
            long long oben = sprung; // reached
            while (oben - unten > 1) {
                const long long mitte = unten + (oben - unten) / 2;
                (erreicht(nach(mitte)) ? oben : unten) = mitte;
            }
            return Perioden{static_cast<int>(anzahl + oben), umgerechnet(nach(oben))};
        }
        gefordert = nach(sprung);
        anzahl += sprung;
    }
}

} // namespace

Abschlusssummen summenBilden(const std::uint8_t* saetze, std::size_t anzahl, int monat) {
    Abschlusssummierer s(monat);
    s.addieren(saetze, anzahl);
    return s.summen();
}

void Abschlusssummierer::addieren(const std::uint8_t* saetze, std::size_t anzahl) {
    const int monat = monat_;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const std::uint8_t* satz = saetze + i * TBuchung::kGroesse;
        const Summenfelder b = TBuchung::summenfelder(satz);
        // A zero amount (a deleted booking among them) leaves every stored total as it is.
        if (b.betragNull()) continue;
        const std::uint8_t* betrag = b.betragBytes();
        if (monat == 0 || b.monat() <= monat) {
            if (b.istUmbuchung()) {
                if (kontoGueltig(b.kontoVon())) konten_[b.kontoVon()].real.addieren(betrag, true);
                if (kontoGueltig(b.kontoNach())) konten_[b.kontoNach()].real.addieren(betrag);
            } else if (b.einnahme()) {
                if (kontoGueltig(b.kontoNach())) {
                    Paar& k = konten_[b.kontoNach()];
                    (b.geplant() ? k.geplant : k.real).addieren(betrag);
                }
            } else if (kontoGueltig(b.kontoVon())) {
                Paar& k = konten_[b.kontoVon()];
                (b.geplant() ? k.geplant : k.real).addieren(betrag, true);
            }
        }
        if (monat == 0 || b.monat() == monat) {
            if (!b.einnahme()) {
                Paar& t = ausgaben_[b.typcode()];
                (b.geplant() ? t.geplant : t.real).addieren(betrag);
            }
            if (!b.anfangsbestand()) {
                Paar& t = einnahmen_[b.typcode()];
                if (!b.geplant()) {
                    if (b.typcode() == kCodeBeitrag || b.einnahme()) t.real.addieren(betrag);
                } else if (b.einnahme()) {
                    t.geplant.addieren(betrag);
                }
            }
        }
        if (!b.anfangsbestand() && !b.geplant() && b.typcode() == kCodeBeitrag && b.monat() >= 1 &&
            b.monat() <= 12)
            beitragJeMonat_[b.monat()].addieren(betrag);
    }
}

Abschlusssummen Abschlusssummierer::summen() const {
    Abschlusssummen z;
    const auto uebertragen = [](const auto& von, auto& nach) {
        for (std::size_t i = 0; i < von.size(); ++i) {
            nach[i].real = von[i].real.wert();
            nach[i].geplant = von[i].geplant.wert();
        }
    };
    uebertragen(konten_, z.konten);
    uebertragen(ausgaben_, z.ausgaben);
    uebertragen(einnahmen_, z.einnahmen);
    for (std::size_t m = 0; m < beitragJeMonat_.size(); ++m)
        z.beitragJeMonat[m] = beitragJeMonat_[m].wert();
    return z;
}

Abschlusssummen summenBilden(const std::vector<TBuchung>& buchungen, int monat) {
    std::vector<std::uint8_t> bytes(buchungen.size() * TBuchung::kGroesse);
    for (std::size_t i = 0; i < buchungen.size(); ++i) {
        const auto satz = buchungen[i].packen();
        std::copy(satz.begin(), satz.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(i * TBuchung::kGroesse));
    }
    return summenBilden(bytes.data(), buchungen.size(), monat);
}

Abschluss abschlussRechnen(const TDefinitionen& def, const std::string& jahr,
                           const std::string& euroText, const Abschlusssummen& summen,
                           const AbschlussParameter& p, long double forderungJePeriode,
                           Person& person) {
    Abschluss a;
    a.parameter = p;
    a.mwstSatz = def.mwstSatz;
    const Rechnung r(def, jahr, summen, p);
    const bool inEuro = DateiInEuro(def.waehrung, jahr);
    a.waehrung = inEuro == p.umrechnen ? def.waehrung.Waehrung : euroText;
    if (BeideWaehrungen(def.waehrung, jahr) && !p.umrechnen)
        a.andereWaehrung = andererWaehrungstext(def.waehrung, jahr, euroText);

    for (int k = 1; k <= kKonten; ++k) {
        a.konten[static_cast<std::size_t>(k)] =
            r.fertig(summen.konten[static_cast<std::size_t>(k)]);
        if (def.kontoBenannt(k)) a.geldbestand.addieren(a.konten[static_cast<std::size_t>(k)]);
    }

    for (Seite s : {Seite::Ausgabe, Seite::Einnahme}) {
        auto& typen = a.typen[static_cast<std::size_t>(s)];
        Tripel& gesamt = s == Seite::Ausgabe ? a.ausgabenGesamt : a.zwischensummen;
        for (int t = 0; t <= kTypen; ++t)
            typen[static_cast<std::size_t>(t)] = r.typSumme(s, t);
        for (int t = 1; t <= kTypen; ++t)
            if (!def.typen.typName(s, t).empty())
                gesamt.addieren(typen[static_cast<std::size_t>(t)]);
        gesamt.addieren(typen[0]);
    }

    // Contributions: paid in the months before, paid now, demanded in whole periods.
    Beitragszeile& b = a.beitraege;
    for (int m = 1; m < p.monat; ++m)
        plus(b.vorherBezahlt, r.umgerechnet(summen.beitragJeMonat[static_cast<std::size_t>(m)]));
    b.bezahlt = r.typSumme(Seite::Einnahme, kBeitragsMarke).real;
    const auto perioden = forderungJePeriode > 0
                              ? periodenZaehlen(forderungJePeriode, b.bezahlt,
                                                [&](long double x) { return r.umgerechnet(x); })
                              : std::nullopt;
    if (perioden) {
        b.perioden = perioden->anzahl;
        b.gefordert = perioden->gefordert;
    } else {
        // No demand (no members or no rates), or one the periods never reach what was paid
        // with: one period, demanded = paid.
        b.perioden = 1;
        b.gefordert = b.bezahlt;
    }
    b.ausstehend = durchReal6(durchReal6(b.gefordert - b.bezahlt) - b.vorherBezahlt);
    a.einnahmenGesamt = a.zwischensummen;
    a.einnahmenGesamt.addieren(Tripel{b.bezahlt, b.ausstehend, b.gefordert});

    Gruppenrechnung rechnung(def.typen);
    for (Seite s : {Seite::Ausgabe, Seite::Einnahme}) {
        const auto si = static_cast<std::size_t>(s);
        a.gruppenSichtbar[si] = !def.typen.gruppenName(s, 1).empty();
        if (a.gruppenSichtbar[si])
            a.gruppen[si] = gruppenabschnitte(def, s, a.typen[si], rechnung, person);
    }
    return a;
}

std::string monatsname(int monat) {
    static const std::string namen[] = {"Januar",    "Februar", A("März"),  "April",
                                        "Mai",       "Juni",    "Juli",     "August",
                                        "September", "Oktober", "November", "Dezember"};
    if (monat < 1 || monat > 12) return {};
    return namen[monat - 1];
}

} // namespace zalvor
