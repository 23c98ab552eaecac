#include <gtest/gtest.h>

#include "support/test_env.h"

TEST(Database, NewDatabaseReachesCurrentRevision) {
    TestEnv env;
    Tdm& dm = env.openTdm();
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT DATABASEREVISION FROM GLOBALCONTROL")).toInt(), 55);
}
