// THilfe: the program's help window: a topic by context number, contents and index.
#pragma once

#include <QByteArray>
#include <QWidget>

#include <vector>

class QListWidget;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace zalvor::gui {

struct Hilfethema {
    int kontext;
    QByteArray titel;      // UTF-8
    QByteArray stichworte; // UTF-8, separated by ";"
    QByteArray html;       // UTF-8
};

// Every topic of the program, in the order of the contents page (from the resources
// ":/help/": inhalt.xml names each topic's page).
const std::vector<Hilfethema>& hilfethemen();
const Hilfethema* hilfethema(int kontext);

// Context numbers the windows and dialogs use.
inline constexpr int kHilfeHilfe = 900;

class THilfe : public QWidget {
    Q_OBJECT

  public:
    explicit THilfe(QWidget* parent = nullptr);

    // Shows the topic of a context number; an unknown number shows the contents.
    void zeigen(int kontext);
    void index();
    void hilfeZurHilfe() { zeigen(kHilfeHilfe); }
    int aktuellerKontext() const { return aktuell_; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void indexFiltern(const QString& text);
    // Shows the window in front, usable also while a modal dialog is open.
    void vorHolen();
    // Puts a window that is not shown yet on the screen of the active window.
    void platzieren();

    QTabWidget* reiter_;
    QListWidget* inhalt_;
    QLineEdit* suche_;
    QListWidget* stichworte_;
    QTextBrowser* text_;
    int aktuell_ = 0;
};

} // namespace zalvor::gui
