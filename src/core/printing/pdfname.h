// The file name "Als PDF speichern" proposes for a printout, and the extension it ensures.
#pragma once

#include <string>

namespace zalvor {

// The club's name (the booking file's name without folder and year) and the report (the
// window caption up to " für Datei: "), joined by " - ", with ".pdf"; characters a file name
// cannot hold are left out, a "/" becomes "-". Both texts and the result in Windows form.
std::string pdfVorschlag(const std::string& basisname, const std::string& fenstertitel);

// A name typed without ".pdf" (in any letter case) gets it appended.
std::string mitPdfEndung(const std::string& name);

} // namespace zalvor
