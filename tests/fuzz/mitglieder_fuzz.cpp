// The member file: the member list with every column and what the members owe.
#include "fuzzhilfe.h"

#include "core/members/beitragssaetze.h"
#include "core/members/mitgliederliste.h"
#include "core/members/mitgliedsdatei.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    const std::string pfad = u.ablegen("Verein.MGB", daten, n);
    u.s.verein.beitraege = vorgabeSaetze(u.s.verein.def);
    u.s.verein.mitgliederVorhanden = true;
    fuzz::alsBefehl([&] {
        const auto liste = mitgliederLesen(pfad);
        fuzz::verlangen(liste.size() == n / TMitglied::kGroesse, "ganze Saetze");
        for (const TMitglied& m : liste)
            (void)mitgliedName(m);
        (void)einfuegeStelle(liste, TMitglied{});
        (void)forderungJePeriode(mitgliederLesen(u.s.verein.dateien().mitglieder()),
                                 u.s.verein.beitraege, u.s.verein.def);
        Spaltenwahl alles;
        alles.frei.fill(true);
        alles.beschreibung = true;
        alles.betrag = true;
        (void)mitgliederlisteErstellen(u.s, alles);
    });
    return 0;
}
