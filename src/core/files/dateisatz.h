// The files of one club and year: every name is formed here and nowhere else.
#pragma once

#include <string>

namespace zalvor {

// From a base name (full path without extension) and a two-digit year, the name of every
// file that belongs to the club and year. Each name is looked up without regard to letter
// case: an existing file of any case is returned as it is spelt on disk, otherwise the
// program's own spelling.
class Dateisatz {
  public:
    Dateisatz(std::string basisname, std::string jahr)
        : basis_(std::move(basisname)), jahr_(std::move(jahr)) {}

    const std::string& basisname() const { return basis_; }
    const std::string& jahr() const { return jahr_; }
    bool aktiv() const { return !basis_.empty(); }

    // Base name + "." + year, as typed (the booking file's own name).
    std::string buchungsdateiName() const { return basis_ + "." + jahr_; }

    std::string buchungsdatei() const; // base.JJ
    std::string index(int k) const;    // base.JJk, k = 1..9
    std::string definitionen() const;  // base.def (shared by all years)
    std::string schablonen() const;    // base.SBD (shared)
    std::string mitglieder() const;    // base.MGB (shared)
    std::string mitgliederAlt() const; // base.MGL, the old member file
    std::string beitraege() const;     // base.BTR (shared)
    std::string planwerte() const;     // base.JJs
    std::string codewort() const;      // base.PWD (shared)
    std::string indexKopie() const;    // base.tmp, working copy of an index rewrite
    std::string sperre() const;        // base.JJ.lck, the lock of a program at work

    // The reorganisation's backup: the first character of the name part replaced by "~".
    // Same year; its buchungsdatei(), index(k) and schablonen() are the backup files.
    Dateisatz sicherung() const;
    // False when no backup name can be formed (the name already begins with "~").
    bool sicherungMoeglich() const;

  private:
    std::string gefunden(const std::string& name) const;
    std::string basis_;
    std::string jahr_;
};

// The backup base name of a base name (see Dateisatz::sicherung).
std::string sicherungsname(const std::string& basisname);

} // namespace zalvor
