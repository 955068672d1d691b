// A club for the direct-debit tests: four members on two rates, one paid, an account with
// IBAN as the creditor's collecting account, and its club database.
#pragma once

#include "../members/mitglieder_testdaten.h"
#include "core/database/bankkonten.h"
#include "core/members/beitragssaetze.h"
#include "core/sepa/glaeubigerdaten.h"
#include "core/sepa/mandatsdaten.h"

#include <gtest/gtest.h>

namespace zalvor::test {

class SepaVerein : public ::testing::Test {
  protected:
    void SetUp() override {
        k.uhr.setze({2026, 3, 13}); // a Friday
        auto& v = k.s.verein;
        v.def.konten.fill(kUnbenannt);
        v.def.konten[2] = "Bank";
        v.def.mitgliedEinstellung = 12;
        v.def.standardBeitrag = 50;
        v.beitraege = vorgabeSaetze(v.def);
        v.beitraege.eintraege[1].name.setze("Jugend");
        v.beitraege.eintraege[1].cent = 2500;
        for (const auto& m : {mitglied("Abel", "Anna", 0), mitglied("Berg", "Bernd", 1),
                              mitglied("Cord", "Cora", 0, 1), mitglied("Dorn", "Dörte", 1)})
            mitgliedEinfuegen(kartei(), m);
        for (int i = 1; i <= 9; ++i)
            leereDateiAnlegen(k.index(i));
        k.s.dateiOffen = true;
        k.s.verein.mitgliederVorhanden = true;
        Transaktion t(db);
        ASSERT_TRUE(bankkontoSetzen(t, 2, "DE89370400440532013000", "Musterbank"));
        t.festschreiben();
        ASSERT_TRUE(sepa::glaeubigerAendern(db, {"DE98ZZZ09999999999", "TSV Grün-Weiß", 2}));
    }
    std::string kartei() const { return k.s.verein.dateien().mitglieder(); }
    std::vector<TMitglied> mitglieder() const { return mitgliederLesen(kartei()); }
    Ergebnis<Mandat> mandat(std::size_t nr, const std::string& iban) {
        sepa::MandatsEingabe e;
        e.iban = iban;
        e.datum = Datum{2025, 1, 10};
        return sepa::mandatAendern(db, mitglieder(), nr, e, k.uhr.heute());
    }

    Kassenbuch k;
    Datenbank db = Datenbank::schreiben(k.s.verein.dateien().datenbank()).wert();
};

} // namespace zalvor::test
