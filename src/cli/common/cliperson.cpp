// Command-line implementation of the person interface.
#include "cli/common/cliperson.h"

#include "cli/common/befehl.h"
#include "core/common/zeichensatz.h"

#include <algorithm>
#include <cctype>

namespace zalvor::cli {

namespace {

std::string zeilenumbrueche(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string klein(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

std::string knopfText(const Frage& f, Knopf k) {
    switch (k) {
    case Knopf::Ok:
        return "OK";
    case Knopf::Abbruch:
        return "Abbruch";
    case Knopf::Ja:
        return "Ja";
    case Knopf::Nein:
        return "Nein";
    case Knopf::Eigen1:
    case Knopf::Eigen2:
    case Knopf::Eigen3: {
        auto i = static_cast<std::size_t>(k) - static_cast<std::size_t>(Knopf::Eigen1);
        return i < f.eigeneTexte.size() ? ansiNachUtf8(f.eigeneTexte[i]) : "?";
    }
    }
    return "?";
}

void CliPerson::ausgeben(const std::string& titel, const std::string& text) {
    err_ << "[" << ansiNachUtf8(titel) << "] " << ansiNachUtf8(zeilenumbrueche(text)) << "\n";
}

void CliPerson::meldung(const std::string& titel, const std::string& text, Symbol) {
    ausgeben(titel, text);
}

void CliPerson::fehlermeldung(Ausgang ausgang, const std::string& titel, const std::string& text,
                              Symbol) {
    gemeldeterAusgang_ = schwerer(gemeldeterAusgang_, ausgang);
    ausgeben(titel, text);
}

void CliPerson::nachricht(const std::string& titel, const std::string& text) {
    ausgeben(titel, text);
}

namespace {

// Cancel where offered, else No; a box without either counts as closed.
std::optional<Knopf> sichereAntwort(const Frage& f) {
    for (Knopf k : {Knopf::Abbruch, Knopf::Nein})
        if (std::find(f.knoepfe.begin(), f.knoepfe.end(), k) != f.knoepfe.end()) return k;
    return std::nullopt;
}

} // namespace

std::optional<Knopf> CliPerson::frage(const Frage& f) {
    const auto antwort = beantworten(f);
    // Whatever the question, Cancel ends the command as cancelled.
    if (antwort == Knopf::Abbruch)
        gemeldeterAusgang_ = schwerer(gemeldeterAusgang_, Ausgang::Abgebrochen);
    return antwort;
}

std::optional<Knopf> CliPerson::beantworten(const Frage& f) {
    ausgeben(f.titel, f.text);
    // A used-up list and an empty item both take the safe answer.
    const bool aufgebraucht = antworten_.empty();
    std::string antwort;
    if (!aufgebraucht) {
        antwort = antworten_.front();
        antworten_.pop_front();
    }
    if (antwort.empty()) {
        const auto sicher = sichereAntwort(f);
        err_ << "-> " << (sicher ? knopfText(f, *sicher) : std::string("(geschlossen)"))
             << (aufgebraucht ? "  (keine Antwort mehr in --antworten)" : "") << "\n";
        return sicher;
    }
    for (Knopf k : f.knoepfe) {
        if (klein(knopfText(f, k)) == klein(antwort)) {
            err_ << "-> " << knopfText(f, k) << "\n";
            return k;
        }
    }
    throw Aufruffehler("Antwort \"" + antwort + "\" passt zu keinem Knopf der Frage");
}

std::optional<std::string> CliPerson::naechsterText(const std::string& titel,
                                                    const std::string& prompt, bool verdeckt) {
    ausgeben(titel, prompt);
    if (antworten_.empty()) {
        err_ << "-> (Abbruch)  (keine Antwort mehr in --antworten)\n";
        return std::nullopt;
    }
    std::string antwort = utf8NachAnsi(antworten_.front());
    antworten_.pop_front();
    err_ << "-> " << (verdeckt ? std::string(antwort.size(), '#') : ansiNachUtf8(antwort)) << "\n";
    return antwort;
}

std::optional<std::string> CliPerson::eingabe(const std::string& titel, const std::string& prompt,
                                              const std::string&) {
    return naechsterText(titel, prompt, false);
}

std::optional<std::string> CliPerson::codeEingabe(const std::string& titel, CodeBild) {
    return naechsterText(titel, "Hier Passwort eingeben:", true);
}

void CliPerson::fortschrittZeigen(const std::string& titel, const std::string& text) {
    fortschrittTitel_ = titel;
    err_ << "[" << ansiNachUtf8(titel) << "] " << ansiNachUtf8(text) << "\n";
}

void CliPerson::fortschritt(int) {}

void CliPerson::fortschrittText(const std::string& text) {
    err_ << "[" << ansiNachUtf8(fortschrittTitel_) << "] " << ansiNachUtf8(text) << "\n";
}

void CliPerson::fortschrittSchliessen() {}

} // namespace zalvor::cli
