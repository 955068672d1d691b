// Business days of the euro payment system, on the standard library's calendar.
#include "core/sepa/target2.h"

#include <chrono>

namespace zalvor::sepa {

namespace {

using namespace std::chrono;

year_month_day alsTag(const Datum& d) {
    return year_month_day{year{d.jahr}, month{static_cast<unsigned>(d.monat)},
                          day{static_cast<unsigned>(d.tag)}};
}

Datum alsDatum(const year_month_day& t) {
    return Datum{static_cast<int>(t.year()), static_cast<int>(static_cast<unsigned>(t.month())),
                 static_cast<int>(static_cast<unsigned>(t.day()))};
}

Datum plusTage(const Datum& d, int tage) {
    return alsDatum(year_month_day{sys_days{alsTag(d)} + days{tage}});
}

} // namespace

bool gueltigesDatum(const Datum& d) {
    return d.jahr >= 1 && d.jahr <= 9999 && d.monat >= 1 && d.monat <= 12 && d.tag >= 1 &&
           d.tag <= 31 && alsTag(d).ok();
}

// The anonymous Gregorian computus (Meeus, Jones, Butcher).
Datum osterSonntag(int jahr) {
    const int a = jahr % 19;
    const int b = jahr / 100;
    const int c = jahr % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monat = (h + l - 7 * m + 114) / 31;
    const int tag = (h + l - 7 * m + 114) % 31 + 1;
    return Datum{jahr, monat, tag};
}

bool istTarget2Tag(const Datum& d) {
    const weekday w{sys_days{alsTag(d)}};
    if (w == Saturday || w == Sunday) return false;
    if ((d.monat == 1 && d.tag == 1) || (d.monat == 5 && d.tag == 1) ||
        (d.monat == 12 && (d.tag == 25 || d.tag == 26)))
        return false;
    const Datum ostern = osterSonntag(d.jahr);
    return d != plusTage(ostern, -2) && d != plusTage(ostern, 1);
}

Datum naechsterTarget2Tag(const Datum& d) {
    Datum t = plusTage(d, 1);
    while (!istTarget2Tag(t))
        t = plusTage(t, 1);
    return t;
}

Datum fruehesteFaelligkeit(const Datum& heute) {
    const Datum eingang = istTarget2Tag(heute) ? heute : naechsterTarget2Tag(heute);
    return naechsterTarget2Tag(eingang);
}

bool faelligkeitZulaessig(const Datum& faellig, const Datum& heute) {
    if (!gueltigesDatum(faellig)) return false;
    return sys_days{alsTag(faellig)} >= sys_days{alsTag(fruehesteFaelligkeit(heute))};
}

} // namespace zalvor::sepa
