// Triples of the closing and their roll-up through nested type groups.
#pragma once

#include "core/common/typverwaltung.h"

#include <array>
#include <functional>
#include <vector>

namespace zalvor {

class Person;

// Real, planned and their sum; every running total is held as a 6-byte real.
struct Tripel {
    long double real = 0;
    long double geplant = 0;
    long double summe = 0;

    // Adds another triple, each figure stored back through Real6.
    void addieren(const Tripel& t);
};

// The roll-up of one closing: a cache of one triple per group and side and the path of the
// groups being summed, both living only while the closing is computed.
class Gruppenrechnung {
  public:
    explicit Gruppenrechnung(const Typverwaltung& typen) : typen_(typen) {}

    // Clears the cache of both sides; done before each side's group section.
    void cacheLeeren();
    // Triple of a group (1..49); typSumme gives the triple of a type (1..50). A cycle is
    // reported once at the group where it closes, which then counts as zero.
    Tripel gruppenSumme(Seite s, int gruppe, const std::function<Tripel(int typ)>& typSumme,
                        Person& person);
    bool berechnet(Seite s, int gruppe) const;
    void merken(Seite s, int gruppe, const Tripel& t);

  private:
    const Typverwaltung& typen_;
    std::array<std::array<Tripel, kGruppen + 1>, 2> cache_{};
    std::array<std::array<bool, kGruppen + 1>, 2> gueltig_{};
    std::vector<int> pfad_;
};

} // namespace zalvor
