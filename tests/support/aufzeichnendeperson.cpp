// Recording person for tests.
#include "aufzeichnendeperson.h"

#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

namespace zalvor::test {

void AufzeichnendePerson::meldung(const std::string& titel, const std::string& text,
                                  Symbol symbol) {
    eintraege_.push_back(
        {Art::Meldung, ansiNachUtf8(titel), ansiNachUtf8(text), symbol, {}, {}, CodeBild::Keins});
}

void AufzeichnendePerson::nachricht(const std::string& titel, const std::string& text) {
    eintraege_.push_back({Art::Nachricht,
                          ansiNachUtf8(titel),
                          ansiNachUtf8(text),
                          Symbol::Keins,
                          {},
                          {},
                          CodeBild::Keins});
}

std::optional<Knopf> AufzeichnendePerson::frage(const Frage& f) {
    eintraege_.push_back({Art::Frage, ansiNachUtf8(f.titel), ansiNachUtf8(f.text), f.symbol,
                          f.knoepfe, f.vorwahl, CodeBild::Keins});
    if (antworten_.empty()) {
        ADD_FAILURE() << "unerwartete Frage: " << ansiNachUtf8(f.text);
        return std::nullopt;
    }
    Antwort a = antworten_.front();
    antworten_.pop_front();
    if (auto* k = std::get_if<Knopf>(&a)) return *k;
    if (std::holds_alternative<std::nullopt_t>(a)) return std::nullopt;
    ADD_FAILURE() << "Frage bekam eine Texteingabe als Antwort: " << ansiNachUtf8(f.text);
    return std::nullopt;
}

std::optional<std::string> AufzeichnendePerson::eingabe(const std::string& titel,
                                                        const std::string& prompt,
                                                        const std::string&) {
    eintraege_.push_back({Art::Eingabe,
                          ansiNachUtf8(titel),
                          ansiNachUtf8(prompt),
                          Symbol::Keins,
                          {},
                          {},
                          CodeBild::Keins});
    return textAntwort(prompt);
}

std::optional<std::string> AufzeichnendePerson::codeEingabe(const std::string& titel,
                                                            CodeBild bild) {
    eintraege_.push_back(
        {Art::Code, ansiNachUtf8(titel), "Hier Passwort eingeben:", Symbol::Keins, {}, {}, bild});
    return textAntwort(titel);
}

std::optional<std::string> AufzeichnendePerson::textAntwort(const std::string& wofuer) {
    if (antworten_.empty()) {
        ADD_FAILURE() << "unerwartete Eingabe: " << ansiNachUtf8(wofuer);
        return std::nullopt;
    }
    Antwort a = antworten_.front();
    antworten_.pop_front();
    if (auto* t = std::get_if<std::string>(&a)) return utf8NachAnsi(*t);
    if (std::holds_alternative<std::nullopt_t>(a)) return std::nullopt;
    ADD_FAILURE() << "Eingabe bekam einen Knopf als Antwort: " << ansiNachUtf8(wofuer);
    return std::nullopt;
}

void AufzeichnendePerson::fortschrittZeigen(const std::string& titel, const std::string& text) {
    eintraege_.push_back({Art::Fortschritt,
                          ansiNachUtf8(titel),
                          ansiNachUtf8(text),
                          Symbol::Keins,
                          {},
                          {},
                          CodeBild::Keins});
}

void AufzeichnendePerson::fortschritt(int prozent) {
    prozente_.push_back(prozent);
}

void AufzeichnendePerson::fortschrittText(const std::string& text) {
    eintraege_.push_back(
        {Art::Fortschritt, "", ansiNachUtf8(text), Symbol::Keins, {}, {}, CodeBild::Keins});
}

void AufzeichnendePerson::fortschrittSchliessen() {}

std::vector<Eintrag> AufzeichnendePerson::meldungen() const {
    std::vector<Eintrag> out;
    for (const auto& e : eintraege_)
        if (e.art != Art::Fortschritt) out.push_back(e);
    return out;
}

} // namespace zalvor::test
