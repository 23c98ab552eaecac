#include "platform/recording_prompter.h"

#include <QStringList>

Prompter::Answer RecordingPrompter::show(Kind kind, const QString& text, Buttons buttons,
                                         const QString& title) {
    messages_.append({kind, text, buttons, title});
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return (buttons == Buttons::Ok || buttons == Buttons::OkCancel) ? Answer::Ok : Answer::Yes;
}

int RecordingPrompter::question(const QString& text, int buttons) {
    messages_.append({Kind::Confirmation, text, Buttons::YesNoCancel, QStringLiteral("Question")});
    Q_UNUSED(buttons);
    if (!questionResults_.empty()) {
        const int r = questionResults_.front();
        questionResults_.pop_front();
        return r;
    }
    return QrYes;
}

QStringList RecordingPrompter::texts() const {
    QStringList out;
    for (const auto& m : messages_) out << m.text;
    return out;
}
