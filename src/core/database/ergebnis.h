// A value or the refusal a person reads: how the club database reports what it will not do.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace zalvor {

// The German text of a refusal, in the engine's Windows form.
struct Abweisung {
    std::string meldung;
};

template <typename T>
class Ergebnis {
  public:
    Ergebnis(T wert) : inhalt_(std::move(wert)) {}
    Ergebnis(Abweisung a) : inhalt_(std::move(a)) {}

    bool ok() const { return std::holds_alternative<T>(inhalt_); }
    explicit operator bool() const { return ok(); }
    T& operator*() { return wert(); }
    const T& operator*() const { return wert(); }
    T* operator->() { return &wert(); }
    const T* operator->() const { return &wert(); }
    // A refusal here is the caller's mistake: it did not look.
    T& wert() & {
        pruefen();
        return std::get<T>(inhalt_);
    }
    const T& wert() const& {
        pruefen();
        return std::get<T>(inhalt_);
    }
    T&& wert() && {
        pruefen();
        return std::get<T>(std::move(inhalt_));
    }
    const std::string& meldung() const {
        static const std::string leer;
        return ok() ? leer : std::get<Abweisung>(inhalt_).meldung;
    }

  private:
    void pruefen() const {
        if (!ok()) throw std::logic_error("abgewiesen: " + meldung());
    }
    std::variant<T, Abweisung> inhalt_;
};

// Done, or refused.
template <>
class Ergebnis<void> {
  public:
    Ergebnis() = default;
    Ergebnis(Abweisung a) : abweisung_(std::move(a)) {}

    bool ok() const { return !abweisung_; }
    explicit operator bool() const { return ok(); }
    const std::string& meldung() const {
        static const std::string leer;
        return abweisung_ ? abweisung_->meldung : leer;
    }

  private:
    std::optional<Abweisung> abweisung_;
};

} // namespace zalvor
