#include <gtest/gtest.h>

#include <QFile>

#include "platform/clock.h"
#include "shell/opt_data.h"
#include "store/ini_file.h"
#include "support/test_env.h"

namespace {
QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
void writeAll(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}
}  // namespace

TEST(IniFile, KeysIgnoreCaseValuesStayAsWrittenAndGeneralKeepsItsName) {
    TestEnv env(TestEnv::Database::None);
    const QString path = env.path(QStringLiteral("x.ini"));
    writeAll(path, "[general]\r\nShowSplash=0\r\nFilingURL= http://a/ \r\nBad=12x\r\n[Window_TRegisterForm_100]\r\nLeft=5\r\n");
    IniFile ini(path);
    EXPECT_FALSE(ini.readBool(QStringLiteral("General"), QStringLiteral("SHOWSPLASH"), true));
    EXPECT_EQ(ini.readString(QStringLiteral("GENERAL"), QStringLiteral("filingurl"), QString()), QStringLiteral(" http://a/ "));
    EXPECT_EQ(ini.readInteger(QStringLiteral("General"), QStringLiteral("Bad"), 7), 7);
    EXPECT_EQ(ini.readInteger(QStringLiteral("General"), QStringLiteral("Missing"), 3), 3);
    ini.writeInteger(QStringLiteral("GENERAL"), QStringLiteral("showsplash"), 1);
    ini.writeString(QStringLiteral("General"), QStringLiteral("New"), QStringLiteral("a=b;c"));
    ini.deleteKey(QStringLiteral("General"), QStringLiteral("bad"));
    ini.eraseSection(QStringLiteral("window_tregisterform_100"));
    const QString text = readAll(path);
    EXPECT_EQ(text, QStringLiteral("[general]\r\nShowSplash=1\r\nFilingURL= http://a/ \r\nNew=a=b;c\r\n\r\n"));
    IniFile again(path);
    EXPECT_EQ(again.readString(QStringLiteral("General"), QStringLiteral("New"), QString()), QStringLiteral("a=b;c"));
}

TEST(Preferences, SettingsWithoutGeneralSectionGiveTheDefaults) {
    TestEnv env;
    Tdm& dm = env.openTdm();
    Clock::setFixed(QDateTime(QDate(2025, 5, 10), QTime(12, 0)));
    dm.readPreferences();
    const TOptData& o = dm.opt();
    EXPECT_TRUE(o.ShowSplash);
    EXPECT_TRUE(o.ShowNotice);
    EXPECT_TRUE(o.RestoreWindows);
    EXPECT_TRUE(o.showBalancesInLedger());
    EXPECT_TRUE(o.showBalancesInAccounts());
    EXPECT_TRUE(o.showStatusBar());
    EXPECT_FALSE(o.DisablePeriodCheck);
    EXPECT_FALSE(o.DisableOverlimitWarning);
    EXPECT_FALSE(o.DisableLimitViolationsCheck);
    EXPECT_TRUE(o.Sounds);
    EXPECT_EQ(o.FilingURL, DefaultAddresses::kFiling);
    EXPECT_EQ(o.BackupCount, 0);
    EXPECT_TRUE(o.LastOrg.isEmpty());
    EXPECT_FALSE(o.LastUpdateCheckDate.isValid());
    // No cycle stored: the period holding today.
    EXPECT_EQ(o.CurrentCycle, 2026);
    EXPECT_EQ(o.CurrentPeriod, 2);
}

TEST(Preferences, FilingAddressRule) {
    struct Case {
        const char* stored;  // nullptr: key missing
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, "http://filing.example.org:8887"},
        {"", "http://filing.example.org:8887"},
        {"filing.county.test:8887//", "http://filing.county.test:8887"},
        {"HTTP://Filing.County.Test/", "HTTP://Filing.County.Test"},
        {"http://www.example.org/efile", "http://filing.example.org:8887"},
        {"https://secure.county.test:8443/", "https://secure.county.test:8443"},
        {"HTTPS://secure.county.test", "HTTPS://secure.county.test"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        EXPECT_EQ(TOptData::normalizeFilingUrl(QString::fromUtf8(c.stored ? c.stored : ""), c.stored != nullptr),
                  QString::fromUtf8(c.expected));
    }
}

TEST(Preferences, CycleRuleKeepsAStoredCycleWithPeriodsAndPeriodZeroBecomesToday) {
    struct Case {
        int storedCycle, storedPeriod, cycle, period;
    };
    // Today is 10 May 2025: cycle 2026, period 2.
    const Case cases[] = {
        {2024, 3, 2024, 3},  // chosen with "Set current period": survives the restart
        {2024, 0, 2024, 2},  // period 0 becomes today's period
        {1999, 3, 2026, 3},  // no periods for 1999: today's cycle, the period stays
        {0, 0, 2026, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedCycle);
        TestEnv env;
        Tdm& dm = env.openTdm();
        dm.settings().writeInteger(QStringLiteral("General"), QStringLiteral("CurrentCycle"), c.storedCycle);
        dm.settings().writeInteger(QStringLiteral("General"), QStringLiteral("CurrentPeriod"), c.storedPeriod);
        Clock::setFixed(QDateTime(QDate(2025, 5, 10), QTime(12, 0)));
        dm.readPreferences();
        EXPECT_EQ(dm.opt().CurrentCycle, c.cycle);
        EXPECT_EQ(dm.opt().CurrentPeriod, c.period);
    }
}

