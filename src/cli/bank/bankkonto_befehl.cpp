// zalvor-cli bankkonto: the IBAN and bank name of the accounts.
#include "cli/common/abweisung.h"
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "core/bank/bankkontenpflege.h"
#include "core/common/zeichensatz.h"

namespace zalvor::cli {

namespace {

int bankkonto(Kontext& k) {
    const auto [konto, iban, bank, entfernen] =
        k.args.optionen<4>({"--konto", "--iban", "--name", "--entfernen"});
    const std::string datei = k.args.letzte("DATEI");
    if (konto.has_value() != iban.has_value())
        throw Aufruffehler("--konto und --iban gehören zusammen");
    if (bank && !konto) throw Aufruffehler("--name nur mit --konto und --iban");
    const int nummer = konto ? zahlOption(*konto, 1, 9, "--konto") : 0;
    const int weg = entfernen ? zahlOption(*entfernen, 1, 9, "--entfernen") : 0;
    dateiLaden(k, datei);
    const bool aendern = konto || entfernen;
    const std::string pfad = k.sitzung.verein.dateien().datenbank();
    auto db = aendern ? Datenbank::schreiben(pfad) : Datenbank::lesen(pfad);
    if (abweisungGemeldet(k, db.meldung())) return kAbgelehnt;
    if (aendern) {
        Transaktion t(*db);
        if (entfernen && abweisungGemeldet(k, bankkontoEntfernen(t, weg).meldung()))
            return kAbgelehnt;
        if (konto &&
            abweisungGemeldet(
                k, bank::bankkontoEintragen(t, nummer, *iban, bank.value_or("")).meldung()))
            return kAbgelehnt;
        t.festschreiben();
    }
    rasterAusgeben(k.out, k.format, bank::bankkontenRaster(*db, k.sitzung.verein.def));
    return kFertig;
}

} // namespace

Befehl befehlBankkonto() {
    return {"bankkonto", "DATEI [--konto N --iban IBAN [--name TEXT]] [--entfernen N]",
            "zeigt die Bankkonten (IBAN und Bank der Konten), trägt eines ein oder "
            "entfernt es",
            Befehlsart::Bankkonten, bankkonto};
}

} // namespace zalvor::cli
