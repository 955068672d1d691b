// The file list: reading, saving and reading back, the year correction of a list of another
// year, and the multi-file closing over whatever the list names.
#include "fuzzhilfe.h"

#include "core/closing/dateiliste.h"
#include "core/closing/dateilisteoeffnen.h"
#include "core/closing/mehrdateiabschluss.h"
#include "core/files/dateisatz.h"

#include <filesystem>

using namespace zalvor;

namespace {

// Takes every correction the questions offer, so the rewrite of the list runs.
class ZustimmendePerson : public fuzz::SchweigendePerson {
  public:
    std::optional<Knopf> frage(const Frage& f) override {
        for (Knopf k : {Knopf::Ja, Knopf::Ok})
            if (std::find(f.knoepfe.begin(), f.knoepfe.end(), k) != f.knoepfe.end()) return k;
        return SchweigendePerson::frage(f);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        const std::string pfad = u.ordner() + "/Liste.FL";
        const Dateiliste l{pfad, dateilisteAusBytes({daten, n}).wert};
        fuzz::verlangen(!l.anzeige().empty(), "Anzeige leer");
        (void)l.fenstertitel();
        for (const std::string& d : l.dateien)
            (void)listenjahr(d);

        // What is saved reads back as the same list (" (leer)" is never saved); opening the
        // list is a command over the folder.
        u.ablegen("Liste.FL", daten, n);
        if (std::find(l.dateien.begin(), l.dateien.end(), kLeereListe) == l.dateien.end()) {
            fuzz::verlangen(dateilisteSpeichern(l, u.person), "Speichern");
            fuzz::verlangen(dateilisteLesen(pfad).dateien == l.dateien, "Liste anders gelesen");
        }

        ZustimmendePerson ja;
        const auto geoeffnet = dateilisteOeffnen(festeWahl(pfad), u.uhr, ja);
        fuzz::verlangen(!std::filesystem::exists(Dateisatz::listenKopie(pfad)),
                        "Temporaerdatei bleibt");
        if (geoeffnet) {
            fuzz::verlangen(dateilisteLesen(pfad).dateien == geoeffnet->dateien,
                            "Korrektur nicht gespeichert");
            (void)mehrdateiabschlussErstellen(geoeffnet->dateien, AbschlussParameter{0, false},
                                              "EUR", u.person);
        }
    });
    return 0;
}
