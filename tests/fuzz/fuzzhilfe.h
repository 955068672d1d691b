// Shared pieces of the fuzz targets: a person who only takes the safe answer, a folder of
// this process for the files of one input, and a session of one club in that folder.
#pragma once

#include "fuzzverlangen.h"

#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/uhr.h"
#include "core/files/sitzung.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zalvor::fuzz {

// Says nothing, answers Cancel or No where offered (closed otherwise) and cancels every
// input; the code entry takes `code` when one is set.
class SchweigendePerson : public Person {
  public:
    std::optional<std::string> code;

    void meldung(const std::string&, const std::string&, Symbol) override {}
    void nachricht(const std::string&, const std::string&) override {}
    std::optional<Knopf> frage(const Frage& f) override;
    std::optional<std::string> eingabe(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> codeEingabe(const std::string&, CodeBild) override { return code; }
    void fortschrittZeigen(const std::string&, const std::string&) override {}
    void fortschritt(int) override {}
    void fortschrittText(const std::string&) override {}
    void fortschrittSchliessen() override {}
};

// The bytes of one input, taken piece by piece; past the end every piece is empty or 0.
class Zerleger {
  public:
    Zerleger(const std::uint8_t* daten, std::size_t n) : daten_(daten), n_(n) {}
    std::uint8_t byte();
    std::uint16_t wort(); // little-endian
    // Up to `n` bytes.
    std::string_view stueck(std::size_t n);
    std::string_view rest() { return stueck(n_ - pos_); }

  private:
    const std::uint8_t* daten_;
    std::size_t n_;
    std::size_t pos_ = 0;
};

// A session of the club "Verein", year "26", in the folder of this process (in /dev/shm
// when there, removed at exit), emptied when the environment is made. Today is 15 June 2026.
class Umgebung {
  public:
    Umgebung();
    // Writes the bytes as the file `name` of the folder and returns its path.
    std::string ablegen(const std::string& name, std::string_view inhalt);
    std::string ablegen(const std::string& name, const std::uint8_t* daten, std::size_t n);
    const std::string& ordner() const { return ordner_; }

    SchweigendePerson person;
    FesteUhr uhr{Datum{2026, 6, 15}};
    Sitzung s{person, uhr};

  private:
    std::string ordner_;
};

// Runs one step as a command of a front end does: the failures the command boundary reports
// ("E/A-Fehler", overflow, cancel, program end) end the step; anything else escapes and is
// a finding.
template <typename F>
void alsBefehl(F&& schritt) {
    try {
        schritt();
    } catch (const EAFehler&) {
    } catch (const UeberlaufFehler&) {
    } catch (const BefehlAbgebrochen&) {
    } catch (const ProgrammEnde&) {
    } catch (const GesperrtFehler&) {
    }
}

} // namespace zalvor::fuzz
