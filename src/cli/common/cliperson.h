// The person on the command line: messages on stderr, answers from the --antworten list.
#pragma once

#include "core/common/person.h"

#include <deque>
#include <ostream>
#include <string>

namespace zalvor::cli {

class CliPerson : public Person {
  public:
    CliPerson(std::ostream& err, std::deque<std::string> antworten)
        : err_(err), antworten_(std::move(antworten)) {}

    void meldung(const std::string& titel, const std::string& text, Symbol symbol) override;
    void fehlermeldung(Ausgang ausgang, const std::string& titel, const std::string& text,
                       Symbol symbol) override;
    void nachricht(const std::string& titel, const std::string& text) override;
    std::optional<Knopf> frage(const Frage& f) override;
    std::optional<std::string> eingabe(const std::string& titel, const std::string& prompt,
                                       const std::string& vorgabe) override;
    // Takes the next item like a text input; the echo shows "#" per character.
    std::optional<std::string> codeEingabe(const std::string& titel, CodeBild bild) override;
    void fortschrittZeigen(const std::string& titel, const std::string& text) override;
    void fortschritt(int prozent) override;
    void fortschrittText(const std::string& text) override;
    void fortschrittSchliessen() override;

    // The heaviest failure the engine reported and went on from (something not stored, a
    // failed write after which it goes on as the desktop does), or a question answered with
    // Cancel: the command must not end as done.
    Ausgang gemeldeterAusgang() const { return gemeldeterAusgang_; }

  private:
    void ausgeben(const std::string& titel, const std::string& text);
    std::optional<Knopf> beantworten(const Frage& f);
    std::optional<std::string> naechsterText(const std::string& titel, const std::string& prompt,
                                             bool verdeckt);
    std::ostream& err_;
    std::deque<std::string> antworten_;
    std::string fortschrittTitel_;
    Ausgang gemeldeterAusgang_ = Ausgang::Erledigt;
};

// Button caption as the CLI prints and matches it.
std::string knopfText(const Frage& f, Knopf k);

} // namespace zalvor::cli
