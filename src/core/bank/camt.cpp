// camt.053 after the ISO 20022 message schemas. The versions differ in a few places, each
// taken in both forms: the status (text or <Cd>), a party's name (<Nm> or <Pty><Nm>), the
// BIC (<BIC> or <BICFI>) and a detail's amount (<Amt> or <AmtDtls><TxAmt><Amt>).
#include "core/bank/camt.h"

#include "core/common/zeichensatz.h"

#include "core/bank/bankwerte.h"
#include "core/bank/xmlsicher.h"

#include <exception>
#include <iterator>
#include <unordered_map>

namespace zalvor::bank {

namespace {

constexpr std::string_view kNamensraum = "urn:iso:std:iso:20022:tech:xsd:camt.053.001.";

// The XML library's line numbers are exact below this line; beyond it an element's line is
// looked up at its neighbours.
constexpr int kGenaueZeilen = 65535;

class CamtLeser {
  public:
    CamtLeser(std::string datei, std::vector<Meldung>& hinweise)
        : datei_(std::move(datei)), hinweise_(&hinweise) {}

    // While the document is read: an entry of a statement whose account came before it is
    // read as soon as it ends, and its children are freed, so that a year statement does not
    // stand whole in memory. What it gives (lines, notes, the first fault) waits for its
    // statement's turn below, so the result is the one of reading the whole tree; an entry
    // that cannot be read yet (no account before it, lines beyond the exact ones) stays in
    // the tree with every later one of its statement.
    void elementEnde(xmlNode* n, int zeile) {
        if (xmlName(n) != "Ntry") return;
        const xmlNode* stmt = n->parent;
        if (stmt == nullptr || xmlName(stmt) != "Stmt") return;
        const xmlNode* nachricht = stmt->parent;
        if (nachricht == nullptr || xmlName(nachricht) != "BkToCstmrStmt") return;
        const xmlNode* wurzel = nachricht->parent;
        if (wurzel == nullptr || wurzel->type != XML_ELEMENT_NODE || wurzel->parent == nullptr ||
            wurzel->parent->type != XML_DOCUMENT_NODE ||
            xmlKind(wurzel, "BkToCstmrStmt") != nachricht)
            return;
        Vorab& v = vorab_[stmt];
        if (v.angehalten) return;
        const xmlNode* konto = xmlKind(stmt, "Acct");
        if (konto == nullptr || zeile >= kGenaueZeilen) {
            v.angehalten = true;
            return;
        }
        if (!v.fehler) {
            Kontoauszug a;
            a.iban = kontoIban(konto);
            a.zeilen = std::move(v.zeilen);
            std::vector<Meldung>* ziel = hinweise_;
            hinweise_ = &v.hinweise;
            try {
                eintrag(n, a);
            } catch (...) {
                v.fehler = std::current_exception();
            }
            hinweise_ = ziel;
            v.zeilen = std::move(a.zeilen);
        }
        xmlFreeNodeList(n->children);
        n->children = nullptr;
        n->last = nullptr;
        ++v.gelesen;
    }

    std::vector<Kontoauszug> lesen(const xmlNode* wurzel) {
        const std::string version = versionPruefen(wurzel);
        const xmlNode* nachricht = xmlKind(wurzel, "BkToCstmrStmt");
        if (nachricht == nullptr) fehler(wurzel, "kein Kontoauszug (BkToCstmrStmt fehlt)");
        std::vector<Kontoauszug> auszuege;
        for (const xmlNode* stmt : xmlKinder(nachricht, "Stmt"))
            auszuege.push_back(auszug(stmt, "camt.053.001." + version));
        if (auszuege.empty()) fehler(nachricht, "kein Kontoauszug (Stmt fehlt)");
        return auszuege;
    }

  private:
    // What was read of a statement's first entries while the document was read.
    struct Vorab {
        std::size_t gelesen = 0; // entries read; their elements are left empty
        std::vector<Auszugszeile> zeilen;
        std::vector<Meldung> hinweise;
        std::exception_ptr fehler; // the first; the entries after it were not read
        bool angehalten = false;
    };

    std::string datei_;
    std::vector<Meldung>* hinweise_;
    std::unordered_map<const xmlNode*, Vorab> vorab_;

