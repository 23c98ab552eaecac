#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress window of long operations (backup, restore, exports).
class TProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    // 0 to 100; the window repaints at once.
    void setPosition(int percent);

    QString message() const;
    QString percentText() const;
    int position() const;

private:
    QLabel* lblMessage_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* lblPercent_ = nullptr;
};
