#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>

#include "platform/clock.h"
#include "platform/sounds.h"
#include "shell/opt_data.h"
#include "store/sql_text.h"
#include "support/test_env.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Counts the sounds instead of playing them.
class CountingSoundPlayer : public SoundPlayer {
public:
    void playTones(const QList<Tone>& t) override { tones.append(t); }
    void beep() override { ++beeps; }
    QList<Tone> tones;
    int beeps = 0;
};

// Two committees with names; the first one is open.
class NamesTest : public ::testing::Test {
protected:
    static inline const QString kFiler = QStringLiteral("100-0001");
    static inline const QString kOtherFiler = QStringLiteral("200-0002");
    static inline const QDateTime kNow{QDate(2024, 3, 5), QTime(14, 5, 9)};

    void SetUp() override {
        env.addCommittee(kFiler, QStringLiteral("SMITH FOR MAYOR"));
        env.addCommittee(kOtherFiler, QStringLiteral("OTHER COMMITTEE"));
        dm = &env.openTdm();
        dm->opt().LastOrg = kFiler;
        Clock::setFixed(kNow);
        Sounds::setPlayer(&sounds);
    }
    void TearDown() override {
        Sounds::setPlayer(nullptr);
        Clock::setFixed(QDateTime());
    }

    void addName(int nameId, int nameType, const QString& name, const QString& filer = kFiler) {
        env.addName(filer, nameId, nameType, name);
        env.exec(QStringLiteral("UPDATE NAMELIST SET PHONE = '5205551234' WHERE FILERID = %1 AND NAMEID = %2")
                     .arg(SqlQuote(filer), QString::number(nameId)));
    }

    // A contribution naming `nameId`, or with `nameId` only as its candidate.
    void addTransaction(int transId, int nameId, bool asCandidate = false,
                        const QString& filer = kFiler) {
        env.addTransaction(filer, transId, asCandidate ? 0 : nameId, 210, 100, 50.0, QDate(2024, 3, 1));
        env.exec(QStringLiteral("UPDATE TRANSACT SET CANDIDATEID = %1 WHERE FILERID = %2 AND TRANSID = %3")
                     .arg(QString::number(asCandidate ? nameId : 0), SqlQuote(filer), QString::number(transId)));
    }

    QVariant stored(int nameId, const QString& column, const QString& filer = kFiler) {
        return env.value(
            QStringLiteral("SELECT %1 FROM NAMELIST WHERE FILERID = %2 AND NAMEID = %3")
                .arg(column, SqlQuote(filer))
                .arg(nameId));
    }
    int nameCount(const QString& filer = kFiler) {
        return env
            .value(QStringLiteral("SELECT COUNT(*) FROM NAMELIST WHERE FILERID = ") +
                   SqlQuote(filer))
            .toInt();
    }

    TestEnv env;
    Tdm* dm = nullptr;
    CountingSoundPlayer sounds;
};

// Acts on the next modal window of class T once it is shown (a modal window runs its own event
// loop, so the test can only reach it from a timer). A different modal window that stays up is
// rejected and reported, so that a wrong window cannot hang the test.
template <class T>
class WhenShown {
public:
    explicit WhenShown(std::function<void(T*)> act) : timer_(std::make_unique<QTimer>()) {
        timer_->setInterval(5);
        QObject::connect(timer_.get(), &QTimer::timeout, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* w = qobject_cast<T*>(modal)) {
                timer_->stop();
                done_ = true;
                act(w);
            } else if (modal && ++strangers_ > 400) {
                ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
                strangers_ = 0;
                if (auto* d = qobject_cast<QDialog*>(modal)) d->done(QDialog::Rejected);
            }
        });
        timer_->start();
    }
    bool done() const { return done_; }

private:
    std::unique_ptr<QTimer> timer_;
    bool done_ = false;
    int strangers_ = 0;
};
