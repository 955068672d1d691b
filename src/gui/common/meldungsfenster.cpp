// TWMsgBox: fixed size, centred text, reused for every message.
#include "gui/common/meldungsfenster.h"

#include "gui/common/auszeichnungslabel.h"
#include "gui/common/hilfeaufruf.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

TWMsgBox::TWMsgBox(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    XaLabel1_ = new TXaLabel(panel);
    XaLabel1_->setObjectName("XaLabel1");
    XaLabel1_->setHorzAlignment(TXaHorzAlignment::haCenter);
    XaLabel1_->setVertAlignment(TXaVertAlignment::vaCenter);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    panelLayout->addWidget(XaLabel1_);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    knoepfe->setCenterButtons(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addWidget(knoepfe);
    setFixedSize(400, 230);
}

void TWMsgBox::setzen(const QString& titel, const QString& text) {
    setWindowTitle(titel);
    XaLabel1_->setCaption(text);
}

void TWMsgBox::zeigen(const QString& titel, const QString& text) {
    setzen(titel, text);
    exec();
}

void TWMsgBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        hilfeAufrufen(40);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zalvor::gui
