#include "shell/db_error_browser_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdlib>

TDbErrorBrowserForm::TDbErrorBrowserForm(const QList<DbErrorEntry>& entries, QWidget* parent)
    : QDialog(parent), entries_(entries) {
    setObjectName(QStringLiteral("DbErrorBrowserForm"));
    setWindowTitle(QStringLiteral("Database Error Browser"));
    auto* heading = new QLabel(QStringLiteral("Database Manager error(s) have occurred"), this);
    QFont f = heading->font();
    f.setBold(true);
    heading->setFont(f);
    lblCounter_ = new QLabel(this);
    lblMessage_ = new QLabel(this);
    lblMessage_->setWordWrap(true);
    lblMessage_->setMinimumSize(360, 60);
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblCode_ = new QLabel(this);
    btnPrev_ = new QPushButton(QStringLiteral("< Prev"), this);
    btnNext_ = new QPushButton(QStringLiteral("Next >"), this);
    auto* btnQuit = new QPushButton(QStringLiteral("Quit"), this);
    connect(btnPrev_, &QPushButton::clicked, this, &TDbErrorBrowserForm::btnPrevClick);
    connect(btnNext_, &QPushButton::clicked, this, &TDbErrorBrowserForm::btnNextClick);
    connect(btnQuit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPrev_);
    buttons->addWidget(btnNext_);
    buttons->addStretch(1);
    buttons->addWidget(btnQuit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lblCounter_);
    layout->addWidget(lblMessage_, 1);
    layout->addWidget(lblCode_);
    layout->addLayout(buttons);
    showEntry();
}

QString TDbErrorBrowserForm::counterText() const { return lblCounter_->text(); }
QString TDbErrorBrowserForm::messageText() const { return lblMessage_->text(); }
QString TDbErrorBrowserForm::codeText() const { return lblCode_->text(); }

void TDbErrorBrowserForm::btnPrevClick() {
    if (current_ > 0) --current_;
    showEntry();
}

void TDbErrorBrowserForm::btnNextClick() {
    if (current_ + 1 < entries_.size()) ++current_;
    showEntry();
}

void TDbErrorBrowserForm::showEntry() {
    const int m = int(entries_.size());
    btnPrev_->setEnabled(current_ > 0);
    btnNext_->setEnabled(current_ + 1 < m);
    if (m == 0) {
        lblCounter_->clear();
        lblMessage_->clear();
        lblCode_->clear();
        return;
    }
    const DbErrorEntry& e = entries_[current_];
    lblCounter_->setText(QStringLiteral("Error ") + QString::number(current_ + 1) + QStringLiteral(" of ") +
                         QString::number(m));
    lblMessage_->setText(e.message);
    lblCode_->setText(QStringLiteral("Code( ") + e.category + QStringLiteral("; ") + e.code + QStringLiteral("; ") +
                      e.subCode + QStringLiteral("; ") + e.nativeCode + QStringLiteral(")"));
}

void TDbErrorBrowserForm::showAndEnd(const QList<DbErrorEntry>& entries, QWidget* parent) {
    {
        TDbErrorBrowserForm form(entries, parent);
        form.exec();
    }
    // The engine's state is unknown after such an error: nothing more is written.
    std::_Exit(1);
}
