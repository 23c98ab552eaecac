#include "platform/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/question_form.h"

namespace {
QString defaultTitle(Prompter::Kind kind) {
    switch (kind) {
        case Prompter::Kind::Error: return QStringLiteral("Error");
        case Prompter::Kind::Warning: return QStringLiteral("Warning");
        case Prompter::Kind::Confirmation: return QStringLiteral("Confirm");
        case Prompter::Kind::Information: break;
    }
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Information")
                                                      : QApplication::applicationName();
}

QString displayText(QString text) {
    // Messages are written with Windows line breaks; a bare CR would not break the line here.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
}  // namespace

Prompter::Answer MessageBoxPrompter::show(Kind kind, const QString& text, Buttons buttons,
                                          const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    switch (kind) {
        case Kind::Information: box.setIcon(QMessageBox::Information); break;
        case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
        case Kind::Error: box.setIcon(QMessageBox::Critical); break;
        case Kind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    box.setWindowTitle(title.isEmpty() ? defaultTitle(kind) : title);
    box.setText(displayText(text));
    switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    const int r = box.exec();
    switch (r) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: break;
    }
    // Closing the box by its frame counts as its escape button.
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (buttons == Buttons::YesNo) return Answer::No;
    return Answer::Cancel;
}

int MessageBoxPrompter::question(const QString& text, int buttons) {
    return TQuestionForm::ask(displayText(text), buttons, QApplication::activeWindow());
}
