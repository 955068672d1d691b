// The injected clock: "today" for dates, years and automatic bookings.
#pragma once

#include <string>

namespace zalvor {

struct Datum {
    int jahr = 2000;
    int monat = 1;
    int tag = 1;
    friend bool operator==(const Datum&, const Datum&) = default;
};

// Day and month as the tables and lists show them, each right-aligned in two places
// (" 1. 1.").
std::string tagMonatText(int tag, int monat);

class Uhr {
  public:
    virtual ~Uhr() = default;
    virtual Datum heute() const = 0;
};

class SystemUhr : public Uhr {
  public:
    Datum heute() const override;
};

class FesteUhr : public Uhr {
  public:
    explicit FesteUhr(Datum d) : datum_(d) {}
    Datum heute() const override { return datum_; }
    void setze(Datum d) { datum_ = d; }

  private:
    Datum datum_;
};

} // namespace zalvor
