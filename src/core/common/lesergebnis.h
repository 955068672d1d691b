// What a reader of a club's file gives back: the model, the notices the person is to see and
// how the reading went. Readers take bytes and never touch the disk or the person; the file
// layer fetches the bytes and the caller shows the notices.
#pragma once

#include "core/common/person.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zalvor {

enum class Lesestatus {
    Gelesen,     // the file is there and was read whole
    AltesFormat, // read, in an older format the next write replaces
    Fehlt,       // no file of that name: the model holds the defaults
    Unlesbar,    // there, but it could not be read: defaults that must never be written
    Beschaedigt  // read, but its content is cut short or damaged
};

// One message as the person sees it: the platform box with its symbol, or the program's own
// box (caption, text with markup).
struct Hinweis {
    std::string titel;
    std::string text;
    Symbol symbol = Symbol::Information;
    bool eigeneBox = false;

    friend bool operator==(const Hinweis&, const Hinweis&) = default;
};

template <typename T>
struct Gelesen {
    T wert{};
    std::vector<Hinweis> hinweise;
    Lesestatus status = Lesestatus::Gelesen;
};

// A file as the file layer found it: there with its bytes, or missing, or unreadable (then
// without bytes). A span of bytes is a file that is there.
struct Dateiinhalt {
    Lesestatus status = Lesestatus::Gelesen;
    std::span<const std::uint8_t> bytes;

    // Not explicit: the bytes of a file stand for a file that is there.
    Dateiinhalt(std::span<const std::uint8_t> b) : bytes(b) {}
    explicit Dateiinhalt(Lesestatus s) : status(s) {}
    bool da() const { return status != Lesestatus::Fehlt && status != Lesestatus::Unlesbar; }
};

// Shows the notices in order.
void hinweiseZeigen(const std::vector<Hinweis>& hinweise, Person& person);

// Shows the notices of a reading and hands over its model.
template <typename T>
T angezeigt(Gelesen<T> gelesen, Person& person) {
    hinweiseZeigen(gelesen.hinweise, person);
    return std::move(gelesen.wert);
}

} // namespace zalvor
