// The pain.008 writer. Every text passes through the SEPA character set and every identifier
// through its check, so no value can hold a character that XML would need escaped.
#include "core/sepa/pain008.h"

#include "core/common/zeichensatz.h"
#include "core/sepa/kennungen.h"
#include "core/sepa/pruefziffern.h"
#include "core/sepa/sepazeichen.h"
#include "core/sepa/target2.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace zalvor::sepa {

namespace {

constexpr std::int64_t kHoechstbetrag = 99999999999; // 999999999.99 in cents

// A debit or the creditor with every value checked and in the form the file holds.
struct Partei {
    std::string name;
    std::string iban;
    std::string bic;
};

class Pruefer {
  public:
    explicit Pruefer(int lastschrift) : lastschrift_(lastschrift) {}

    [[noreturn]] void ablehnen(const std::string& meldung) const {
        throw LastschriftFehler(meldung, lastschrift_);
    }
    std::string geprueft(const std::optional<std::string>& wert, const std::string& meldung) const {
        if (!wert) ablehnen(meldung);
        return *wert;
    }
    Partei partei(const std::string& name, const std::string& iban, const std::string& bic) const {
        Partei p;
        p.name = sepaText(name, kSepaNamenLaenge);
        if (p.name.empty()) ablehnen(A("Kein Name in SEPA-Zeichen!"));
        p.iban = geprueft(ibanPruefen(iban), ungueltigeIbanText());
        if (!bic.empty()) p.bic = geprueft(bicPruefen(bic), ungueltigeBicText());
        return p;
    }
    void datum(const Datum& d) const {
        if (!gueltigesDatum(d)) ablehnen(A("Ungültiges Datum!"));
    }

  private:
    int lastschrift_;
};

std::string isoDatum(const Datum& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.jahr % 10000, d.monat % 100, d.tag % 100);
    return text;
}

std::string isoZeitpunkt(const Zeitpunkt& z) {
    char text[16];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02d", z.zeit.stunde % 100, z.zeit.minute % 100,
                  z.zeit.sekunde % 100);
    return isoDatum(z.datum) + text;
}

// Whole cents with two decimals and ".".
std::string betragText(std::int64_t cent) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(cent / 100),
                  static_cast<long long>(cent % 100));
    return text;
}

bool vor(const Datum& a, const Datum& b) {
    if (a.jahr != b.jahr) return a.jahr < b.jahr;
    if (a.monat != b.monat) return a.monat < b.monat;
    return a.tag < b.tag;
}

// Indented XML out of checked values.
class Ausgabe {
  public:
    void oeffnen(std::string_view name, std::string_view attribut = {}) {
        anfang(name, attribut);
        text_ += '\n';
        ++tiefe_;
    }
    void schliessen(std::string_view name) {
        --tiefe_;
        einruecken();
        ende(name);
    }
    void element(std::string_view name, std::string_view wert, std::string_view attribut = {}) {
        anfang(name, attribut);
        text_ += wert;
        ende(name);
    }
    void roh(std::string_view zeilen) { text_ += zeilen; }
    std::string& text() { return text_; }

  private:
    void einruecken() { text_.append(static_cast<std::size_t>(tiefe_) * 2, ' '); }
    void anfang(std::string_view name, std::string_view attribut) {
        einruecken();
        text_ += '<';
        text_ += name;
        if (!attribut.empty()) {
            text_ += ' ';
            text_ += attribut;
        }
        text_ += '>';
    }
    void ende(std::string_view name) {
        text_ += "</";
        text_ += name;
        text_ += ">\n";
    }
    std::string text_;
    int tiefe_ = 0;
};

// The institution of an account: its BIC, or the form both schemas take for "none given".
void institut(Ausgabe& a, std::string_view name, const std::string& bic) {
    a.oeffnen(name);
    a.oeffnen("FinInstnId");
    if (bic.empty()) {
        a.oeffnen("Othr");
        a.element("Id", "NOTPROVIDED");
        a.schliessen("Othr");
    } else {
        a.element("BICFI", bic);
    }
    a.schliessen("FinInstnId");
    a.schliessen(name);
}