    Fundstelle stelle(const xmlNode* n) const {
        return Fundstelle{datei_, xmlZeile(n), std::string(xmlName(n))};
    }
    [[noreturn]] void fehler(const xmlNode* n, const std::string& text) const {
        throw AuszugFehler(stelle(n), text);
    }
    const xmlNode* pflicht(const xmlNode* n, std::string_view name) const {
        const xmlNode* k = xmlKind(n, name);
        if (k == nullptr) fehler(n, "Element <" + std::string(name) + "> fehlt");
        return k;
    }

    std::string versionPruefen(const xmlNode* wurzel) const {
        if (xmlName(wurzel) != "Document") fehler(wurzel, "kein camt.053-Dokument");
        const std::string ns = wurzel->ns != nullptr && wurzel->ns->href != nullptr
                                   ? reinterpret_cast<const char*>(wurzel->ns->href)
                                   : "";
        if (ns.rfind(kNamensraum, 0) != 0)
            fehler(wurzel, "kein camt.053-Dokument (Namensraum " + zitat(ns) + ")");
        const std::string version = ns.substr(kNamensraum.size());
        if (version.size() != 2 || version < "02" || version > "08")
            fehler(wurzel,
                   "camt.053-Version " + fensterText(version) + A(" wird nicht unterstützt"));
        return version;
    }

    // An amount element: cents, and its currency attribute.
    std::pair<std::int64_t, std::string> betrag(const xmlNode* amt) const {
        const std::string text = xmlText(amt);
        const auto cent = centLesen(text, '.');
        if (!cent || *cent < 0 || text.front() == '+')
            fehler(amt, A("ungültiger Betrag ") + zitat(text));
        const std::string ccy = xmlAttribut(amt, "Ccy");
        if (ccy.size() != 3) fehler(amt, A("Währung fehlt oder ist ungültig"));
        return {*cent, ccy};
    }

    Richtung richtung(const xmlNode* ind) const {
        const std::string t = xmlText(ind);
        if (t == "CRDT") return Richtung::Haben;
        if (t == "DBIT") return Richtung::Soll;
        fehler(ind, A("ungültige Soll/Haben-Kennung ") + zitat(t));
    }

    // <Dt> or <DtTm> below a date choice.
    Datum datum(const xmlNode* wahl) const {
        const xmlNode* n = xmlKind(wahl, "Dt");
        if (n == nullptr) n = xmlKind(wahl, "DtTm");
        if (n == nullptr) fehler(wahl, "Datum fehlt");
        const auto d = isoDatum(xmlText(n));
        if (!d) fehler(n, A("ungültiges Datum ") + zitat(xmlText(n)));
        return *d;
    }

    Kontoauszug auszug(const xmlNode* stmt, const std::string& format) {
        Kontoauszug a;
        a.format = format;
        a.stelle = stelle(stmt);
        a.id = xmlText(xmlKind(stmt, "Id"));
        const xmlNode* konto = pflicht(stmt, "Acct");
        a.iban = kontoIban(konto);
        a.waehrung = xmlText(xmlKind(konto, "Ccy"));
        for (const xmlNode* bal : xmlKinder(stmt, "Bal"))
            saldo(bal, a);
        std::size_t gelesen = 0;
        if (auto v = vorab_.find(stmt); v != vorab_.end()) {
            a.zeilen = std::move(v->second.zeilen);
            hinweise_->insert(hinweise_->end(), std::make_move_iterator(v->second.hinweise.begin()),
                              std::make_move_iterator(v->second.hinweise.end()));
            if (v->second.fehler) std::rethrow_exception(v->second.fehler);
            gelesen = v->second.gelesen;
        }
        for (const xmlNode* ntry : xmlKinder(stmt, "Ntry")) {
            if (gelesen > 0) {
                --gelesen;
                continue;
            }
            eintrag(ntry, a);
        }
        return a;
    }

    static std::string kontoIban(const xmlNode* konto) {
        std::string iban = xmlText(xmlPfad(konto, {"Id", "IBAN"}));
        if (iban.empty()) iban = xmlText(xmlPfad(konto, {"Id", "Othr", "Id"}));
        return iban;
    }

    void saldo(const xmlNode* bal, Kontoauszug& a) {
        const xmlNode* tp = xmlPfad(bal, {"Tp", "CdOrPrtry"});
        const std::string art = xmlText(xmlKind(tp, "Cd"));
        auto [cent, ccy] = betrag(pflicht(bal, "Amt"));
        if (a.waehrung.empty()) a.waehrung = ccy;
        if (richtung(pflicht(bal, "CdtDbtInd")) == Richtung::Soll) cent = -cent;
        const Saldo s{cent, datum(pflicht(bal, "Dt"))};
        // PRCD (the previous statement's closing) opens a statement when OPBD is missing.
        if (art == "OPBD" || (art == "PRCD" && !a.anfangssaldo)) a.anfangssaldo = s;
        if (art == "CLBD") a.schlusssaldo = s;
    }

