#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include "platform/clock.h"
#include "store/log.h"
#include "support/test_env.h"

TEST(Log, DailyFileBeginsWithFirstEntryAndStampsEveryLine) {
    TestEnv env(TestEnv::Database::None);
    Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9, 42)));
    Log log;
    log.setFolder(env.path(QStringLiteral("log")));
    log.write(QStringLiteral("AppPath=/x/"));
    log.write(QStringLiteral("second"));
    log.waitForPurge();
    QFile f(env.path(QStringLiteral("log/ledra20261211.LOG")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              QStringLiteral(">>First Entry.<<\r\n14:05:09.042 AppPath=/x/\r\n14:05:09.042 second\r\n"));
}

TEST(Log, EntriesFromManyThreadsStayWhole) {
    TestEnv env(TestEnv::Database::None);
    Log log;
    log.setFolder(env.path(QStringLiteral("log")));
    QList<QThread*> threads;
    for (int t = 0; t < 4; ++t) {
        threads << QThread::create([&log, t] {
            for (int i = 0; i < 200; ++i) log.write(QStringLiteral("thread %1 entry %2").arg(t).arg(i));
        });
        threads.last()->start();
    }
    for (QThread* t : threads) {
        t->wait();
        delete t;
    }
    QFile f(log.currentFileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 801);
    static const QRegularExpression entry(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} thread \\d entry \\d+$"));
    for (qsizetype i = 1; i < lines.size(); ++i) EXPECT_TRUE(entry.match(lines[i]).hasMatch()) << lines[i].toStdString();
}

TEST(Log, PurgeRemovesOnlyLogFilesOlderThanThirtyDays) {
    TestEnv env(TestEnv::Database::None);
    const QString folder = env.path(QStringLiteral("log"));
    QDir().mkpath(folder);
    for (const char* name : {"ledra20261010.LOG", "ledra20261110.LOG", "ledra20261111.LOG", "ledra20261211.LOG", "notes.txt",
                             "ledra2026.LOG"}) {
        QFile f(folder + QLatin1Char('/') + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    Log log;
    log.setFolder(folder);
    log.waitForPurge();
    QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, QStringList({"ledra2026.LOG", "ledra20261111.LOG", "ledra20261211.LOG", "notes.txt"}));
}
