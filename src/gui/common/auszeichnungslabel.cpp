// TXaLabel: measuring and painting the engine-free layout with Qt fonts.
#include "gui/common/auszeichnungslabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace zalvor::gui {

namespace {

zalvor::xa::Stil stilVon(const QFont& f) {
    return {f.bold(), f.italic(), f.underline()};
}

} // namespace

TXaLabel::TXaLabel(QWidget* parent) : QWidget(parent) {}

void TXaLabel::setCaption(const QString& text) {
    caption_ = text;
    update();
}

void TXaLabel::setHorzAlignment(TXaHorzAlignment a) {
    horz_ = a;
    update();
}

void TXaLabel::setVertAlignment(TXaVertAlignment a) {
    vert_ = a;
    update();
}

void TXaLabel::setTransparent(bool t) {
    transparent_ = t;
    setAttribute(Qt::WA_TranslucentBackground, t);
    update();
}

QFont TXaLabel::schrift(const zalvor::xa::Stil& stil) const {
    QFont f = font();
    f.setBold(stil.fett);
    f.setItalic(stil.kursiv);
    f.setUnderline(stil.unterstrichen);
    return f;
}

zalvor::xa::Satz TXaLabel::anordnung() const {
    using namespace zalvor::xa;
    const Horz h = horz_ == TXaHorzAlignment::haLeft    ? Horz::Links
                   : horz_ == TXaHorzAlignment::haRight ? Horz::Rechts
                                                        : Horz::Mitte;
    const Vert v = vert_ == TXaVertAlignment::vaTop      ? Vert::Oben
                   : vert_ == TXaVertAlignment::vaBottom ? Vert::Unten
                                                         : Vert::Mitte;
    auto messen = [this](const std::u32string& text, const Stil& stil) {
        return QFontMetrics(schrift(stil)).horizontalAdvance(QString::fromStdU32String(text));
    };
    // The height of "A" in the label's font: the font's full line height.
    const int zeilenhoehe = QFontMetrics(font()).height();
    return anordnen(caption_.toStdU32String(), width(), height(), h, v, zeilenhoehe,
                    stilVon(font()), messen);
}

QStringList TXaLabel::zeilen() const {
    QStringList aus;
    for (const auto& z : anordnung().zeilen) {
        QString text;
        for (const auto& s : z.stuecke)
            text += QString::fromStdU32String(s.text);
        aus << text;
    }
    return aus;
}

void TXaLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), palette().color(backgroundRole()));
    const QColor grundfarbe = palette().color(foregroundRole());
    const int oberlaenge = QFontMetrics(font()).ascent();
    for (const auto& z : anordnung().zeilen) {
        for (const auto& s : z.stuecke) {
            p.setFont(schrift(s.stil));
            p.setPen(s.farbe ? QColor::fromRgb(static_cast<QRgb>(*s.farbe)) : grundfarbe);
            p.drawText(z.x + s.x, z.y + oberlaenge, QString::fromStdU32String(s.text));
        }
    }
}

} // namespace zalvor::gui
