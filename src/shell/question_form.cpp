#include "shell/question_form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/prompter.h"

TQuestionForm::TQuestionForm(const QString& text, int buttons, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("QuestionForm"));
    setWindowTitle(QStringLiteral("Question"));
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* message = new QLabel(shown, this);
    message->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(message, 1);

    struct ButtonDef {
        int bit;
        int result;
        const char* caption;
    };
    const ButtonDef buttonDefs[] = {
        {Prompter::QbYes, Prompter::QrYes, "&Yes"},
        {Prompter::QbNo, Prompter::QrNo, "&No"},
        {Prompter::QbYesToAll, Prompter::QrYesToAll, "Yes to &All"},
        {Prompter::QbNoToAll, Prompter::QrNoToAll, "N&o to All"},
        {0, Prompter::QrCancel, "Cancel"},
    };
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const ButtonDef& s : buttonDefs) {
        if (s.bit != 0 && !(buttons & s.bit)) continue;
        auto* b = new QPushButton(QString::fromLatin1(s.caption), this);
        b->setAutoDefault(false);
        const int result = s.result;
        connect(b, &QPushButton::clicked, this, [this, result] {
            answer_ = result;
            done(QDialog::Accepted);
        });
        buttons_[result] = b;
        row->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(row);
}

QAbstractButton* TQuestionForm::button(int result) const {
    return result >= 0 && result < 5 ? buttons_[result] : nullptr;
}

void TQuestionForm::keyPressEvent(QKeyEvent* event) {
    // Escape presses "Cancel", as in every other dialog.
    if (event->key() == Qt::Key_Escape && buttons_[Prompter::QrCancel]) {
        buttons_[Prompter::QrCancel]->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

int TQuestionForm::ask(const QString& text, int buttons, QWidget* parent) {
    TQuestionForm form(text, buttons, parent);
    form.exec();
    return form.answer();
}