TEST(Preferences, WriteAtCloseRoundTripsAndDropsEmptyPrinterAndNeverCheckedDate) {
    TestEnv env;
    Tdm& dm = env.openTdm();
    dm.readPreferences();
    TOptData& o = dm.opt();
    o.LastOrg = QStringLiteral("  123-4567 ");
    o.CurrentCycle = 2024;
    o.CurrentPeriod = 7;
    o.ShowSplash = false;
    o.setShowStatusBar(false);
    o.Sounds = false;
    o.BackupCount = 11;
    o.BackupFile = QStringLiteral("/home/t/ledradata.lbk");
    o.Printer = QStringLiteral("Office Laser");
    o.LastUpdateCheckDate = QDateTime(QDate(2026, 3, 4), QTime(17, 5, 9));
    o.DebugMode = true;
    dm.writePreferences();
    IniFile& ini = dm.settings();
    EXPECT_EQ(ini.readString(QStringLiteral("General"), QStringLiteral("LastOrg"), QString()), QStringLiteral("123-4567"));
    EXPECT_EQ(ini.readString(QStringLiteral("General"), QStringLiteral("LastUpdateCheckDate"), QString()),
              QStringLiteral("03/04/2026 17:05:09"));
    EXPECT_EQ(ini.readString(QStringLiteral("General"), QStringLiteral("ShowStatusBar"), QString()), QStringLiteral("0"));
    EXPECT_FALSE(ini.valueExists(QStringLiteral("General"), QStringLiteral("DebugMode")));  // read only

    TOptData back;
    back.read(ini, {});
    EXPECT_EQ(back.LastOrg, QStringLiteral("123-4567"));
    EXPECT_EQ(back.CurrentPeriod, 7);
    EXPECT_FALSE(back.ShowSplash);
    EXPECT_FALSE(back.showStatusBar());
    EXPECT_FALSE(back.Sounds);
    EXPECT_EQ(back.BackupCount, 11);
    EXPECT_EQ(back.BackupFile, QStringLiteral("/home/t/ledradata.lbk"));
    EXPECT_EQ(back.Printer, QStringLiteral("Office Laser"));
    EXPECT_EQ(back.LastUpdateCheckDate, QDateTime(QDate(2026, 3, 4), QTime(17, 5, 9)));

    o.Printer.clear();  // "<Default Printer>"
    o.LastUpdateCheckDate = QDateTime();
    dm.writePreferences();
    EXPECT_FALSE(ini.valueExists(QStringLiteral("General"), QStringLiteral("Printer")));
    EXPECT_FALSE(ini.valueExists(QStringLiteral("General"), QStringLiteral("LastUpdateCheckDate")));
    // An unreadable date counts as never.
    ini.writeString(QStringLiteral("General"), QStringLiteral("LastUpdateCheckDate"), QStringLiteral("yesterday"));
    TOptData third;
    third.read(ini, {});
    EXPECT_FALSE(third.LastUpdateCheckDate.isValid());
}

TEST(Preferences, LiveTogglesNotifyOnlyOnChange) {
    TOptData o;
    int statusBar = 0, ledger = 0;
    QObject::connect(&o, &TOptData::showStatusBarChanged, [&](bool) { ++statusBar; });
    QObject::connect(&o, &TOptData::showBalancesInLedgerChanged, [&](bool) { ++ledger; });
    o.setShowStatusBar(false);
    o.setShowStatusBar(false);
    o.setShowBalancesInLedger(false);
    o.setShowBalancesInLedger(true);
    EXPECT_EQ(statusBar, 1);
    EXPECT_EQ(ledger, 2);
}

TEST(WindowPlacement, SectionsPerClassAndItemAndPartialRestore) {
    TestEnv env(TestEnv::Database::None);
    IniFile ini(env.path(QStringLiteral("p.ini")));
    EXPECT_EQ(WindowPlacement::sectionName(QStringLiteral("TRegisterForm"), 100), QStringLiteral("Window_TRegisterForm_100"));
    EXPECT_EQ(WindowPlacement::sectionName(QStringLiteral("TNamesListForm")), QStringLiteral("Window_TNamesListForm"));
    WindowPlacement::save(ini, QStringLiteral("TRegisterForm"), 100, QRect(10, 20, 300, 200));
    EXPECT_EQ(WindowPlacement::restore(ini, QStringLiteral("TRegisterForm"), 100, QRect(0, 0, 50, 50)), QRect(10, 20, 300, 200));
    EXPECT_EQ(WindowPlacement::restore(ini, QStringLiteral("TRegisterForm"), 210, QRect(1, 2, 50, 60)), QRect(1, 2, 50, 60));
    ini.deleteKey(QStringLiteral("Window_TRegisterForm_100"), QStringLiteral("Width"));
    EXPECT_EQ(WindowPlacement::restore(ini, QStringLiteral("TRegisterForm"), 100, QRect(0, 0, 50, 60)), QRect(10, 20, 50, 200));
}
