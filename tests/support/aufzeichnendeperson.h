// A person for tests: records every message in UTF-8 and answers from a scripted queue.
#pragma once

#include "core/common/person.h"

#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace zalvor::test {

enum class Art { Meldung, Nachricht, Frage, Eingabe, Fortschritt, Code };

struct Eintrag {
    Art art;
    std::string titel; // UTF-8
    std::string text;  // UTF-8, CR kept
    Symbol symbol = Symbol::Keins;
    std::vector<Knopf> knoepfe;
    Knopf vorwahl = Knopf::Ok;
    CodeBild bild = CodeBild::Keins; // of a code entry
};

class AufzeichnendePerson : public Person {
  public:
    // Answers for questions (a Knopf, or std::nullopt for "closed") and text inputs (a
    // string, UTF-8, or std::nullopt for cancel), in the order they are asked.
    using Antwort = std::variant<Knopf, std::string, std::nullopt_t>;
    void antworte(Antwort a) { antworten_.push_back(std::move(a)); }
    void antworte(std::initializer_list<Antwort> liste) {
        for (const auto& a : liste)
            antworten_.push_back(a);
    }

    void meldung(const std::string& titel, const std::string& text, Symbol symbol) override;
    // Recorded as a message; the heaviest outcome so far is kept beside it.
    void fehlermeldung(Ausgang ausgang, const std::string& titel, const std::string& text,
                       Symbol symbol) override {
        gemeldeterAusgang_ = schwerer(gemeldeterAusgang_, ausgang);
        meldung(titel, text, symbol);
    }
    Ausgang gemeldeterAusgang() const { return gemeldeterAusgang_; }
    void nachricht(const std::string& titel, const std::string& text) override;
    std::optional<Knopf> frage(const Frage& f) override;
    std::optional<std::string> eingabe(const std::string& titel, const std::string& prompt,
                                       const std::string& vorgabe) override;
    // Recorded as Art::Code with the picture; answered like a text input.
    std::optional<std::string> codeEingabe(const std::string& titel, CodeBild bild) override;
    void fortschrittZeigen(const std::string& titel, const std::string& text) override;
    void fortschritt(int prozent) override;
    void fortschrittText(const std::string& text) override;
    void fortschrittSchliessen() override;

    const std::vector<Eintrag>& eintraege() const { return eintraege_; }
    // Messages and questions only (no progress entries).
    std::vector<Eintrag> meldungen() const;
    std::vector<int> prozente() const { return prozente_; }
    bool antwortenAufgebraucht() const { return antworten_.empty(); }
    void leeren() {
        eintraege_.clear();
        gemeldeterAusgang_ = Ausgang::Erledigt;
        prozente_.clear();
    }

  private:
    std::optional<std::string> textAntwort(const std::string& wofuer);
    std::vector<Eintrag> eintraege_;
    Ausgang gemeldeterAusgang_ = Ausgang::Erledigt;
    std::deque<Antwort> antworten_;
    std::vector<int> prozente_;
};

} // namespace zalvor::test
