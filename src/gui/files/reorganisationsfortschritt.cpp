// TReorgWB: no close button; repaints between records at a bounded rate.
#include "gui/files/reorganisationsfortschritt.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

constexpr qint64 kZeichenabstandMs = 40;

} // namespace

TReorgWB::TReorgWB(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowModality(Qt::ApplicationModal);
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    balken_ = new QProgressBar(this);
    balken_->setRange(0, 100);
    balken_->setTextVisible(false);
    zahl_ = new QLabel("0", this);
    zahl_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zahl_->setMinimumWidth(fontMetrics().horizontalAdvance("100") + 4);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(balken_, 1);
    zeile->addWidget(zahl_);
    zeile->addWidget(new QLabel("%", this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(zeile);
    setFixedSize(420, 110);
}

void TReorgWB::beginnen(const QString& titel, const QString& text) {
    setWindowTitle(titel);
    text_->setText(text);
    prozent_ = -1;
    show();
    setProzent(0);
}

void TReorgWB::setText(const QString& text) {
    text_->setText(text);
    neuZeichnen();
}

void TReorgWB::setProzent(int prozent) {
    prozent = std::clamp(prozent, 0, 100);
    if (prozent == prozent_) return;
    prozent_ = prozent;
    balken_->setValue(prozent);
    zahl_->setText(QString::number(prozent));
    if (prozent == 0 || prozent == 100 || !seitZeichnen_.isValid() ||
        seitZeichnen_.elapsed() >= kZeichenabstandMs)
        neuZeichnen();
}

void TReorgWB::beenden() {
    hide();
}

QString TReorgWB::text() const {
    return text_->text();
}

QString TReorgWB::prozentText() const {
    return zahl_->text();
}

void TReorgWB::neuZeichnen() {
    seitZeichnen_.start();
    if (!isVisible()) return;
    repaint();
    // Paint requests only: the person cannot start another command meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TReorgWB::closeEvent(QCloseEvent* e) {
    // The run ends the window itself; closing it by hand would not stop the work.
    if (isVisible() && prozent_ < 100)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

} // namespace zalvor::gui
