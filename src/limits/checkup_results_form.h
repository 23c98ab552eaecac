#pragma once

#include <QColor>
#include <QDialog>

class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTextEdit;
class QTimer;
class Tdm;

// "Checkup Results": runs the committee-wide limit check about a second after it is shown and
// keeps its coloured log. In automatic mode (another command asked for the check) the window
// closes by itself unless a violation is found; in manual mode (the menu) it stays for reading.
class TCheckupResultsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 1000;

    TCheckupResultsForm(Tdm& dm, bool automatic, QWidget* parent = nullptr);

    // Opens the window modally and returns when it has closed.
    static void run(Tdm& dm, bool automatic, QWidget* parent = nullptr);

    bool automatic() const { return automatic_; }
    // Whether the window may be closed: the check has ended.
    bool mayClose() const { return mayClose_; }
    QTextEdit* memLog() const { return memLog_; }
    QString statusText() const;
    QPushButton* btnClose() const { return btnClose_; }
    QPushButton* btnPrintLog() const { return btnPrintLog_; }

    // Draws the log on `device`: a title band, the text and "Page: " n at the foot of each page.
    // Returns the number of pages, 0 when the device cannot be painted on.
    int printLog(QPagedPaintDevice& device) const;

    // The start timer's handler: the check itself (runs once).
    void tmrStartTimer();
    void btnPrintLogClick();
    void btnCloseClick();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void addLogLine(const QColor& colour, const QString& text);
    void setStatus(const QString& text);
    void finishCheck();

    Tdm& dm_;
    bool automatic_;
    bool started_ = false;
    bool mayClose_ = false;
    int lineCount_ = 0;
    QTimer* tmrStart_ = nullptr;
    QTextEdit* memLog_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QPushButton* btnPrintLog_ = nullptr;
};
