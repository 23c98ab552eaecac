#pragma once

#include <QString>

// The one way the logic talks to the person: message boxes in the program, a script in the
// tests, stderr and flags in the command-line tool.
class Prompter {
public:
    enum class Kind { Information, Warning, Error, Confirmation };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    // Bits of the five-button question box; "Cancel" is always offered.
    enum QuestionButton { QbYes = 1, QbNo = 2, QbYesToAll = 4, QbNoToAll = 8 };
    // Results of the question box.
    enum QuestionResult { QrYes = 0, QrNo = 1, QrYesToAll = 2, QrNoToAll = 3, QrCancel = 4 };

    virtual ~Prompter() = default;

    // Shows a message with the given buttons and returns the button chosen.
    virtual Answer show(Kind kind, const QString& text, Buttons buttons,
                        const QString& title = QString()) = 0;
    // The question box: a message, the wanted buttons (QuestionButton bits) and "Cancel".
    virtual int question(const QString& text, int buttons) = 0;

    void information(const QString& text, const QString& title = QString()) {
        show(Kind::Information, text, Buttons::Ok, title);
    }
    void warning(const QString& text, const QString& title = QString()) {
        show(Kind::Warning, text, Buttons::Ok, title);
    }
    void error(const QString& text, const QString& title = QString()) {
        show(Kind::Error, text, Buttons::Ok, title);
    }
    // True when the person answers Yes (or OK for an OK/Cancel question).
    bool confirm(const QString& text, Buttons buttons = Buttons::YesNo,
                 Kind kind = Kind::Confirmation, const QString& title = QString()) {
        const Answer a = show(kind, text, buttons, title);
        return a == Answer::Yes || a == Answer::Ok;
    }
};
