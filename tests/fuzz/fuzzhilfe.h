// Shared pieces of the fuzz targets: a person who only takes the safe answer, a folder of
// this process for the files of one input, a session of one club in that folder, and a
// watchdog of the time one input takes.
#pragma once

#include "fuzzverlangen.h"

#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/uhr.h"
#include "core/files/sitzung.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
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

// Ends the process (a finding) when one input runs longer than its limit: a thread of its
// own watches the clock, so that an input that never ends is found too, and each step checks
// the time when it is done. The steps are named in the message.
class Wachhund {
  public:
    explicit Wachhund(std::chrono::milliseconds grenze);
    Wachhund(const Wachhund&) = delete;
    Wachhund& operator=(const Wachhund&) = delete;
    // The clock of one input starts.
    void beginnen();
    // The step `was` starts; the time so far is checked first.
    void schritt(const char* was);
    // The input is done (checked as a step).
    void beenden();

  private:
    void wachen();
    void pruefen(std::chrono::steady_clock::time_point jetzt);

    std::chrono::milliseconds grenze_;
    std::mutex mutex_;
    std::condition_variable signal_;
    std::optional<std::chrono::steady_clock::time_point> anfang_;
    const char* was_ = "";
};

// The limit of a target's option "--grenze MS" (or "--grenze=MS") among the arguments;
// `vorgabe` without one.
std::chrono::milliseconds grenzeAusArgumenten(int argc, char** argv,
                                              std::chrono::milliseconds vorgabe);

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
