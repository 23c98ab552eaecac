#include "shell/correct_filer_id_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompter.h"

namespace {
// Three digits, a fixed dash kept in the value, four digits; every digit is required.
const QString kFilerIdMask = QStringLiteral("999-9999;_");
const QString kIncomplete = QStringLiteral("Enter the Filer ID as three digits, a dash and four digits.");
}  // namespace

TCorrectFilerIdForm::TCorrectFilerIdForm(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("CorrectFilerIdForm"));
    setWindowTitle(QStringLiteral("Correct Filer ID"));
    edtFilerId_ = new QLineEdit(this);
    edtFilerId_->setObjectName(QStringLiteral("edtFilerId"));
    edtFilerId_->setInputMask(kFilerIdMask);
    edtFilerId_->setMaxLength(8);
    edtFilerId_->setFixedWidth(edtFilerId_->fontMetrics().horizontalAdvance(QStringLiteral("000-0000")) + 24);
    auto* label = new QLabel(QStringLiteral("Enter new Filer ID"), this);
    label->setBuddy(edtFilerId_);
    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edtFilerId_);
    row->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    connect(btnOk_, &QPushButton::clicked, this, &TCorrectFilerIdForm::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    edtFilerId_->setFocus();
}

bool TCorrectFilerIdForm::ask(Prompter& prompter, QWidget* parent, QString* filerId) {
    TCorrectFilerIdForm form(prompter, parent);
    if (form.exec() != QDialog::Accepted) return false;
    *filerId = form.value();
    return true;
}

QString TCorrectFilerIdForm::value() const {
    const QString text = edtFilerId_->text();
    for (const QChar c : text)
        if (c.isDigit()) return text;
    return {};
}

void TCorrectFilerIdForm::btnOkClick() {
    if (!value().isEmpty() && !edtFilerId_->hasAcceptableInput()) {
        prompter_.warning(kIncomplete);
        edtFilerId_->setFocus();
        return;
    }
    accept();
}
