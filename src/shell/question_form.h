#pragma once

#include <QDialog>

class QAbstractButton;

// The question box: a message and up to four answer buttons besides "Cancel". Closing the
// window without pressing a button answers Yes.
class TQuestionForm : public QDialog {
    Q_OBJECT
public:
    // `buttons` holds Prompter::QuestionButton bits.
    TQuestionForm(const QString& text, int buttons, QWidget* parent = nullptr);

    // Prompter::QuestionResult: 0 Yes, 1 No, 2 Yes to All, 3 No to All, 4 Cancel.
    int answer() const { return answer_; }
    // The button with this result, or null when it is not shown.
    QAbstractButton* button(int result) const;

    static int ask(const QString& text, int buttons, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int answer_ = 0;
    QAbstractButton* buttons_[5] = {};
};
