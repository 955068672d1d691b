// The dump of a database's content.
#include "core/database/inhalt.h"

#include "core/common/dateisystem.h"
#include "core/database/verbindung.h"

#include <algorithm>

namespace zalvor {

namespace {

// An identifier of the schema in SQL text (never a value: those are bound).
std::string bezeichner(const std::string& name) {
    std::string s = "\"";
    for (char c : name) {
        if (c == '"') s += '"';
        s += c;
    }
    return s + "\"";
}

std::int64_t zahl(const Verbindung& v, const char* sql) {
    auto a = v.anweisung(sql);
    return a.zeile() ? a.zahl(0) : 0;
}

// SELECT of one table's rows as text, in the order of its primary key (rowid without one).
std::string zeilenAbfrage(const Verbindung& v, const std::string& tabelle) {
    std::string spalten;
    std::vector<std::pair<std::int64_t, std::string>> schluessel;
    auto info = v.anweisung("SELECT name, pk FROM pragma_table_info(?1) ORDER BY cid");
    info.mit(tabelle);
    while (info.zeile()) {
        const std::string name = bezeichner(info.text(0));
        spalten += (spalten.empty() ? "" : " || ',' || ") + std::string("quote(") + name + ")";
        if (info.zahl(1) > 0) schluessel.emplace_back(info.zahl(1), name);
    }
    std::sort(schluessel.begin(), schluessel.end());
    std::string ordnung;
    for (const auto& [_, name] : schluessel)
        ordnung += (ordnung.empty() ? "" : ", ") + name;
    return "SELECT " + spalten + " FROM " + bezeichner(tabelle) + " ORDER BY " +
           (ordnung.empty() ? "rowid" : ordnung);
}

} // namespace

std::vector<std::string> datenbankInhalt(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return {};
    dateiGroesse(pfad); // refuses what is no regular file
    Verbindung v = Verbindung::oeffnen(pfad, false);
    v.ausfuehren("BEGIN");
    const std::int64_t version = zahl(v, "PRAGMA user_version");
    const std::int64_t kennung = zahl(v, "PRAGMA application_id");
    std::vector<std::string> zeilen;
    std::vector<std::string> tabellen;
    auto schema = v.anweisung("SELECT type, name, coalesce(sql, '') FROM sqlite_schema "
                              "ORDER BY type, name");
    while (schema.zeile()) {
        zeilen.push_back(schema.text(0) + " " + schema.text(1) + ": " + schema.text(2));
        if (schema.text(0) == "table" && schema.text(1).rfind("sqlite_", 0) != 0)
            tabellen.push_back(schema.text(1));
    }
    if (version == 0 && kennung == 0 && zeilen.empty()) return {};
    zeilen.insert(zeilen.begin(), {"user_version " + std::to_string(version),
                                   "application_id " + std::to_string(kennung)});
    for (const auto& t : tabellen) {
        auto a = v.anweisung(zeilenAbfrage(v, t));
        while (a.zeile())
            zeilen.push_back(t + ": " + a.text(0));
    }
    return zeilen;
}

} // namespace zalvor