    Status status(const xmlNode* sts) {
        std::string code = xmlHatElementKinder(sts) ? xmlText(xmlKind(sts, "Cd")) : xmlText(sts);
        if (code == "BOOK") return Status::Gebucht;
        if (code == "PDNG") return Status::Vorgemerkt;
        if (code != "INFO")
            hinweise_->push_back(
                {stelle(sts), "unbekannter Status " + zitat(code) + ", als Information gelesen"});
        return Status::Information;
    }

    // The party's name, account and BIC: <Dbtr>, <DbtrAcct>, <DbtrAgt> (or Cdtr...).
    void partei(const xmlNode* tx, const char* rolle, Auszugszeile& z) const {
        const xmlNode* parteien = xmlKind(tx, "RltdPties");
        const std::string r(rolle);
        const xmlNode* p = xmlKind(parteien, r);
        if (const xmlNode* pty = xmlKind(p, "Pty")) p = pty;
        z.name = xmlText(xmlKind(p, "Nm"));
        const xmlNode* konto = xmlKind(parteien, r + "Acct");
        z.iban = xmlText(xmlPfad(konto, {"Id", "IBAN"}));
        const xmlNode* bank = xmlPfad(tx, {"RltdAgts", r + "Agt", "FinInstnId"});
        z.bic = xmlText(xmlKind(bank, "BICFI"));
        if (z.bic.empty()) z.bic = xmlText(xmlKind(bank, "BIC"));
    }

    static std::string ibanVon(const xmlNode* tx, const char* konto) {
        return xmlText(xmlPfad(tx, {"RltdPties", konto, "Id", "IBAN"}));
    }

    static std::string glaeubigerId(const xmlNode* tx) {
        const xmlNode* cdtr = xmlPfad(tx, {"RltdPties", "Cdtr"});
        if (const xmlNode* pty = xmlKind(cdtr, "Pty")) cdtr = pty;
        return xmlText(xmlPfad(cdtr, {"Id", "PrvtId", "Othr", "Id"}));
    }

    static std::string verwendungszweck(const xmlNode* tx) {
        const xmlNode* rmt = xmlKind(tx, "RmtInf");
        std::string text;
        for (const xmlNode* u : xmlKinder(rmt, "Ustrd")) {
            const std::string teil = xmlText(u);
            if (teil.empty()) continue;
            text += (text.empty() ? "" : " ") + teil;
        }
        if (text.empty())
            for (const xmlNode* s : xmlKinder(rmt, "Strd")) {
                const std::string ref = xmlText(xmlPfad(s, {"CdtrRefInf", "Ref"}));
                if (!ref.empty()) text += (text.empty() ? "" : " ") + ref;
            }
        return text;
    }

    void eintrag(const xmlNode* ntry, Kontoauszug& a) {
        Auszugszeile basis;
        basis.stelle = stelle(ntry);
        const auto [cent, ccy] = betrag(pflicht(ntry, "Amt"));
        basis.cent = cent;
        basis.waehrung = ccy;
        basis.richtung = richtung(pflicht(ntry, "CdtDbtInd"));
        const std::string rvsl = xmlText(xmlKind(ntry, "RvslInd"));
        basis.storno = rvsl == "true" || rvsl == "1";
        basis.status = status(pflicht(ntry, "Sts"));
        const xmlNode* bookg = xmlKind(ntry, "BookgDt");
        const xmlNode* val = xmlKind(ntry, "ValDt");
        if (bookg == nullptr && val == nullptr) fehler(ntry, "Buchungsdatum fehlt");
        basis.buchungsdatum = datum(bookg != nullptr ? bookg : val);
        basis.valuta = val != nullptr ? datum(val) : basis.buchungsdatum;
        basis.bankreferenz = xmlText(xmlKind(ntry, "AcctSvcrRef"));
        basis.eintragsreferenz = xmlText(xmlKind(ntry, "NtryRef"));
        basis.zusatzinfo = xmlText(xmlKind(ntry, "AddtlNtryInf"));
        basis.geschaeftsvorfall = xmlText(xmlPfad(ntry, {"BkTxCd", "Prtry", "Cd"}));

        std::vector<const xmlNode*> details;
        for (const xmlNode* dtls : xmlKinder(ntry, "NtryDtls"))
            for (const xmlNode* tx : xmlKinder(dtls, "TxDtls"))
                details.push_back(tx);
        if (details.empty()) {
            a.zeilen.push_back(basis);
            return;
        }
        std::int64_t summe = 0;
        for (std::size_t i = 0; i < details.size(); ++i) {
            Auszugszeile z = detail(details[i], basis, details.size() == 1, a.iban);
            if (details.size() > 1) z.teil = static_cast<int>(i + 1);
            summe += z.richtung == basis.richtung ? z.cent : -z.cent;
            a.zeilen.push_back(std::move(z));
        }
        if (summe != basis.cent)
            hinweise_->push_back({basis.stelle, "Summe der Einzelbuchungen weicht vom Betrag des "
                                                "Eintrags ab"});
    }

