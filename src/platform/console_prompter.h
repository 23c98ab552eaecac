#pragma once

#include "platform/prompter.h"

// For the command-line tool: messages go to stderr, questions are answered by a flag.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(bool assumeYes = false) : assumeYes_(assumeYes) {}
    void setAssumeYes(bool yes) { assumeYes_ = yes; }

    Answer show(Kind kind, const QString& text, Buttons buttons, const QString& title) override;
    int question(const QString& text, int buttons) override;

private:
    bool assumeYes_;
};
