// Schema validation with libxml2. The compiled schema is made once and kept for the run; the
// network is never asked, and complaints are collected instead of printed.
#include "core/sepa/bankschema.h"

#include "core/common/zeichensatz.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <memory>

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
struct DokumentFrei {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
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
    std::unique_ptr<xmlParserCtxt, LeserFrei> leser(xmlNewParserCtxt());
    std::unique_ptr<xmlDoc, DokumentFrei> dokument(
        xmlCtxtReadMemory(leser.get(), xml.data(), static_cast<int>(xml.size()), nullptr, "UTF-8",
                          XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                              XML_PARSE_NOBLANKS | XML_PARSE_COMPACT));
    if (!dokument) {
        std::optional<std::string> fehler;
        merken(&fehler, xmlCtxtGetLastError(leser.get()));
        return utf8NachAnsi(fehler.value_or("kein XML"));
    }
    std::unique_ptr<xmlSchemaValidCtxt, PrueferFrei> pruefer(xmlSchemaNewValidCtxt(schema));
    std::optional<std::string> fehler;
    xmlSchemaSetValidStructuredErrors(pruefer.get(), merken, &fehler);
    if (xmlSchemaValidateDoc(pruefer.get(), dokument.get()) == 0) return std::nullopt;
    return fehler ? utf8NachAnsi(*fehler) : A("ungültig");
}

} // namespace zalvor::sepa
