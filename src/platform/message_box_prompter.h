#pragma once

#include "platform/prompter.h"

class QWidget;

// The program's prompter: modal message boxes over the active window.
class MessageBoxPrompter : public Prompter {
public:
    Answer show(Kind kind, const QString& text, Buttons buttons, const QString& title) override;
    int question(const QString& text, int buttons) override;
};
