// Currency rules of the Euro changeover.
#include "core/common/waehrung.h"

#include "core/common/betrag.h"
#include "core/common/real6.h"

#include <cmath>

namespace zalvor {

namespace {

int jahrZahl(std::string_view jahr) {
    auto v = ganzzahlLesen(jahr.substr(0, 2));
    int n = v ? static_cast<int>(*v) : 0;
    return n < 91 ? n + 100 : n;
}

long double aufCent(long double wert) {
    long double gespeichert = durchReal6(wert);
    return durchReal6(std::nearbyint(gespeichert * 100.0L) / 100.0L);
}

} // namespace

bool JahrVor(std::string_view a, std::string_view b) {
    return jahrZahl(a) < jahrZahl(b);
}

bool DateiInEuro(const WaehrungsEinstellungen& w, std::string_view dateijahr) {
    return w.kursVorhanden() && !JahrVor(dateijahr, w.Umstellungsjahr);
}

bool BeideWaehrungen(const WaehrungsEinstellungen& w, std::string_view dateijahr) {
    return w.kursVorhanden() && !JahrVor(w.UmstellungBis, dateijahr);
}

long double InEuro(const WaehrungsEinstellungen& w, long double betrag) {
    return aufCent(betrag / w.Kurs);
}

long double InLandeswaehrung(const WaehrungsEinstellungen& w, long double betrag) {
    return aufCent(betrag * w.Kurs);
}

std::string dateiWaehrungstext(const WaehrungsEinstellungen& w, std::string_view dateijahr,
                               std::string_view euroText) {
    return DateiInEuro(w, dateijahr) ? std::string(euroText) : w.Waehrung;
}

std::string andererWaehrungstext(const WaehrungsEinstellungen& w, std::string_view dateijahr,
                                 std::string_view euroText) {
    return DateiInEuro(w, dateijahr) ? w.Waehrung : std::string(euroText);
}

std::string zweistellig(int jahr) {
    int j = ((jahr % 100) + 100) % 100;
    std::string s = std::to_string(j);
    return j < 10 ? "0" + s : s;
}

std::string Kalenderjahr(const Uhr& uhr) {
    return zweistellig(uhr.heute().jahr);
}

int volljahr(std::string_view jahr) {
    auto v = ganzzahlLesen(jahr.substr(0, 2));
    if (!v || *v < 0) return -1;
    return *v >= 91 ? 1900 + static_cast<int>(*v) : 2000 + static_cast<int>(*v);
}

} // namespace zalvor