    Auszugszeile detail(const xmlNode* tx, const Auszugszeile& basis, bool einzig,
                        const std::string& eigeneIban) const {
        Auszugszeile z = basis;
        z.stelle = stelle(tx);
        const xmlNode* amt = xmlKind(tx, "Amt");
        if (amt == nullptr) amt = xmlPfad(tx, {"AmtDtls", "TxAmt", "Amt"});
        if (amt != nullptr) {
            std::tie(z.cent, z.waehrung) = betrag(amt);
        } else if (!einzig) {
            fehler(tx, "Betrag der Einzelbuchung fehlt");
        }
        if (const xmlNode* ind = xmlKind(tx, "CdtDbtInd")) z.richtung = richtung(ind);

        const xmlNode* refs = xmlKind(tx, "Refs");
        const std::string ref = xmlText(xmlKind(refs, "AcctSvcrRef"));
        if (!ref.empty()) z.bankreferenz = ref;
        z.endToEndId = xmlText(xmlKind(refs, "EndToEndId"));
        if (z.endToEndId == "NOTPROVIDED") z.endToEndId.clear();
        z.mandatsreferenz = xmlText(xmlKind(refs, "MndtId"));
        z.glaeubigerId = glaeubigerId(tx);

        // The other party is the one whose account is not ours; failing that, the payer of
        // a credit and the payee of a debit, as the original payment had them for a reversal.
        bool vonSchuldner = (z.richtung == Richtung::Haben) != z.storno;
        if (!eigeneIban.empty()) {
            if (ibanVon(tx, "CdtrAcct") == eigeneIban)
                vonSchuldner = true;
            else if (ibanVon(tx, "DbtrAcct") == eigeneIban)
                vonSchuldner = false;
        }
        partei(tx, vonSchuldner ? "Dbtr" : "Cdtr", z);

        z.text = verwendungszweck(tx);
        if (z.zusatzinfo.empty()) z.zusatzinfo = xmlText(xmlKind(tx, "AddtlTxInf"));
        const xmlNode* rsn = xmlPfad(tx, {"RtrInf", "Rsn"});
        z.rueckgabegrund = xmlText(xmlKind(rsn, "Cd"));
        if (z.rueckgabegrund.empty()) z.rueckgabegrund = xmlText(xmlKind(rsn, "Prtry"));
        const std::string gvc = xmlText(xmlPfad(tx, {"BkTxCd", "Prtry", "Cd"}));
        if (!gvc.empty()) z.geschaeftsvorfall = gvc;
        return z;
    }
};

} // namespace

bool siehtNachXmlAus(std::string_view daten) {
    if (daten.substr(0, 3) == "\xEF\xBB\xBF") daten.remove_prefix(3);
    const std::size_t erstes = daten.find_first_not_of(" \t\r\n");
    return erstes != std::string_view::npos && daten[erstes] == '<';
}

std::vector<Kontoauszug> camtLesen(std::string_view xml, std::vector<Meldung>& hinweise,
                                   const std::string& datei) {
    CamtLeser leser(datei, hinweise);
    const XmlDokument dok = xmlSicherLesen(
        xml, datei, kHoechstXml, [&leser](xmlNode* n, int zeile) { leser.elementEnde(n, zeile); });
    const xmlNode* wurzel = xmlDocGetRootElement(dok.get());
    if (wurzel == nullptr) throw AuszugFehler(Fundstelle{datei, 0, {}}, "leeres XML-Dokument");
    return leser.lesen(wurzel);
}

} // namespace zalvor::bank
