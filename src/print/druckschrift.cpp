// Print fonts: a point size becomes a pixel size in printer units, so that measuring and
// drawing agree whatever the real printer's resolution.
#include "print/druckschrift.h"

#include "core/common/zeichensatz.h"

#include <QFontDatabase>

#include <cmath>

namespace zalvor::druck {

QFont qtSchrift(const Schrift& s, const Schriftwahl& w) {
    QFont f(qtText(s.name));
    const double punkte = std::max(1, s.groesse + w.zuschlag);
    f.setPixelSize(static_cast<int>(std::lround(punkte * kEinheitenProZoll / 72.0)));
    f.setBold((w.stil & kFett) != 0);
    f.setItalic((w.stil & kKursiv) != 0);
    f.setUnderline((w.stil & kUnterstrichen) != 0);
    f.setStrikeOut((w.stil & kDurchgestrichen) != 0);
    return f;
}

QFont qtSchrift(const Druckdokument& d, const Schriftwahl& w) {
    return qtSchrift(w.nummer == 2 ? d.schrift2 : d.schrift1, w);
}

QString qtText(const std::string& ansi) {
    return QString::fromStdString(ansiNachUtf8(ansi));
}

std::string ansiText(const QString& t) {
    return utf8NachAnsi(t.toStdString());
}

Schrift standardschrift() {
    const QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    Schrift s;
    s.name = schriftname(ansiText(f.family()));
    // The platform's family at the size the column widths were made for: with the larger
    // screen sizes of today's desktops a booking list no longer fits across an upright page.
    s.groesse = kStandardgroesse;
    return s;
}

} // namespace zalvor::druck
