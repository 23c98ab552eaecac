#include "shell/status_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TStatusForm::TStatusForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StatusForm"));
    setWindowTitle(QStringLiteral("Report Status"));
    lblStatus_ = new QLabel(this);
    lblStatus_->setAlignment(Qt::AlignCenter);
    lblStatus_->setWordWrap(true);
    lblStatus_->setMinimumSize(300, 60);
    auto* btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(btnCancel, &QPushButton::clicked, this, &TStatusForm::btnCancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus_, 1);
    layout->addWidget(btnCancel, 0, Qt::AlignHCenter);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TStatusForm::setStatusText(const QString& text) { lblStatus_->setText(text); }

QString TStatusForm::statusText() const { return lblStatus_->text(); }

void TStatusForm::btnCancelClick() {
    if (cancelAction_) cancelAction_();
    else reject();
}
