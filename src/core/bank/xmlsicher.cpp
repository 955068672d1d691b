// Safe XML reading through libxml2.
#include "core/bank/xmlsicher.h"

#include "core/common/zeichensatz.h"

#include "core/bank/bankwerte.h"
#include "core/bank/kontoauszug.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

namespace zalvor::bank {

namespace {

struct Zustand {
    bool doctype = false;
    int zeile = 0;
    std::string fehler;
    const XmlElementEnde* elementEnde = nullptr;
    std::exception_ptr ausnahme; // of elementEnde; from then on it is no longer called
};

Zustand& zustand(void* kontext) {
    return *static_cast<Zustand*>(static_cast<xmlParserCtxt*>(kontext)->_private);
}

// Keeps the first error instead of printing it.
void fehlerMerken(void* kontext, xmlErrorPtr e) {
    if (e == nullptr || e->level < XML_ERR_ERROR) return;
    Zustand& z = zustand(kontext);
    if (!z.fehler.empty()) return;
    z.fehler =
        e->message != nullptr ? fensterText(leerraumBereinigen(e->message)) : "unlesbares XML";
    z.zeile = e->line;
}

// A DOCTYPE may declare entities that expand without bound or reach outside: refused.
void doctypeAblehnen(void* kontext, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto* ctxt = static_cast<xmlParserCtxt*>(kontext);
    Zustand& z = zustand(kontext);
    z.doctype = true;
    z.zeile = ctxt->input != nullptr ? ctxt->input->line : 0;
    xmlStopParser(ctxt);
}

void elementBeenden(void* kontext, const xmlChar* name, const xmlChar* praefix,
                    const xmlChar* uri) {
    auto* ctxt = static_cast<xmlParserCtxt*>(kontext);
    xmlNode* element = ctxt->node;
    xmlSAX2EndElementNs(kontext, name, praefix, uri);
    Zustand& z = zustand(kontext);
    if (element == nullptr || z.ausnahme) return;
    // Nothing may be thrown through the parser's frames.
    try {
        (*z.elementEnde)(element, ctxt->input != nullptr ? ctxt->input->line : 0);
    } catch (...) {
        z.ausnahme = std::current_exception();
    }
}

struct KontextFreigabe {
    void operator()(xmlParserCtxt* c) const { xmlFreeParserCtxt(c); }
};

} // namespace

XmlDokument xmlSicherLesen(std::string_view text, const std::string& datei, std::size_t hoechstens,
                           const XmlElementEnde& elementEnde) {
    if (text.size() > hoechstens)
        throw AuszugFehler(Fundstelle{datei, 0, {}},
                           A("Datei größer als ") + std::to_string(hoechstens) + " Bytes");
    xmlInitParser();
    std::unique_ptr<xmlParserCtxt, KontextFreigabe> ctxt(xmlNewParserCtxt());
    if (!ctxt) throw AuszugFehler(Fundstelle{datei, 0, {}}, A("kein Speicher für den XML-Leser"));
    Zustand z;
    ctxt->_private = &z;
    ctxt->sax->serror = fehlerMerken;
    ctxt->sax->error = nullptr;
    ctxt->sax->warning = nullptr;
    ctxt->sax->internalSubset = doctypeAblehnen;
    if (elementEnde) {
        z.elementEnde = &elementEnde;
        ctxt->sax->endElementNs = elementBeenden;
    }
    const int optionen =
        XML_PARSE_NONET | XML_PARSE_BIG_LINES | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;
    XmlDokument dok(xmlCtxtReadMemory(ctxt.get(), text.data(), static_cast<int>(text.size()),
                                      nullptr, nullptr, optionen));
    if (z.doctype)
        throw AuszugFehler(Fundstelle{datei, z.zeile, {}}, "XML mit DOCTYPE wird nicht gelesen");
    if (!dok || !z.fehler.empty() || ctxt->wellFormed == 0)
        throw AuszugFehler(Fundstelle{datei, z.zeile, {}},
                           "fehlerhaftes XML: " + (z.fehler.empty() ? "unlesbar" : z.fehler));
    if (z.ausnahme) std::rethrow_exception(z.ausnahme);
    return dok;
}

std::string_view xmlName(const xmlNode* n) {
    return n != nullptr && n->name != nullptr
               ? std::string_view(reinterpret_cast<const char*>(n->name))
               : std::string_view();
}

const xmlNode* xmlKind(const xmlNode* n, std::string_view name) {
    if (n == nullptr) return nullptr;
    for (const xmlNode* k = n->children; k != nullptr; k = k->next)
        if (k->type == XML_ELEMENT_NODE && xmlName(k) == name) return k;
    return nullptr;
}

std::vector<const xmlNode*> xmlKinder(const xmlNode* n, std::string_view name) {
    std::vector<const xmlNode*> aus;
    if (n == nullptr) return aus;
    for (const xmlNode* k = n->children; k != nullptr; k = k->next)
        if (k->type == XML_ELEMENT_NODE && xmlName(k) == name) aus.push_back(k);
    return aus;
}

const xmlNode* xmlPfad(const xmlNode* n, std::initializer_list<std::string_view> namen) {
    for (std::string_view name : namen)
        n = xmlKind(n, name);
    return n;
}

bool xmlHatElementKinder(const xmlNode* n) {
    for (const xmlNode* k = n->children; k != nullptr; k = k->next)
        if (k->type == XML_ELEMENT_NODE) return true;
    return false;
}

std::string xmlText(const xmlNode* n) {
    if (n == nullptr) return {};
    // Most elements hold one text node: read it in place instead of through a copy.
    const xmlNode* k = n->children;
    if (k != nullptr && k->next == nullptr && k->type == XML_TEXT_NODE && k->content != nullptr)
        return leerraumBereinigen(reinterpret_cast<const char*>(k->content));
    if (k == nullptr) return {};
    xmlChar* inhalt = xmlNodeGetContent(n);
    if (inhalt == nullptr) return {};
    std::string t = leerraumBereinigen(reinterpret_cast<const char*>(inhalt));
    xmlFree(inhalt);
    return t;
}

std::string xmlAttribut(const xmlNode* n, const char* name) {
    xmlChar* wert = xmlGetProp(n, reinterpret_cast<const xmlChar*>(name));
    if (wert == nullptr) return {};
    std::string t = leerraumBereinigen(reinterpret_cast<const char*>(wert));
    xmlFree(wert);
    return t;
}

int xmlZeile(const xmlNode* n) {
    return n != nullptr ? static_cast<int>(xmlGetLineNo(n)) : 0;
}

} // namespace zalvor::bank
