// TXaLabel: a label that wraps, aligns both ways, can be transparent and understands markup.
#pragma once

#include "core/common/auszeichnungslayout.h"

#include <QWidget>

namespace zalvor::gui {

enum class TXaHorzAlignment { haLeft, haRight, haCenter };
enum class TXaVertAlignment { vaTop, vaBottom, vaCenter };

class TXaLabel : public QWidget {
    Q_OBJECT

  public:
    explicit TXaLabel(QWidget* parent = nullptr);

    // The caption with markup (\B \b \I \i \U \u \N \cN \cRed ... \lb, "\\" for a backslash).
    void setCaption(const QString& text);
    QString caption() const { return caption_; }

    void setHorzAlignment(TXaHorzAlignment a);
    void setVertAlignment(TXaVertAlignment a);
    void setTransparent(bool t);
    TXaHorzAlignment horzAlignment() const { return horz_; }
    TXaVertAlignment vertAlignment() const { return vert_; }
    bool transparent() const { return transparent_; }

    // The layout that painting uses, in client coordinates.
    zalvor::xa::Satz anordnung() const;
    // The plain text of each line as painted (switches removed).
    QStringList zeilen() const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QFont schrift(const zalvor::xa::Stil& stil) const;

    QString caption_;
    TXaHorzAlignment horz_ = TXaHorzAlignment::haLeft;
    TXaVertAlignment vert_ = TXaVertAlignment::vaTop;
    bool transparent_ = false;
};

} // namespace zalvor::gui
