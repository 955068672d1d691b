// Members, rates and contribution bookings of the demo club.
#include "cli/members/demomitglieder.h"

#include "core/common/zeichensatz.h"
#include "core/members/beitraegebuchen.h"
#include "core/members/karteikarte.h"
#include "core/members/mitgliedereinstellungen.h"

namespace zalvor::cli {

namespace {

struct DemoMitglied {
    const char* nachname;
    const char* vorname;
    const char* ort;
    const char* geburt;
    int satz; // 0 standard, 1 adults, 2 young people, 3 passive
    bool bezahlt;
};

const DemoMitglied kMitglieder[] = {
    {"Bauer", "Karin", "Lindenau", "1968", 1, true},
    {"Becker", "Jonas", "Lindenau", "2009", 2, true},
    {"Schäfer", "Ute", "Altdorf", "1955", 3, true},
    {"Hoffmann", "Peter", "Lindenau", "1971", 1, false},
    {"Krüger", "Lena", "Neuhof", "2010", 2, true},
    {"Wagner", "Thomas", "Altdorf", "1980", 1, true},
    {"Zimmermann", "Eva", "Lindenau", "1962", 0, true},
    {"Schulz", "Markus", "Neuhof", "1975", 1, false},
    {"Müller", "Anna", "Lindenau", "1990", 1, true},
    {"Müller", "Jörg", "Lindenau", "1958", 3, false},
    {"Weiß", "Sabine", "Altdorf", "1984", 1, true},
    {"Fischer", "Tim", "Neuhof", "2008", 2, false},
    {"Richter", "Gisela", "Lindenau", "1949", 3, true},
    {"Klein", "Moritz", "Altdorf", "2011", 2, true},
    {"Wolf", "Daniela", "Lindenau", "1979", 1, true},
    {"Neumann", "Frank", "Neuhof", "1966", 1, false},
    {"Schwarz", "Hannah", "Lindenau", "2007", 2, true},
    {"Braun", "Stefan", "Altdorf", "1973", 1, true},
    {"Hofmann", "Ingrid", "Lindenau", "1952", 3, false},
    {"Hartmann", "Lukas", "Neuhof", "2012", 2, true},
    {"Lange", "Claudia", "Lindenau", "1986", 1, true},
    {"Böhm", "Felix", "Altdorf", "1994", 1, false},
    {"Vogel", "Renate", "Lindenau", "1960", 3, true},
    {"Jäger", "Paul", "Neuhof", "2009", 2, false},
    {"Özdemir", "Ayla", "Lindenau", "1988", 1, true},
};

// The card as the treasurer fills it; `nummer` for a member already on file.
void karteAusfuellen(Sitzung& s, const DemoMitglied& d, int hausnummer,
                     std::optional<std::uint32_t> nummer) {
    karteDialog(s, nummer, [&](Karteikarte& k) {
        k.eingaben.nachname = A(d.nachname);
        k.eingaben.vorname = A(d.vorname);
        k.eingaben.frei = {A("Hauptstraße ") + std::to_string(hausnummer), d.ort, d.geburt, "",
                           "2015"};
        k.eingaben.satz = d.satz;
        return true;
    });
}

void einstellen(Sitzung& s) {
    mglEinstDialog(s, [&](MglEinstEingaben& e) {
        const auto konten = mglEinstKonten(s.verein.def);
        e.konto = konten.size() > 1 ? konten[1] : konten.front();
        e.betrag = "60,00";
        e.felder = {A("Straße"), "Ort", "Geboren", "Telefon", "Eintritt"};
        return true;
    });
    beitrSaetzeDialog(s, [](SaetzeEingaben& e) {
        e[0] = {"Erwachsene", "60,00"};
        e[1] = {"Jugendliche", "30"};
        e[2] = {"Passiv", "24,5"};
        return true;
    });
}

} // namespace

void demoMitgliederAnlegen(Sitzung& s) {
    // The settings open once the first member is on file, as in the menu.
    karteAusfuellen(s, kMitglieder[0], 1, std::nullopt);
    einstellen(s);
    karteAusfuellen(s, kMitglieder[0], 1, 0);
    int hausnummer = 2;
    for (const DemoMitglied& d : kMitglieder)
        if (&d != &kMitglieder[0]) karteAusfuellen(s, d, hausnummer++, std::nullopt);
    auto dialog = beitraegeOeffnen(s);
    if (!dialog) return;
    for (std::size_t i = 0; i < dialog->mitglieder.size(); ++i) {
        const std::string name = dialog->kaestchen[i].text;
        for (const DemoMitglied& d : kMitglieder)
            if (name == A(d.nachname) + ", " + A(d.vorname))
                dialog->kaestchen[i].angehakt = d.bezahlt;
    }
    beitraegeBuchen(s, *dialog);
}

} // namespace zalvor::cli
