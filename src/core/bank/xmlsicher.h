// XML read safely through libxml2: no network, no DOCTYPE, no entity substitution, a size
// limit, and every fault with its line. Only engine sources include this header.
#pragma once

#include <libxml/tree.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor::bank {

struct XmlFreigabe {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using XmlDokument = std::unique_ptr<xmlDoc, XmlFreigabe>;

// Called at the end of each element while the document is read, with the element and the
// line the reader has reached; it may free the element's children once it has used them, so
// that a large document need not stand whole in memory. What it throws is thrown after the
// whole document was read without a fault.
using XmlElementEnde = std::function<void(xmlNode* element, int zeile)>;

// Throws AuszugFehler with the line (and `datei`) of the first fault.
XmlDokument xmlSicherLesen(std::string_view text, const std::string& datei, std::size_t hoechstens,
                           const XmlElementEnde& elementEnde = {});

// Element children by local name (namespaces are the caller's concern).
const xmlNode* xmlKind(const xmlNode* n, std::string_view name);
std::vector<const xmlNode*> xmlKinder(const xmlNode* n, std::string_view name);
// Follows a path of local names; null when a step is missing.
const xmlNode* xmlPfad(const xmlNode* n, std::initializer_list<std::string_view> namen);
bool xmlHatElementKinder(const xmlNode* n);
std::string_view xmlName(const xmlNode* n);
// The text content, blanks and line breaks folded; empty for a null node.
std::string xmlText(const xmlNode* n);
std::string xmlAttribut(const xmlNode* n, const char* name);
int xmlZeile(const xmlNode* n);

} // namespace zalvor::bank
