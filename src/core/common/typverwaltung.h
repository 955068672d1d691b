// The type store: type and group names, item numbers, type codes, nested groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zalvor {

enum class Seite { Ausgabe = 0, Einnahme = 1 };

inline constexpr int kTypen = 50;
inline constexpr int kGruppen = 49;
inline constexpr int kPosten = 99;          // items 1..50 types, 51..99 groups
inline constexpr int kUmbuchungsMarke = 80; // item number of the transfer
inline constexpr int kBeitragsMarke = 90;   // item number of the contribution
inline constexpr std::uint8_t kCodeUmbuchung = 21;
inline constexpr std::uint8_t kCodeBeitrag = 22;

class Typverwaltung {
  public:
    // Names are in the Windows form; stored cut to 15 characters.
    std::string typName(Seite s, int typ) const;
    void setzeTypName(Seite s, int typ, const std::string& name);
    std::string gruppenName(Seite s, int gruppe) const;
    void setzeGruppenName(Seite s, int gruppe, const std::string& name);
    std::string postenName(Seite s, int posten) const;
    // Name of an item number as a type: markers, type names, else "Sonstige".
    std::string typcodeName(Seite s, std::uint8_t typcode) const;
    std::string postenAlsTypName(Seite s, int posten) const;

    int gruppeVon(Seite s, int posten) const;
    void setzeGruppeVon(Seite s, int posten, int gruppe);

    static bool istGruppe(int posten) { return posten > kTypen; }
    static int gruppeZuPosten(int gruppe) { return gruppe + kTypen; }
    static int postenZuGruppe(int posten) { return posten > kTypen ? posten - kTypen : 0; }
    static int typcodeZuPosten(int typcode);
    static std::uint8_t postenZuTypcode(int posten);

    void namenLeeren();
    void zuordnungenLeeren();

    // 39 characters per side: groups of types 1..20, then of groups 1..19, "0" + number.
    std::string kompakttext(Seite s) const;
    void kompakttexteLaden(const std::string& ausgabe, const std::string& einnahme);

  private:
    struct SeitenDaten {
        std::array<std::string, kTypen + 1> typen;
        std::array<std::string, kGruppen + 1> gruppen;
        std::array<std::uint8_t, kPosten + 1> zuordnung{};
    };
    std::array<SeitenDaten, 2> seiten_;

    SeitenDaten& seite(Seite s) { return seiten_[static_cast<int>(s)]; }
    const SeitenDaten& seite(Seite s) const { return seiten_[static_cast<int>(s)]; }
};

} // namespace zalvor
