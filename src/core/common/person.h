// The one interface through which the engine talks to the person at the keyboard.
#pragma once

#include "core/common/ausgang.h"

#include <optional>
#include <string>
#include <vector>

namespace zalvor {

// All texts passed here are in the engine's Windows form (Windows-1252); the implementation
// converts them where they meet the person.
enum class Symbol { Keins, Information, Warnung, Fehler, Frage, Stopp };

enum class Knopf { Ok, Abbruch, Ja, Nein, Eigen1, Eigen2, Eigen3 };

// The picture of the code entry beside the first one, which is always shown: an existing
// code is asked for, or a new code is repeated.
enum class CodeBild { Keins, VorhandenerCode, Wiederholung };

struct Frage {
    std::string titel;
    std::string text;
    Symbol symbol = Symbol::Frage;
    std::vector<Knopf> knoepfe;
    Knopf vorwahl = Knopf::Ok;
    // Texts of Eigen1.. buttons, in order ("Einnahme", "Ausgabe").
    std::vector<std::string> eigeneTexte;
    int hilfeKontext = 0;
    // Name of the program's own dialog for this question (empty: the platform message box).
    std::string dialog;
};

class Person {
  public:
    virtual ~Person() = default;

    // The platform message box with one OK button.
    virtual void meldung(const std::string& titel, const std::string& text, Symbol symbol) = 0;
    // The message box of a failure the operation reports and then goes on from: `ausgang`
    // says what it means for the end of the command (a front end with an exit status takes
    // it from there, never from the text).
    virtual void fehlermeldung(Ausgang ausgang, const std::string& titel, const std::string& text,
                               Symbol symbol) {
        (void)ausgang;
        meldung(titel, text, symbol);
    }
    // The program's own message box (caption, text with line breaks and markup, OK).
    virtual void nachricht(const std::string& titel, const std::string& text) = 0;
    // A question with buttons; the answer is the button pressed, or nullopt when the box was
    // closed another way.
    virtual std::optional<Knopf> frage(const Frage& f) = 0;
    // A line of text (input box); nullopt on cancel.
    virtual std::optional<std::string> eingabe(const std::string& titel, const std::string& prompt,
                                               const std::string& vorgabe) = 0;
    // The code entry: one masked field ("#" per character), emptied on every show; nullopt
    // on cancel. A person without its own form asks through the input box.
    virtual std::optional<std::string> codeEingabe(const std::string& titel, CodeBild) {
        return eingabe(titel, "Hier Passwort eingeben:", {});
    }

    // Progress window of long operations.
    virtual void fortschrittZeigen(const std::string& titel, const std::string& text) = 0;
    virtual void fortschritt(int prozent) = 0;
    virtual void fortschrittText(const std::string& text) = 0;
    virtual void fortschrittSchliessen() = 0;
};

// A question in the platform message box, without help or buttons of its own.
inline Frage frageMit(std::string titel, std::string text, Symbol symbol,
                      std::vector<Knopf> knoepfe, Knopf vorwahl) {
    return Frage{std::move(titel), std::move(text), symbol, std::move(knoepfe), vorwahl, {}, 0, {}};
}

// Convenience for the common two-button questions.
inline Frage jaNeinFrage(std::string titel, std::string text, Symbol symbol,
                         Knopf vorwahl = Knopf::Ja) {
    return frageMit(std::move(titel), std::move(text), symbol, {Knopf::Ja, Knopf::Nein}, vorwahl);
}

} // namespace zalvor
