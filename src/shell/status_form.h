#pragma once

#include <QDialog>
#include <functional>

class QLabel;

// A status text with "Cancel", shown while reports are produced and lists are re-read.
class TStatusForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatusForm(QWidget* parent = nullptr);

    void setStatusText(const QString& text);
    QString statusText() const;
    // "Cancel" runs this action instead of closing the window.
    void setCancelAction(std::function<void()> action) { cancelAction_ = std::move(action); }

    void btnCancelClick();

private:
    QLabel* lblStatus_ = nullptr;
    std::function<void()> cancelAction_;
};
