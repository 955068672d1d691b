// Generated booking files for the benchmarks: a silent person and a session on a fresh file.
#pragma once

#include "core/common/person.h"
#include "core/common/uhr.h"
#include "core/files/buchung.h"
#include "core/files/definitionen.h"
#include "core/files/sitzung.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor::bench {

// Answers every question with the given button and shows nothing.
class StillePerson : public Person {
  public:
    Knopf antwort = Knopf::Ja;
    void meldung(const std::string&, const std::string&, Symbol) override {}
    void nachricht(const std::string&, const std::string&) override {}
    std::optional<Knopf> frage(const Frage&) override { return antwort; }
    std::optional<std::string> eingabe(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void fortschrittZeigen(const std::string&, const std::string&) override {}
    void fortschritt(int) override {}
    void fortschrittText(const std::string&) override {}
    void fortschrittSchliessen() override {}
};

// n bookings with keys spread as a year's bookings are; every tenth is deleted.
std::vector<TBuchung> buchungenErzeugen(std::uint32_t n, unsigned saat = 7);

// Every type and group named, nested groups on both sides, VAT: the closing's full work.
void vollDefinieren(TDefinitionen& d);

// A folder of its own, removed when the object goes; the booking file Verein.26 in it.
class Arbeitsordner {
  public:
    Arbeitsordner();
    // The booking file `basis`.26 in a folder that stays when the object goes.
    Arbeitsordner(std::string ordner, const std::string& basis);
    ~Arbeitsordner();
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    // Writes the records as the booking file and builds its nine indexes.
    void fuellen(const std::vector<TBuchung>& saetze);
    // Removes the backups a reorganisation left.
    void sicherungenLoeschen();

    StillePerson person;
    FesteUhr uhr{Datum{2026, 6, 1}};
    Sitzung s{person, uhr};
    std::string pfad;

  private:
    bool eigenerOrdner = true;
};

// Runs a program to its end, its output into `ausgabe` (/dev/null unless given); its exit
// status, -1 when it could not run.
int ausfuehren(std::vector<std::string> argv, const std::string& ausgabe = "/dev/null");
// zalvor-cli beside the benchmark program.
std::string cliPfad();

std::vector<std::uint8_t> dateiLesen(const std::string& name);
void dateiSchreiben(const std::string& name, const std::vector<std::uint8_t>& inhalt);

} // namespace zalvor::bench

namespace zalvor::bench {

// The demo club in `ordner` with `mitglieder` members on three rates, none paid, each with a
// mandate (every tenth never collected, so the file has a FRST and a RCUR block), the
// creditor on account 2. Returns the booking file's path.
std::string lastschriftvereinAnlegen(const std::string& ordner, int mitglieder);

} // namespace zalvor::bench
