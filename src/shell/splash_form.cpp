#include "shell/splash_form.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/frame_logic.h"
#include "store/version_info.h"

TSplashForm::TSplashForm(Mode mode, const QString& programFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SplashForm"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(kApplicationTitle);
    const QString picture = programFolder + QStringLiteral("ledrasplash_full.bmp");
    if (QFileInfo::exists(picture)) background_.load(picture);

    auto* title = new QLabel(kApplicationTitle, this);
    QFont f = title->font();
    f.setPointSize(f.pointSize() * 2);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto* maker = new QLabel(QStringLiteral("Quorvane Ledra"), this);
    maker->setAlignment(Qt::AlignCenter);
    lblVersion_ = new QLabel(QStringLiteral("Version ") + LongVersion(), this);
    lblVersion_->setAlignment(Qt::AlignCenter);
    lblLoading_ = new QLabel(QStringLiteral("Loading ... Please Wait"), this);
    lblLoading_->setAlignment(Qt::AlignCenter);
    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(maker);
    layout->addSpacing(12);
    layout->addWidget(lblVersion_);
    layout->addStretch(1);
    layout->addWidget(lblLoading_);
    layout->addWidget(btnOK_, 0, Qt::AlignHCenter);

    lblLoading_->setVisible(mode == Mode::Loading);
    btnOK_->setVisible(mode == Mode::About);
    if (!background_.isNull()) setFixedSize(background_.size());
    else setFixedSize(440, 260);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TSplashForm::versionLine() const { return lblVersion_->text(); }

bool TSplashForm::loadingShown() const { return !lblLoading_->isHidden(); }

void TSplashForm::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    hide();
}

void TSplashForm::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!background_.isNull()) {
        p.drawPixmap(0, 0, background_);
    } else {
        p.fillRect(rect(), palette().window());
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QDialog::paintEvent(event);
}
