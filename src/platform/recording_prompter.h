#pragma once

#include <QList>
#include <QString>
#include <deque>

#include "platform/prompter.h"

// Records every message and answers questions from a script; used by the tests.
class RecordingPrompter : public Prompter {
public:
    struct Message {
        Kind kind;
        QString text;
        Buttons buttons;
        QString title;
    };

    Answer show(Kind kind, const QString& text, Buttons buttons, const QString& title) override;
    int question(const QString& text, int buttons) override;

    // Answers given in order to the next questions; when none is left the first button is taken
    // (OK or Yes).
    void queueAnswer(Answer a) { answers_.push_back(a); }
    void queueQuestionResult(int r) { questionResults_.push_back(r); }

    const QList<Message>& messages() const { return messages_; }
    QStringList texts() const;
    bool saw(const QString& text) const { return texts().contains(text); }
    void clear() { messages_.clear(); }

private:
    QList<Message> messages_;
    std::deque<Answer> answers_;
    std::deque<int> questionResults_;
};