void konto(Ausgabe& a, std::string_view name, const std::string& iban) {
    a.oeffnen(name);
    a.oeffnen("Id");
    a.element("IBAN", iban);
    a.schliessen("Id");
    a.schliessen(name);
}

void nurName(Ausgabe& a, std::string_view element, const std::string& name) {
    a.oeffnen(element);
    a.element("Nm", name);
    a.schliessen(element);
}

struct Posten {
    Partei schuldner;
    std::string mandatsreferenz;
    std::string unterschrieben;
    std::string endToEndId;
    std::string verwendungszweck;
    std::int64_t cent = 0;
    Sequenz sequenz = Sequenz::Folge;
};

Posten postenPruefen(const Lastschrift& l, int nr, const Datum& erstellt,
                     std::unordered_set<std::string>& endToEndIds) {
    const Pruefer p(nr);
    Posten posten;
    if (l.cent < 1 || l.cent > kHoechstbetrag) p.ablehnen(A("Ungültiger Betrag!"));
    posten.cent = l.cent;
    if (!sepaKennungGueltig(l.mandatsreferenz)) p.ablehnen(ungueltigeMandatsreferenzText());
    posten.mandatsreferenz = l.mandatsreferenz;
    p.datum(l.unterschrieben);
    if (vor(erstellt, l.unterschrieben)) p.ablehnen(A("Mandat nach dem Erstellungstag datiert!"));
    posten.unterschrieben = isoDatum(l.unterschrieben);
    if (!sepaKennungGueltig(l.endToEndId)) p.ablehnen(A("Ungültige End-to-End-ID!"));
    if (!endToEndIds.insert(l.endToEndId).second) p.ablehnen(A("Doppelte End-to-End-ID!"));
    posten.endToEndId = l.endToEndId;
    posten.schuldner = p.partei(l.name, l.iban, l.bic);
    posten.verwendungszweck = sepaText(l.verwendungszweck, kSepaVerwendungszweckLaenge);
    posten.sequenz = l.sequenz;
    return posten;
}

void postenSchreiben(Ausgabe& a, const Posten& p) {
    a.oeffnen("DrctDbtTxInf");
    a.oeffnen("PmtId");
    a.element("EndToEndId", p.endToEndId);
    a.schliessen("PmtId");
    a.element("InstdAmt", betragText(p.cent), "Ccy=\"EUR\"");
    a.oeffnen("DrctDbtTx");
    a.oeffnen("MndtRltdInf");
    a.element("MndtId", p.mandatsreferenz);
    a.element("DtOfSgntr", p.unterschrieben);
    a.schliessen("MndtRltdInf");
    a.schliessen("DrctDbtTx");
    institut(a, "DbtrAgt", p.schuldner.bic);
    nurName(a, "Dbtr", p.schuldner.name);
    konto(a, "DbtrAcct", p.schuldner.iban);
    if (!p.verwendungszweck.empty()) {
        a.oeffnen("RmtInf");
        a.element("Ustrd", p.verwendungszweck);
        a.schliessen("RmtInf");
    }
    a.schliessen("DrctDbtTxInf");
}

struct Kopf {
    Partei glaeubiger;
    std::string glaeubigerId;
    std::string nachrichtenId;
    std::string faellig;
};

