// Qt fonts of the print fonts, sized in printer units (one unit = one dot at 300 dpi).
#pragma once

#include "core/printing/druckseite.h"

#include <QFont>
#include <QString>

namespace zalvor::druck {

inline constexpr double kEinheitenProZoll = 300.0;

QFont qtSchrift(const Druckdokument& d, const Schriftwahl& w);
QFont qtSchrift(const Schrift& s, const Schriftwahl& w);
// Engine texts (Windows form) as Qt strings and back.
QString qtText(const std::string& ansi);
std::string ansiText(const QString& t);
// Point size of the default print fonts.
inline constexpr std::uint8_t kStandardgroesse = 8;
// The platform's default font family at the default size, as a print font.
Schrift standardschrift();

} // namespace zalvor::druck
