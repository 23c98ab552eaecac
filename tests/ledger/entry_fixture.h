#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <memory>
#include <ostream>

#include "ledger/posting.h"
#include "platform/clock.h"
#include "platform/sounds.h"
#include "shell/opt_data.h"
#include "store/sql_text.h"
#include "support/test_env.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// One column of a stored transaction; `column` is a name the test writes.
inline QVariant TransactColumn(TestEnv& env, const QString& filer, int transId, const QString& column) {
    return env.value(QStringLiteral("SELECT %1 FROM TRANSACT WHERE FILERID = %2 AND TRANSID = %3")
                         .arg(column, SqlQuote(filer), QString::number(transId)));
}
inline int TransactCount(TestEnv& env, const QString& filer) {
    return env.value(QStringLiteral("SELECT COUNT(*) FROM TRANSACT WHERE FILERID = ") + SqlQuote(filer)).toInt();
}
// An amount the test writes out; one that does not parse fails the test.
inline Currency ParseMoney(const char* text) {
    Currency c;
    EXPECT_TRUE(Currency::parse(QString::fromLatin1(text), &c)) << text;
    return c;
}

// Keeps the tests quiet and counts the success tones.
class EntrySoundCounter : public SoundPlayer {
public:
    void playTones(const QList<Tone>&) override { ++tones; }
    void beep() override {}
    int tones = 0;
};

// A candidate committee open in cycle 2026, period 1 (01/01/2025 to 03/31/2025), with the
// period check on; the individual cap of the cycle is $6750.
class EntryTest : public ::testing::Test {
protected:
    static inline const QString kFiler = QStringLiteral("100-0001");
    static inline const QString kOtherFiler = QStringLiteral("200-0002");
    static inline const QDateTime kNow{QDate(2025, 2, 3), QTime(10, 11, 12)};
    static inline const QDate kInPeriod{2025, 2, 14};

    void SetUp() override {
        env.addCommittee(kFiler, QStringLiteral("SMITH FOR MAYOR"), 1);
        env.addCommittee(kOtherFiler, QStringLiteral("OTHER COMMITTEE"), 1);
        dm = &env.openTdm();
        dm->opt().LastOrg = kFiler;
        dm->opt().CurrentCycle = 2026;
        dm->opt().CurrentPeriod = 1;
        dm->opt().DisablePeriodCheck = false;
        dm->opt().DisableOverlimitWarning = false;
        dm->opt().Sounds = true;
        Clock::setFixed(kNow);
        Sounds::setPlayer(&sounds);
    }
    void TearDown() override {
        Sounds::setPlayer(nullptr);
        Clock::setFixed(QDateTime());
    }

    void addName(int nameId, int nameType, const QString& name, const QString& user4 = QString(),
                 const QString& filer = kFiler) {
        env.addName(filer, nameId, nameType, name, user4);
    }
    // The names the entry tests pick from: an individual, a PAC, a business and a candidate.
    void addEntryNames() {
        addName(1, 1, QStringLiteral("SMITH, JOHN"));
        addName(2, 2, QStringLiteral("BUILDERS PAC"));
        addName(3, 4, QStringLiteral("ACME PRINTING"));
        addName(4, 7, QStringLiteral("JONES FOR COUNCIL"));
    }
    // A row as the program stores it, its own master.
    void addRow(int transId, int nameId, int from, int to, const QString& amount, const QDate& date = kInPeriod,
                const QString& filer = kFiler) {
        env.addTransaction(filer, transId, nameId, from, to, amount, date, 0, QStringLiteral("STORED"));
    }
    QVariant column(int transId, const QString& name, const QString& filer = kFiler) {
        return TransactColumn(env, filer, transId, name);
    }
    int rowCount(const QString& filer = kFiler) { return TransactCount(env, filer); }
    static Currency money(const char* text) { return ParseMoney(text); }

    TestEnv env;
    Tdm* dm = nullptr;
    EntrySoundCounter sounds;
};

// Acts on each modal window that comes up while it lives (a modal window runs its own event loop,
// so a test reaches it only from a timer): `act` gets the window and returns true when it has
// dealt with it. Windows it does not deal with are rejected, so that a wrong window cannot hang
// the test. `seen` lists the class names of every window met, in order.
class ModalDriver {
public:
    explicit ModalDriver(std::function<bool(QWidget*)> act) : timer_(std::make_unique<QTimer>()) {
        timer_->setInterval(2);
        QObject::connect(timer_.get(), &QTimer::timeout, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            for (const QPointer<QWidget>& w : handled_)
                if (w == modal) return;
            handled_.append(modal);
            seen << QString::fromLatin1(modal->metaObject()->className());
            if (!act(modal)) {
                if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
            }
        });
        timer_->start();
    }
    QStringList seen;

private:
    std::unique_ptr<QTimer> timer_;
    QList<QPointer<QWidget>> handled_;
};
