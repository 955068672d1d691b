// The contribution rates file, with a member of every rate index.
#include "fuzzhilfe.h"

#include "core/members/beitragssaetze.h"
#include "core/members/mitgliederliste.h"
#include "core/members/mitgliedsdatei.h"

#include <vector>

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    // Members with the rate indexes 0, 20, 21 and 255.
    std::vector<std::uint8_t> mitglieder;
    for (std::uint8_t satz : {0, 20, 21, 255}) {
        TMitglied m;
        m.nachname.setze("Name");
        m.satz = satz;
        const auto b = m.packen();
        mitglieder.insert(mitglieder.end(), b.begin(), b.end());
    }
    u.ablegen("Verein.MGB", mitglieder.data(), mitglieder.size());
    u.s.verein.mitgliederVorhanden = true;
    fuzz::alsBefehl([&] {
        u.s.verein.beitraege = beitragssaetzeAusBytes(Dateiinhalt({daten, n}), u.s.verein.def).wert;
        for (int i = 0; i <= 255; ++i)
            (void)u.s.verein.beitraege.eintrag(static_cast<std::uint8_t>(i)).buchbar();
        (void)forderungJePeriode(mitgliederLesen(u.s.verein.dateien().mitglieder()),
                                 u.s.verein.beitraege, u.s.verein.def);
        Spaltenwahl wahl;
        wahl.beschreibung = true;
        wahl.betrag = true;
        (void)mitgliederlisteErstellen(u.s, wahl);
    });
    return 0;
}
