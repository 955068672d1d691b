// The files of one club and year: every name is formed here and nowhere else.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zalvor {

// From a base name (full path without extension) and a two-digit year, the name of every
// file that belongs to the club and year. One rule for letter case: a name is looked up
// without regard to letter case, so an existing file is found as it is spelt on disk; a file
// that does not exist yet gets the program's spelling, the one written beside each name.
class Dateisatz {
  public:
    Dateisatz(std::string basisname, std::string jahr)
        : basis_(std::move(basisname)), jahr_(std::move(jahr)) {}

    const std::string& basisname() const { return basis_; }
    const std::string& jahr() const { return jahr_; }
    bool aktiv() const { return !basis_.empty(); }

    // Base name + "." + year as the person named it: the booking file is read and written
    // under this name, and captions and messages show it.
    std::string buchungsdateiName() const;

    std::string buchungsdatei() const; // base.JJ
    std::string index(int k) const;    // base.JJk, k = 1..9
    std::string definitionen() const;  // base.def (shared by all years)
    std::string schablonen() const;    // base.SBD (shared)
    std::string mitglieder() const;    // base.MGB (shared)
    std::string mitgliederAlt() const; // base.MGL, the old member file
    std::string beitraege() const;     // base.BTR (shared)
    std::string planwerte() const;     // base.JJs
    std::string codewort() const;      // base.PWD (shared)
    std::string datenbank() const;     // base.zdb (shared), the club database
    // Always in this letter case, never looked up.
    std::string indexKopie() const; // base.tmp, working copy of an index rewrite
    std::string sperre() const;     // base.JJ.lck, the lock of a program at work
    std::string journal() const;    // base.JJ.jnl, what a writing command is about to change

    // The definitions file as the message about an unreadable one names it (base.DEF).
    std::string definitionenImText() const;

    // The reorganisation's backup: the first character of the name part replaced by "~".
    // Same year; its buchungsdatei(), index(k) and schablonen() are the backup files.
    Dateisatz sicherung() const;
    // False when no backup name can be formed (the name already begins with "~").
    bool sicherungMoeglich() const;
    // The same club in another year.
    Dateisatz imJahr(std::string jahr) const { return Dateisatz(basis_, std::move(jahr)); }

    // A name of the set that would pass the file-name limit of 255 bytes, or nullopt when
    // all fit. The lock, the journal and the temporary names are shortened so that they fit
    // whenever the indexes fit; the check tells before anything of the club is written.
    std::optional<std::string> zuLangerName() const;

    // The rules of chosen and typed names.

    // The open command: a name without "." at the third position from its end gets "." +
    // `jahr` (the active year).
    static std::string mitJahr(const std::string& name, const std::string& jahr);
    // A "~" among the last 13 characters: a reorganisation's backup, never opened.
    static bool istSicherungsname(const std::string& name);
    // A file name (without folder) that begins with "~": a backup, hidden from the open dialog.
    static bool istSicherungskopie(std::string_view dateiname);
    // Base name and year of a booking file name: the year is its last two characters, the
    // base name what stands before the "." in front of them.
    static Dateisatz ausBuchungsdatei(const std::string& name);
    // A listed booking file's name for another year: its last two characters replaced.
    static std::string mitAnderemJahr(const std::string& name, const std::string& jahr);
    // A new file: "name.JJ" with two digits gives that year, anything else is the base name
    // of a file of `kalenderjahr`.
    static Dateisatz neu(const std::string& eingabe, const std::string& kalenderjahr);

    // File lists: ".FL" appended unless the third character from the end is a full stop.
    static std::string listenname(const std::string& eingabe);
    // Ends with ".FL", compared in upper case.
    static bool istListenname(const std::string& name);
    // ".FL", and "*.FL", the pattern of the file dialogs.
    static std::string listenEndung();
    static std::string listenmuster();
    // The year correction's working copy: "~FL.Tmp" in the list's own folder.
    static std::string listenKopie(const std::string& listenpfad);

    // The temporary file of a whole-file rewrite: the target's name + ".zlv-neu", shortened
    // with a check sum where that would pass the file-name limit.
    static std::string temporaer(const std::string& ziel);

  private:
    std::string basis_;
    std::string jahr_;
};

// The backup base name of a base name (see Dateisatz::sicherung).
std::string sicherungsname(const std::string& basisname);

} // namespace zalvor
