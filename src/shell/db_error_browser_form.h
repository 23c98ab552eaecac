#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// One entry of an engine error that carries several.
struct DbErrorEntry {
    QString message;
    QString category;
    QString code;
    QString subCode;
    QString nativeCode;
};

// Steps through the entries of an engine error. The program ends once it is closed.
class TDbErrorBrowserForm : public QDialog {
    Q_OBJECT
public:
    explicit TDbErrorBrowserForm(const QList<DbErrorEntry>& entries, QWidget* parent = nullptr);

    int current() const { return current_; }
    QString counterText() const;
    QString messageText() const;
    QString codeText() const;
    void btnPrevClick();
    void btnNextClick();

    // Shows the browser modally, then ends the program at once.
    [[noreturn]] static void showAndEnd(const QList<DbErrorEntry>& entries, QWidget* parent = nullptr);

private:
    void showEntry();

    QList<DbErrorEntry> entries_;
    int current_ = 0;
    QLabel* lblCounter_ = nullptr;
    QLabel* lblMessage_ = nullptr;
    QLabel* lblCode_ = nullptr;
    QPushButton* btnPrev_ = nullptr;
    QPushButton* btnNext_ = nullptr;
};