void blockSchreiben(Ausgabe& a, const Kopf& k, Sequenz sequenz, const std::vector<Posten>& posten) {
    std::size_t anzahl = 0;
    std::int64_t summe = 0;
    for (const auto& p : posten) {
        if (p.sequenz != sequenz) continue;
        ++anzahl;
        summe += p.cent;
    }
    if (anzahl == 0) return;
    a.oeffnen("PmtInf");
    a.element("PmtInfId", zahlungsId(k.nachrichtenId, sequenz));
    a.element("PmtMtd", "DD");
    a.element("NbOfTxs", std::to_string(anzahl));
    a.element("CtrlSum", betragText(summe));
    a.oeffnen("PmtTpInf");
    a.oeffnen("SvcLvl");
    a.element("Cd", "SEPA");
    a.schliessen("SvcLvl");
    a.oeffnen("LclInstrm");
    a.element("Cd", "CORE");
    a.schliessen("LclInstrm");
    a.element("SeqTp", sequenzCode(sequenz));
    a.schliessen("PmtTpInf");
    a.element("ReqdColltnDt", k.faellig);
    nurName(a, "Cdtr", k.glaeubiger.name);
    konto(a, "CdtrAcct", k.glaeubiger.iban);
    institut(a, "CdtrAgt", k.glaeubiger.bic);
    a.element("ChrgBr", "SLEV");
    a.oeffnen("CdtrSchmeId");
    a.oeffnen("Id");
    a.oeffnen("PrvtId");
    a.oeffnen("Othr");
    a.element("Id", k.glaeubigerId);
    a.oeffnen("SchmeNm");
    a.element("Prtry", "SEPA");
    a.schliessen("SchmeNm");
    a.schliessen("Othr");
    a.schliessen("PrvtId");
    a.schliessen("Id");
    a.schliessen("CdtrSchmeId");
    for (const auto& p : posten)
        if (p.sequenz == sequenz) postenSchreiben(a, p);
    a.schliessen("PmtInf");
}

bool gueltigeUhrzeit(const Uhrzeit& u) {
    return u.stunde >= 0 && u.stunde < 24 && u.minute >= 0 && u.minute < 60 && u.sekunde >= 0 &&
           u.sekunde < 60;
}

} // namespace

std::string pain008Schreiben(const Lastschriftauftrag& auftrag) {
    const Pruefer datei(-1);
    if (auftrag.lastschriften.empty()) datei.ablehnen(A("Keine Lastschrift!"));
    datei.datum(auftrag.faellig);
    datei.datum(auftrag.erstellt.datum);
    if (!gueltigeUhrzeit(auftrag.erstellt.zeit)) datei.ablehnen(A("Ungültige Uhrzeit!"));
    Kopf kopf;
    const Glaeubiger& g = auftrag.glaeubiger;
    kopf.glaeubigerId = datei.geprueft(glaeubigerIdPruefen(g.id), ungueltigeGlaeubigerIdText());
    kopf.glaeubiger = datei.partei(g.name, g.iban, g.bic);
    kopf.nachrichtenId = nachrichtenId(auftrag.erstellt, auftrag.zaehler);
    kopf.faellig = isoDatum(auftrag.faellig);

    std::vector<Posten> posten;
    posten.reserve(auftrag.lastschriften.size());
    std::unordered_set<std::string> endToEndIds;
    std::int64_t summe = 0;
    for (std::size_t i = 0; i < auftrag.lastschriften.size(); ++i) {
        posten.push_back(postenPruefen(auftrag.lastschriften[i], static_cast<int>(i),
                                       auftrag.erstellt.datum, endToEndIds));
        summe += posten.back().cent;
    }

    Ausgabe a;
    a.text().reserve(1000 + posten.size() * 900);
    a.roh("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    a.oeffnen("Document", "xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.008.001.08\"");
    a.oeffnen("CstmrDrctDbtInitn");
    a.oeffnen("GrpHdr");
    a.element("MsgId", kopf.nachrichtenId);
    a.element("CreDtTm", isoZeitpunkt(auftrag.erstellt));
    a.element("NbOfTxs", std::to_string(posten.size()));
    a.element("CtrlSum", betragText(summe));
    nurName(a, "InitgPty", kopf.glaeubiger.name);
    a.schliessen("GrpHdr");
    blockSchreiben(a, kopf, Sequenz::Erst, posten);
    blockSchreiben(a, kopf, Sequenz::Folge, posten);
    a.schliessen("CstmrDrctDbtInitn");
    a.schliessen("Document");
    return std::move(a.text());
}

} // namespace zalvor::sepa
