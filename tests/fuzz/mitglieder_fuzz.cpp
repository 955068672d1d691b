// The member file: the member list with every column and what the members owe.
#include "fuzzhilfe.h"

#include "core/members/beitragssaetze.h"
#include "core/members/mitgliederliste.h"
#include "core/members/mitgliedsdatei.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    u.s.verein.beitraege = vorgabeSaetze(u.s.verein.def);
    u.s.verein.mitgliederVorhanden = true;
    fuzz::alsBefehl([&] {
        const auto liste = mitgliederAusBytes({daten, n}).wert;
        fuzz::verlangen(liste.size() == n / TMitglied::kGroesse, "ganze Saetze");
        for (const TMitglied& m : liste)
            (void)mitgliedName(m);
        (void)einfuegeStelle(liste, TMitglied{});
        (void)forderungJePeriode(liste, u.s.verein.beitraege, u.s.verein.def);
        // The member list is a command over the club's folder.
        u.ablegen("Verein.MGB", daten, n);
        Spaltenwahl alles;
        alles.frei.fill(true);
        alles.beschreibung = true;
        alles.betrag = true;
        (void)mitgliederlisteErstellen(u.s, alles);
    });
    return 0;
}
