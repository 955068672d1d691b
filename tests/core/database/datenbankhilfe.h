// A club database in a temporary folder for the tests, and changes made in one transaction.
#pragma once

#include "tempverzeichnis.h"

#include "core/database/datenbank.h"

#include <gtest/gtest.h>
#include <utility>

namespace zalvor::test {

struct Vereinsdatenbank {
    TempVerzeichnis dir;
    std::string pfad = dir.datei("Verein.zdb");
    Datenbank db = Datenbank::schreiben(pfad).wert();

    // Runs `f` in a transaction and commits it; returns what `f` returned.
    template <typename F>
    auto aendern(F&& f) {
        Transaktion t(db);
        if constexpr (std::is_void_v<decltype(f(t))>) {
            f(t);
            t.festschreiben();
        } else {
            auto r = f(t);
            t.festschreiben();
            return r;
        }
    }
};

} // namespace zalvor::test
