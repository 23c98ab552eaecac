#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/cli_runner.h"


TEST(CliInfo, CreatesTheDatabaseAndReportsItsState) {
    if (qEnvironmentVariableIsEmpty("LEDRA_CLI")) GTEST_SKIP() << "LEDRA_CLI not set";
    QTemporaryDir home;
    const CliRun r = runCli({QStringLiteral("info")}, home.path());
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString app = home.path() + QStringLiteral("/Quorvane/Ledra7/");
    EXPECT_EQ(r.out, QStringLiteral("app_folder: %1\nsettings: %1LEDRAPRG.ini\ndatabase: %1ledradb.gdb\nrevision: 55\n"
                                    "committees: 0\n").arg(app));
    // A second run finds the same database.
    EXPECT_EQ(runCli({QStringLiteral("info")}, home.path()).status, 0);
}

TEST(CliInfo, HelpListsCommandsAndUnknownCommandFails) {
    if (qEnvironmentVariableIsEmpty("LEDRA_CLI")) GTEST_SKIP() << "LEDRA_CLI not set";
    QTemporaryDir home;
    const CliRun help = runCli({QStringLiteral("--help")}, home.path());
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("info")));
    const CliRun bad = runCli({QStringLiteral("frobnicate")}, home.path());
    EXPECT_NE(bad.status, 0);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("frobnicate")));
}
