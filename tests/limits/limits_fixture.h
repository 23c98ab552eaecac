#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <ostream>

#include "shell/opt_data.h"
#include "store/sql_text.h"
#include "support/test_env.h"

// Readable values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QColor& c, std::ostream* os) { *os << c.name().toStdString(); }

// A candidate committee open in cycle 2026 (window 01/01/2025 to 12/31/2025 with the delivered
// periods), with helpers that write names and transactions as the entry windows would.
class LimitsFixture : public ::testing::Test {
protected:
    static inline const QString kFiler = QStringLiteral("100-0001");
    static inline const QString kOtherFiler = QStringLiteral("200-0002");

    void SetUp() override { openCommittee(1); }

    void openCommittee(int committeeType) {
        env.addCommittee(kFiler, QStringLiteral("Smith for Mayor"), committeeType);
        dm = &env.openTdm();
        dm->opt().LastOrg = kFiler;
        dm->opt().CurrentCycle = 2026;
    }

    // USER4 null when `user4` is a null QString.
    void addName(int nameId, int nameType, const QString& name, const QString& user4,
                 const QString& filer = kFiler) {
        env.addName(filer, nameId, nameType, name, user4);
    }

    // Money moving from account `from` to account `to`; amounts are written as the program
    // stores them (floating dollars).
    void addTransaction(int nameId, const QDate& date, const QString& amount, int from, int to,
                        const QString& filer = kFiler) {
        env.addTransaction(filer, ++transIds_[filer], nameId, from, to, amount, date);
    }
    void receive(int nameId, const QString& amount, int incomeAccount, const QDate& date = QDate(2025, 3, 1),
                 const QString& filer = kFiler) {
        addTransaction(nameId, date, amount, incomeAccount, 100, filer);
    }
    void refund(int nameId, const QString& amount, int incomeAccount, const QDate& date = QDate(2025, 6, 1)) {
        addTransaction(nameId, date, amount, 100, incomeAccount);
    }

    QDate firstDayOfCycle(int cycle) {
        return env.value(QStringLiteral("select min(BEGINDATE) from PERIODS where CYCLE = %1").arg(cycle)).toDate();
    }

    TestEnv env;
    Tdm* dm = nullptr;

private:
    QHash<QString, int> transIds_;
};
