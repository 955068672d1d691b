// Bank accounts in the club database.
#include "core/database/bankkonten.h"

#include "core/common/zeichensatz.h"
#include "core/database/feldwerte.h"

namespace zalvor {

std::vector<Bankkonto> bankkontenLesen(const Datenbank& db) {
    std::vector<Bankkonto> konten;
    auto a = db.verbindung().anweisung("SELECT konto, iban, bank FROM bankkonto ORDER BY konto");
    while (a.zeile())
        konten.push_back({static_cast<int>(a.zahl(0)), a.text(1), a.text(2)});
    return konten;
}

std::optional<int> kontoZurIban(const Datenbank& db, std::string_view iban) {
    auto a = db.verbindung().anweisung("SELECT konto FROM bankkonto WHERE iban = ?1");
    if (!a.mit(kennungNormal(iban)).zeile()) return std::nullopt;
    return static_cast<int>(a.zahl(0));
}

Ergebnis<void> bankkontoSetzen(Transaktion& t, int konto, std::string_view iban,
                               std::string_view bank) {
    if (konto < 1 || konto > 9) return Abweisung{A("Es gibt nur die Konten 1 bis 9!")};
    const std::string normal = kennungNormal(iban);
    if (!ibanGestalt(normal)) return Abweisung{A("Ungültige IBAN!")};
    const auto anderes = kontoZurIban(t.datenbank(), normal);
    if (anderes && *anderes != konto)
        return Abweisung{A("Die IBAN gehört schon zu Konto ") + std::to_string(*anderes) + "!"};
    t.zumSchreiben()
        .anweisung("INSERT INTO bankkonto (konto, iban, bank) VALUES (?1, ?2, ?3) "
                   "ON CONFLICT (konto) DO UPDATE SET iban = excluded.iban, bank = excluded.bank")
        .mit(konto, normal, bank)
        .ausfuehren();
    return {};
}

Ergebnis<void> bankkontoEntfernen(Transaktion& t, int konto) {
    auto einzug = t.verbindung().anweisung("SELECT 1 FROM glaeubiger WHERE konto = ?1");
    if (einzug.mit(konto).zeile())
        return Abweisung{A("Konto ") + std::to_string(konto) +
                         A(" ist das Einzugskonto des Gläubigers!")};
    t.zumSchreiben().anweisung("DELETE FROM bankkonto WHERE konto = ?1").mit(konto).ausfuehren();
    return {};
}

} // namespace zalvor
