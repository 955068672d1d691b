// Schema validation with libxml2. The compiled schema is made once and kept for the run; the
// network is never asked, and complaints are collected instead of printed. The document is
// validated as it is parsed, without building its tree: for a file of thousands of debits
// the tree cost more than the check itself.
#include "core/sepa/bankschema.h"

#include "core/common/zeichensatz.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <libxml/SAX2.h>
#include <libxml/parserInternals.h>

#include <memory>
#include <vector>

namespace zalvor::sepa {

namespace {

struct SchemaFrei {
    void operator()(xmlSchema* s) const { xmlSchemaFree(s); }
};
struct SchemaLeserFrei {
    void operator()(xmlSchemaParserCtxt* c) const { xmlSchemaFreeParserCtxt(c); }
};
struct PrueferFrei {
    void operator()(xmlSchemaValidCtxt* c) const { xmlSchemaFreeValidCtxt(c); }
};
struct LeserFrei {
    void operator()(xmlParserCtxt* c) const { xmlFreeParserCtxt(c); }
};
struct SteckerFrei {
    void operator()(xmlSchemaSAXPlugStruct* p) const { xmlSchemaSAXUnplug(p); }
};

// The first complaint wins; later ones usually follow from it.
void merken(void* ziel, xmlError* fehler) {
    auto& text = *static_cast<std::optional<std::string>*>(ziel);
    if (text || fehler == nullptr) return;
    std::string meldung = fehler->message != nullptr ? fehler->message : "unbekannter Fehler";
    while (!meldung.empty() && (meldung.back() == '\n' || meldung.back() == ' '))
        meldung.pop_back();
    text = "Zeile " + std::to_string(fehler->line) + ": " + meldung;
}

// Without a tree the validator names the line the parser is at, for a complaint about an
// element's content the line of its end tag. A tree names the line of its start tag: the
// start lines of the open elements are kept here, the element just ended until the next
// event, since the validator hears of an end after this handler.
struct Zeilen {
    xmlParserCtxt* leser = nullptr;
    std::vector<int> offen;
    bool beendet = false;
    std::optional<std::string> fehler;

    void weiter() {
        if (beendet) offen.pop_back();
        beendet = false;
    }
};

void elementBeginn(void* ziel, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**,
                   int, int, const xmlChar**) {
    auto& z = *static_cast<Zeilen*>(ziel);
    z.weiter();
    z.offen.push_back(xmlSAX2GetLineNumber(z.leser));
}

void elementEnde(void* ziel, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto& z = *static_cast<Zeilen*>(ziel);
    z.weiter();
    z.beendet = true;
}

void zeichen(void* ziel, const xmlChar*, int) {
    static_cast<Zeilen*>(ziel)->weiter();
}

void verstossMerken(void* ziel, xmlError* fehler) {
    auto& z = *static_cast<Zeilen*>(ziel);
    if (z.fehler || fehler == nullptr) return;
    xmlError kopie = *fehler;
    if (!z.offen.empty()) kopie.line = z.offen.back();
    merken(&z.fehler, &kopie);
}

xmlSchema* bankschema() {
    static const std::unique_ptr<xmlSchema, SchemaFrei> schema = [] {
        const std::string_view xsd = bankschemaXsd();
        std::unique_ptr<xmlSchemaParserCtxt, SchemaLeserFrei> leser(
            xmlSchemaNewMemParserCtxt(xsd.data(), static_cast<int>(xsd.size())));
        std::optional<std::string> fehler;
        xmlSchemaSetParserStructuredErrors(leser.get(), merken, &fehler);
        std::unique_ptr<xmlSchema, SchemaFrei> s(xmlSchemaParse(leser.get()));
        return s;
    }();
    return schema.get();
}

} // namespace

std::optional<std::string> bankschemaFehler(std::string_view xml) {
    xmlSchema* schema = bankschema();
    if (schema == nullptr) return A("Das Schema der Banken lässt sich nicht lesen.");
    // The parser as xmlCtxtReadMemory sets it up, an empty text included.
    std::unique_ptr<xmlParserCtxt, LeserFrei> leser(xmlNewParserCtxt());
    if (!leser) return A("kein XML");
    xmlParserInputBuffer* puffer = xmlParserInputBufferCreateMem(
        xml.data(), static_cast<int>(xml.size()), XML_CHAR_ENCODING_NONE);
    if (puffer == nullptr) return A("kein XML");
    xmlParserInput* eingabe = xmlNewIOInputStream(leser.get(), puffer, XML_CHAR_ENCODING_NONE);
    if (eingabe == nullptr) {
        xmlFreeParserInputBuffer(puffer);
        return A("kein XML");
    }
    inputPush(leser.get(), eingabe);
    xmlCtxtUseOptions(leser.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    // UTF-8 whatever the declaration says, as the writer makes it.
    if (xmlCharEncodingHandler* utf8 = xmlFindCharEncodingHandler("UTF-8"))
        xmlSwitchToEncoding(leser.get(), utf8);
    std::unique_ptr<xmlSchemaValidCtxt, PrueferFrei> pruefer(xmlSchemaNewValidCtxt(schema));
    Zeilen zeilen;
    zeilen.leser = leser.get();
    xmlSchemaSetValidStructuredErrors(pruefer.get(), verstossMerken, &zeilen);

    // Only the validator listens: no tree is built.
    xmlSAXHandler nurPruefen{};
    nurPruefen.initialized = XML_SAX2_MAGIC;
    nurPruefen.startElementNs = elementBeginn;
    nurPruefen.endElementNs = elementEnde;
    nurPruefen.characters = zeichen;
    nurPruefen.ignorableWhitespace = zeichen;
    xmlSAXHandler* eigener = leser->sax;
    leser->sax = &nurPruefen;
    leser->userData = &zeilen;
    bool gelesen = false;
    {
        std::unique_ptr<xmlSchemaSAXPlugStruct, SteckerFrei> stecker(
            xmlSchemaSAXPlug(pruefer.get(), &leser->sax, &leser->userData));
        gelesen = stecker != nullptr;
        if (gelesen) xmlParseDocument(leser.get());
    }
    leser->sax = eigener;
    leser->userData = leser.get();
    if (!gelesen) return A("ungültig");

    // A document that is no XML gets the parser's complaint, as a tree would have.
    if (leser->wellFormed == 0) {
        std::optional<std::string> fehler;
        merken(&fehler, xmlCtxtGetLastError(leser.get()));
        return utf8NachAnsi(fehler.value_or("kein XML"));
    }
    if (xmlSchemaIsValid(pruefer.get()) != 0 && !zeilen.fehler) return std::nullopt;
    return zeilen.fehler ? utf8NachAnsi(*zeilen.fehler) : A("ungültig");
}

} // namespace zalvor::sepa
