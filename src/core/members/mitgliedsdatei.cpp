// Reading the member file.
#include "core/members/mitgliedsdatei.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/files/dateischreiben.h"

#include <algorithm>
#include <cerrno>

namespace zalvor {

namespace {

// Whole records of `groesse` bytes; a partial record at the end makes the file damaged.
template <typename Entpacken>
Gelesen<std::vector<TMitglied>> saetzeLesen(std::span<const std::uint8_t> bytes,
                                            std::size_t groesse, Entpacken entpacken) {
    Gelesen<std::vector<TMitglied>> g;
    const std::size_t anzahl = bytes.size() / groesse;
    g.wert.reserve(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i)
        g.wert.push_back(entpacken(bytes.subspan(i * groesse, groesse)));
    if (bytes.size() % groesse != 0) g.status = Lesestatus::Beschaedigt;
    return g;
}

} // namespace

Gelesen<std::vector<TMitglied>> mitgliederAusBytes(std::span<const std::uint8_t> bytes) {
    return saetzeLesen(bytes, TMitglied::kGroesse, [](std::span<const std::uint8_t> b) {
        return TMitglied::entpacken(b.data());
    });
}

Gelesen<std::vector<TMitglied>> alteMitgliederAusBytes(std::span<const std::uint8_t> bytes) {
    return saetzeLesen(bytes, TMitglied::kGroesseAlt, [](std::span<const std::uint8_t> b) {
        std::array<std::uint8_t, TMitglied::kGroesse> satz{};
        std::copy(b.begin(), b.end(), satz.begin());
        satz[TMitglied::kGroesseAlt] = 0; // standard rate
        return TMitglied::entpacken(satz.data());
    });
}

std::vector<TMitglied> mitgliederLesen(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return {};
    return mitgliederAusBytes(dateiLesen(pfad)).wert;
}

std::uint32_t mitgliederAnzahl(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return 0;
    return static_cast<std::uint32_t>(dateiGroesse(pfad) / TMitglied::kGroesse);
}

TMitglied mitgliedLesen(const std::string& pfad, std::uint32_t n) {
    BinaerDatei d(pfad, BinaerDatei::Modus::Lesen);
    std::array<std::uint8_t, TMitglied::kGroesse> b{};
    d.lesen(std::uint64_t{n} * TMitglied::kGroesse, b.data(), b.size());
    return TMitglied::entpacken(b.data());
}

namespace {

std::vector<std::uint8_t> gepackt(const std::vector<TMitglied>& liste) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(liste.size() * TMitglied::kGroesse);
    for (const TMitglied& m : liste) {
        const auto b = m.packen();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

void nummerPruefen(std::size_t anzahl, std::uint32_t n, const std::string& pfad) {
    if (n >= anzahl) throw EAFehler(EINVAL, pfad);
}

} // namespace

std::uint32_t einfuegeStelle(const std::vector<TMitglied>& liste, const TMitglied& m) {
    // Equal names go before the existing ones: the first record not sorting before `m`.
    const auto it = std::lower_bound(liste.begin(), liste.end(), m, sortiertVor);
    return static_cast<std::uint32_t>(it - liste.begin());
}

void mitgliederSchreiben(const std::string& pfad, const std::vector<TMitglied>& liste) {
    dateiErsetzen(pfad, gepackt(liste));
}

std::uint32_t mitgliedEinfuegen(const std::string& pfad, const TMitglied& m) {
    std::vector<TMitglied> liste = mitgliederLesen(pfad);
    const std::uint32_t stelle = einfuegeStelle(liste, m);
    if (stelle == liste.size() && dateiExistiert(pfad)) {
        // After the last record: append in place. Loose bytes of an earlier failed append
        // are cut first so that the new record starts at a record boundary.
        BinaerDatei d(pfad, BinaerDatei::Modus::LesenSchreiben);
        const std::uint64_t ganz = std::uint64_t{stelle} * TMitglied::kGroesse;
        if (d.groesse() != ganz) d.kuerzen(ganz);
        const auto b = m.packen();
        d.schreiben(ganz, b.data(), b.size());
        d.schliessen();
        return stelle;
    }
    liste.insert(liste.begin() + stelle, m);
    mitgliederSchreiben(pfad, liste);
    return stelle;
}

void mitgliedUeberschreiben(const std::string& pfad, std::uint32_t n, const TMitglied& m) {
    nummerPruefen(mitgliederAnzahl(pfad), n, pfad);
    BinaerDatei d(pfad, BinaerDatei::Modus::LesenSchreiben);
    const auto b = m.packen();
    d.schreiben(std::uint64_t{n} * TMitglied::kGroesse, b.data(), b.size());
    d.schliessen();
}

std::uint32_t mitgliedUmsortieren(const std::string& pfad, std::uint32_t n, const TMitglied& m) {
    std::vector<TMitglied> liste = mitgliederLesen(pfad);
    nummerPruefen(liste.size(), n, pfad);
    liste.erase(liste.begin() + n);
    const std::uint32_t stelle = einfuegeStelle(liste, m);
    liste.insert(liste.begin() + stelle, m);
    mitgliederSchreiben(pfad, liste);
    return stelle;
}

void mitgliedEntfernen(const std::string& pfad, std::uint32_t n) {
    std::vector<TMitglied> liste = mitgliederLesen(pfad);
    nummerPruefen(liste.size(), n, pfad);
    liste.erase(liste.begin() + n);
    mitgliederSchreiben(pfad, liste);
}

} // namespace zalvor
