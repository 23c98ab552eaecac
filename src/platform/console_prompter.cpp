#include "platform/console_prompter.h"

#include <cstdio>

namespace {
void printMessage(Prompter::Kind kind, const QString& text) {
    const char* prefix = "";
    switch (kind) {
        case Prompter::Kind::Error: prefix = "Error: "; break;
        case Prompter::Kind::Warning: prefix = "Warning: "; break;
        default: break;
    }
    // A message that already says it is an error needs no second label.
    if (text.startsWith(QLatin1String("Error"), Qt::CaseInsensitive)) prefix = "";
    QString flat = text;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s%s\n", prefix, flat.toLocal8Bit().constData());
}
}  // namespace

Prompter::Answer ConsolePrompter::show(Kind kind, const QString& text, Buttons buttons,
                                       const QString&) {
    printMessage(kind, text);
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return assumeYes_ ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoCancel: return assumeYes_ ? Answer::Yes : Answer::No;
    }
    return Answer::Cancel;
}

int ConsolePrompter::question(const QString& text, int) {
    printMessage(Kind::Confirmation, text);
    return assumeYes_ ? QrYes : QrCancel;
}
