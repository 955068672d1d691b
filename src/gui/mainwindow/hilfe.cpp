// THilfe: contents, index and the text of the chosen topic.
#include "gui/mainwindow/hilfe.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

constexpr int kKontextRolle = Qt::UserRole;

} // namespace

THilfe::THilfe(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QString::fromUtf8("Zalvor-Hilfe"));
    resize(720, 480);
    reiter_ = new QTabWidget;
    inhalt_ = new QListWidget;
    inhalt_->setObjectName(QStringLiteral("Inhalt"));
    for (const auto& t : hilfethemen()) {
        auto* eintrag = new QListWidgetItem(QString::fromUtf8(t.titel), inhalt_);
        eintrag->setData(kKontextRolle, t.kontext);
    }
    connect(inhalt_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { zeigen(e->data(kKontextRolle).toInt()); });
    reiter_->addTab(inhalt_, QString::fromUtf8("Inhalt"));

    auto* indexSeite = new QWidget;
    suche_ = new QLineEdit;
    suche_->setPlaceholderText(QString::fromUtf8("Begriff eingeben..."));
    stichworte_ = new QListWidget;
    stichworte_->setObjectName(QStringLiteral("Stichworte"));
    auto* indexLayout = new QVBoxLayout(indexSeite);
    indexLayout->addWidget(suche_);
    indexLayout->addWidget(stichworte_);
    connect(suche_, &QLineEdit::textChanged, this, &THilfe::indexFiltern);
    connect(stichworte_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { zeigen(e->data(kKontextRolle).toInt()); });
    reiter_->addTab(indexSeite, QString::fromUtf8("Index"));

    text_ = new QTextBrowser;
    text_->setOpenLinks(false);
    connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == "kontext") zeigen(url.path().toInt());
    });

    auto* teiler = new QSplitter;
    teiler->addWidget(reiter_);
    teiler->addWidget(text_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({220, 500});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(teiler);
    indexFiltern({});
}

void THilfe::zeigen(int kontext) {
    const Hilfethema* t = hilfethema(kontext);
    if (!t) {
        reiter_->setCurrentIndex(0);
        t = &hilfethemen().front();
    }
    aktuell_ = t->kontext;
    text_->setHtml(QString::fromUtf8(t->html));
    for (int i = 0; i < inhalt_->count(); ++i)
        if (inhalt_->item(i)->data(kKontextRolle).toInt() == aktuell_) inhalt_->setCurrentRow(i);
    vorHolen();
}

void THilfe::index() {
    reiter_->setCurrentIndex(1);
    if (aktuell_ == 0) zeigen(hilfethemen().front().kontext);
    vorHolen();
    suche_->setFocus();
}

void THilfe::vorHolen() {
    // A modal dialog blocks every window but its own children: while one is open, the help
    // becomes its child window, so that it can be read and used beside the dialog.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* eltern = modal == this ? nullptr : modal;
    if (eltern != parentWidget()) {
        const bool warSichtbar = isVisible();
        const QRect lage = geometry();
        setParent(eltern, Qt::Window);
        if (warSichtbar)
            setGeometry(lage);
        else
            platzieren();
        if (eltern) eltern->installEventFilter(this);
    } else if (!isVisible()) {
        platzieren();
    }
    show();
    raise();
    activateWindow();
}

void THilfe::platzieren() {
    // On the screen of the window the person works in, beside it where there is room.
    QWidget* bezug = QApplication::activeWindow();
    if (!bezug || bezug == this) bezug = parentWidget();
    QScreen* bildschirm = bezug ? bezug->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    const QRect frei = bildschirm->availableGeometry();
    QSize groesse = size().boundedTo(frei.size());
    QPoint ecke = frei.center() - QPoint(groesse.width() / 2, groesse.height() / 2);
    if (bezug) {
        const QRect b = bezug->frameGeometry();
        if (b.right() + groesse.width() <= frei.right()) ecke = {b.right() + 1, b.top()};
    }
    ecke.setX(std::clamp(ecke.x(), frei.left(), frei.right() - groesse.width()));
    ecke.setY(std::clamp(ecke.y(), frei.top(), frei.bottom() - groesse.height()));
    setGeometry(QRect(ecke, groesse));
}

bool THilfe::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The dialog closes: the help stays open as a window of its own.
    if (objekt == parentWidget() && ereignis->type() == QEvent::Hide) {
        objekt->removeEventFilter(this);
        const bool warSichtbar = isVisible();
        const QRect lage = geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(lage);
        if (warSichtbar) show();
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void THilfe::indexFiltern(const QString& text) {
    stichworte_->clear();
    struct Stichwort {
        QString wort;
        int kontext;
    };
    std::vector<Stichwort> alle;
    for (const auto& t : hilfethemen())
        for (const QString& w : QString::fromUtf8(t.stichworte).split(';', Qt::SkipEmptyParts))
            if (w.contains(text, Qt::CaseInsensitive)) alle.push_back({w, t.kontext});
    std::sort(alle.begin(), alle.end(), [](const Stichwort& a, const Stichwort& b) {
        return QString::localeAwareCompare(a.wort, b.wort) < 0;
    });
    for (const auto& s : alle) {
        auto* e = new QListWidgetItem(s.wort, stichworte_);
        e->setData(kKontextRolle, s.kontext);
    }
}

} // namespace zalvor::gui
