#include "shell/progress_form.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(QStringLiteral("Status"));
    lblMessage_ = new QLabel(this);
    lblMessage_->setMinimumWidth(320);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    lblPercent_ = new QLabel(QStringLiteral("0%"), this);
    lblPercent_->setMinimumWidth(40);
    lblPercent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* row = new QHBoxLayout;
    row->addWidget(bar_, 1);
    row->addWidget(lblPercent_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage_);
    layout->addLayout(row);
}

void TProgressForm::setMessage(const QString& message) { lblMessage_->setText(message); }

void TProgressForm::setPosition(int percent) {
    const int n = qBound(0, percent, 100);
    bar_->setValue(n);
    lblPercent_->setText(QString::number(n) + QLatin1Char('%'));
    QCoreApplication::processEvents();
}

QString TProgressForm::message() const { return lblMessage_->text(); }
QString TProgressForm::percentText() const { return lblPercent_->text(); }
int TProgressForm::position() const { return bar_->value(); }
