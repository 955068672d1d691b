// TReorgWB: the progress window of the reorganisation: text line, bar and percentage.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;

namespace zalvor::gui {

class TReorgWB : public QDialog {
    Q_OBJECT

  public:
    explicit TReorgWB(QWidget* parent = nullptr);

    void beginnen(const QString& titel, const QString& text);
    void setText(const QString& text);
    // Percent 0..100. The window repaints at most every few dozen milliseconds, and always
    // at 0 and 100, so that a long run is not slowed down by painting.
    void setProzent(int prozent);
    void beenden();

    int prozent() const { return prozent_; }
    QString text() const;
    QString prozentText() const;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}

  private:
    void neuZeichnen();

    QLabel* text_;
    QProgressBar* balken_;
    QLabel* zahl_;
    int prozent_ = -1;
    QElapsedTimer seitZeichnen_;
};

} // namespace zalvor::gui
