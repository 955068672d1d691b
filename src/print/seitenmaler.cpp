// Drawing the pages: texts by their anchor, lines, and the paid column's boxes, which the
// program draws itself so that they look the same without a symbol font.
#include "print/seitenmaler.h"

#include "print/druckschrift.h"
#include "print/qtmessung.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>

namespace zalvor::druck {

namespace {

double faktor(QPrinter& p) {
    return p.resolution() / kEinheitenProZoll;
}

void kastenMalen(QPainter& m, const Druckkasten& k) {
    const double a = k.seite;
    const QRectF r(k.x - a / 2, k.y - a, a, a);
    m.drawRect(r);
    if (k.art == Kastenart::Haken) {
        const QPolygonF haken{QPointF(r.left() + a * 0.2, r.top() + a * 0.55),
                              QPointF(r.left() + a * 0.42, r.top() + a * 0.8),
                              QPointF(r.left() + a * 0.85, r.top() + a * 0.2)};
        m.drawPolyline(haken);
    } else if (k.art == Kastenart::Kreuz) {
        m.drawLine(r.topLeft(), r.bottomRight());
        m.drawLine(r.topRight(), r.bottomLeft());
    }
}

} // namespace

Seitenformat seitenformat(QPrinter& p) {
    const QRect r = p.pageLayout().paintRectPixels(p.resolution());
    const double f = faktor(p);
    return Seitenformat{static_cast<int>(r.width() / f), static_cast<int>(r.height() / f)};
}

const QFont& Seitenmaler::schrift(const Schriftwahl& w) {
    const auto schluessel = std::make_tuple(w.nummer, w.zuschlag, static_cast<int>(w.stil));
    auto it = schriften_.find(schluessel);
    if (it == schriften_.end()) it = schriften_.emplace(schluessel, qtSchrift(d_, w)).first;
    return it->second;
}

double Seitenmaler::unterlaenge(int zuschlag) {
    auto it = unterlaengen_.find(zuschlag);
    if (it != unterlaengen_.end()) return it->second;
    double u = 0;
    for (int nummer : {1, 2})
        u = std::max(u,
                     QFontMetricsF(schrift(Schriftwahl{nummer, zuschlag, 0}), geraet_).descent());
    return unterlaengen_.emplace(zuschlag, u).first->second;
}

QPointF Seitenmaler::anfang(const Drucktext& t) {
    const QFontMetricsF fm(schrift(t.schrift), geraet_);
    if (t.anker == Anker::ObenLinks) return QPointF(t.x, t.y + fm.ascent());
    const double w = fm.horizontalAdvance(qtText(t.text));
    const double x = t.anker == Anker::UntenRechts  ? t.x - w
                     : t.anker == Anker::UntenMitte ? t.x - w / 2
                                                    : t.x;
    return QPointF(x, t.y - unterlaenge(t.schrift.zuschlag));
}

void Seitenmaler::malen(QPainter& maler, const Druckseite& s) {
    QPen stift(Qt::black);
    stift.setWidthF(2.0);
    maler.setPen(stift);
    for (const Drucklinie& l : s.linien)
        maler.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    for (const Druckkasten& k : s.kaesten)
        kastenMalen(maler, k);
    for (const Drucktext& t : s.texte) {
        maler.setFont(schrift(t.schrift));
        maler.drawText(anfang(t), qtText(t.text));
    }
}

bool drucken(QPrinter& p, const Schrift& s1, const Schrift& s2, const Setzer& setzen,
             const Fortschritt& fortschritt, int* seitenzahl) {
    QtMessung messung(s1, s2, &p);
    const Druckdokument d = setzen(messung, seitenformat(p));
    if (seitenzahl) *seitenzahl = static_cast<int>(d.seiten.size());
    p.setDocName(qtText(d.titel));
    QPainter maler;
    if (!maler.begin(&p)) return false;
    const double f = faktor(p);
    const int seiten = static_cast<int>(d.seiten.size());
    Seitenmaler seitenmaler(d, &p);
    for (int i = 0; i < seiten; ++i) {
        if (fortschritt && !fortschritt(i + 1, seiten)) {
            p.abort();
            maler.end();
            return false;
        }
        if (i > 0) p.newPage();
        maler.save();
        maler.scale(f * d.massstab, f * d.massstab);
        seitenmaler.malen(maler, d.seiten[static_cast<std::size_t>(i)]);
        maler.restore();
    }
    return maler.end();
}

void pdfEinrichten(QPrinter& p, const std::string& datei, bool quer) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString(datei));
    p.setResolution(static_cast<int>(kEinheitenProZoll));
    p.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                                QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
}

} // namespace zalvor::druck
