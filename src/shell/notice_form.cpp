#include "shell/notice_form.h"

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "shell/frame_logic.h"

TNoticeForm::TNoticeForm(const QString& text, std::function<void(bool)> onClose, QWidget* parent)
    : QDialog(parent), onClose_(std::move(onClose)) {
    setObjectName(QStringLiteral("NoticeForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Notice"));
    memo_ = new QPlainTextEdit(this);
    memo_->setReadOnly(true);
    memo_->setPlainText(text);
    chkDontShow_ = new QCheckBox(QStringLiteral("Don't Show Again"), this);
    auto* btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &TNoticeForm::btnCloseClick);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkDontShow_);
    bottom->addStretch(1);
    bottom->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_, 1);
    layout->addLayout(bottom);
    resize(560, 420);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TNoticeForm::text() const { return memo_->toPlainText(); }

void TNoticeForm::btnCloseClick() {
    if (onClose_) onClose_(!chkDontShow_->isChecked());
    close();
}

QString TNoticeForm::readNoticeFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    // RTF is 7-bit text with escapes; anything else in it is taken as Windows-1252.
    auto decode = QStringDecoder("windows-1252");
    return RtfToPlainText(decode(f.readAll()));
}
