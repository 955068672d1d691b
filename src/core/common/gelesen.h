// What a reader of a club's file found, as a value: the model, the notices the person is to
// read (in their order), and how the file was found. Readers take the bytes; the file layer
// reads the disk, and the opening shows the notices.
#pragma once

#include "core/common/person.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

// A message for the person. `eigeneBox`: the program's own message box (Person::nachricht),
// else the platform box with its symbol.
struct Hinweis {
    std::string titel;
    std::string text;
    Symbol symbol = Symbol::Keins;
    bool eigeneBox = false;
};

void hinweiseZeigen(Person& person, const std::vector<Hinweis>& hinweise);

// How the file was found: read whole, not there, there but not readable, or read with
// content the reader could not take (defaults stand in for it).
enum class Lesestatus { Gelesen, Fehlt, Unlesbar, Beschaedigt };

template <typename T>
struct Gelesen {
    T wert{};
    Lesestatus status = Lesestatus::Gelesen;
    std::vector<Hinweis> hinweise;

    void hinweis(std::string titel, std::string text, Symbol symbol) {
        hinweise.push_back({std::move(titel), std::move(text), symbol, false});
    }
};

// The bytes the file layer found under a name, or why it found none.
struct Dateiinhalt {
    enum class Art { Fehlt, Unlesbar, Da };
    Art art = Art::Fehlt;
    int fehlernummer = 0; // of an unreadable file
    std::vector<std::uint8_t> bytes;

    static Dateiinhalt da(std::vector<std::uint8_t> b) { return {Art::Da, 0, std::move(b)}; }
};

} // namespace zalvor
