// THilfe: contents, index and the text of the chosen topic.
#include "mainwindow/hilfe.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
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
    show();
    raise();
    activateWindow();
}

void THilfe::index() {
    reiter_->setCurrentIndex(1);
    if (aktuell_ == 0) zeigen(hilfethemen().front().kontext);
    show();
    raise();
    suche_->setFocus();
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
