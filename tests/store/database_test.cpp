#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include "platform/clock.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/ini_file.h"
#include "store/revisions.h"
#include "store/sql_text.h"
#include "store/version_info.h"
#include "support/test_env.h"

namespace {

QStringList rows(Tdm& dm, const QString& sql) {
    QSqlQuery q(dm.db());
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    QStringList out;
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            if (v.typeId() == QMetaType::QDateTime) fields << v.toDateTime().toString(QStringLiteral("MM/dd/yyyy"));
            else fields << v.toString();
        }
        out << fields.join(QLatin1Char('|'));
    }
    return out;
}

int revisionOf(Tdm& dm) { return dm.queryValue(QStringLiteral("SELECT DATABASEREVISION FROM GLOBALCONTROL")).toInt(); }

// Brings a new database to `revision` by running the steps up to it, as an older program
// version would have left it.
void bringTo(TestEnv& env, int revision) {
    for (const auto& step : Revisions::steps()) {
        if (step.number > revision) break;
        for (const auto& transaction : step.transactions)
            for (const QString& sql : transaction) env.exec(sql);
    }
    env.exec(QStringLiteral("UPDATE GLOBALCONTROL SET DATABASEREVISION = %1").arg(revision));
}

// The periods of cycles 2018 to 2026 after the last revision, as "cycle|period|name|dates|flag".
const QStringList kFinalPeriods = {
    "2018|1|2016 4th Quarter Report|11/09/2016|12/31/2016|01/01/2017|01/16/2017|N",
    "2018|2|2017 1st Quarter Report|01/01/2017|03/31/2017|04/01/2017|04/16/2017|N",
    "2018|3|2017 2nd Quarter Report|04/01/2017|06/30/2017|07/01/2017|07/16/2017|N",
    "2018|4|2017 3rd Quarter Report|07/01/2017|09/30/2017|10/01/2017|10/16/2017|N",
    "2018|5|2017 4th Q Rpt (PACs)|10/01/2017|12/31/2017|01/01/2018|01/16/2018|N",
    "2018|6|2017 Pre-Election Report|10/01/2017|10/21/2017|10/22/2017|10/29/2017|Y",
    "2018|7|2017 4th Q Rpt (Candidates)|01/01/2017|12/31/2017|01/01/2018|01/16/2018|Y",
    "2018|8|2018 1st Quarter Report|01/01/2018|03/31/2018|04/01/2018|04/17/2018|N",
    "2018|9|2018 2nd Quarter Report|04/01/2018|06/30/2018|07/01/2018|07/17/2018|N",
    "2018|10|2018 Pre-Primary Report|07/01/2018|08/11/2018|08/12/2018|08/21/2018|N",
    "2018|11|2018 3rd Quarter Report|08/12/2018|09/30/2018|10/01/2018|10/16/2018|N",
    "2018|12|2018 Pre-General Report|10/01/2018|10/20/2018|10/21/2018|10/30/2018|N",
    "2018|13|2018 4th Quarter Report|10/21/2018|12/31/2018|01/01/2019|01/16/2019|N",
    "2020|1|2019 1st Quarter Report|01/01/2019|03/31/2019|04/01/2019|04/16/2019|N",
    "2020|2|2019 2nd Quarter Report|04/01/2019|06/30/2019|07/01/2019|07/16/2019|N",
    "2020|3|2019 3rd Quarter Report|07/01/2019|09/30/2019|10/01/2019|10/16/2019|N",
    "2020|4|2019 4th Quarter Report|10/01/2019|12/31/2019|01/01/2020|01/16/2020|N",
    "2020|5|2020 1st Quarter Report|01/01/2020|03/31/2020|04/01/2020|04/16/2020|N",
    "2020|6|2020 2nd Quarter Report|04/01/2020|06/30/2020|07/01/2020|07/16/2020|N",
    "2020|7|2020 Pre-Primary Report|07/01/2020|07/18/2020|07/19/2020|07/28/2020|N",
    "2020|8|2020 3rd Quarter Report|07/19/2020|09/30/2020|10/01/2020|10/16/2020|N",
    "2020|9|2020 Pre-General Report|10/01/2020|10/17/2020|10/18/2020|10/27/2020|N",
    "2020|10|2020 4th Quarter Report|10/18/2020|12/31/2020|01/01/2021|01/16/2021|N",
    "2020|11|2019 Pre-General Report|10/01/2019|10/19/2019|10/20/2019|10/27/2019|N",
    "2022|1|2021 1st Quarter Report|01/01/2021|03/31/2021|04/01/2021|04/16/2021|N",
    "2022|2|2021 2nd Quarter Report|04/01/2021|06/30/2021|07/01/2021|07/16/2021|N",
    "2022|3|2021 3rd Quarter Report|07/01/2021|09/30/2021|10/01/2021|10/16/2021|N",
    "2022|4|2021 4th Q Rpt (PACs)|10/01/2021|12/31/2021|01/01/2022|01/16/2022|N",
    "2022|5|2022 1st Quarter Report|01/01/2022|03/31/2022|04/01/2022|04/16/2022|N",
    "2022|6|2022 2nd Quarter Report|04/01/2022|06/30/2022|07/01/2022|07/16/2022|N",
    "2022|8|2022 Pre-Primary Report|07/01/2022|07/16/2022|07/17/2022|07/26/2022|N",
    "2022|9|2022 3rd Quarter Report|07/17/2022|09/30/2022|10/01/2022|10/16/2022|N",
    "2022|10|2022 Pre-General Report|10/01/2022|10/22/2022|10/23/2022|10/30/2022|N",
    "2022|11|2022 4th Quarter Report|10/23/2022|12/31/2022|01/01/2023|01/18/2023|N",
    "2022|12|2021 Pre-Election Report|10/01/2021|10/16/2021|10/17/2021|10/26/2021|N",
    "2022|13|2021 4th Q Rpt (CANDIDATES)|01/01/2019|12/31/2021|01/01/2022|01/16/2022|N",
    "2024|1|2023 1st Quarter Report|01/01/2023|03/31/2023|04/01/2023|04/17/2023|N",
    "2024|2|2023 2nd Quarter Report|04/01/2023|06/30/2023|07/01/2023|07/17/2023|N",
    "2024|3|2023 3rd Quarter Report|07/01/2023|09/30/2023|10/01/2023|10/16/2023|N",
    "2024|4|2023 4th Quarter Report (PACs)|10/01/2023|12/31/2023|01/01/2024|01/17/2024|N",
    "2024|5|2023 4th Quarter Cumul (Cand)|01/01/2021|12/31/2023|01/01/2024|01/17/2024|N",
    "2024|6|2024 1st Quarter Report|01/01/2024|03/31/2024|04/01/2024|04/16/2024|N",
    "2024|7|2024 2nd Quarter Report|04/01/2024|06/30/2024|07/01/2024|07/16/2024|N",
    "2024|8|2024 Pre-Primary Report|07/01/2024|07/13/2024|07/14/2024|07/21/2024|N",
    "2024|9|2024 3rd Quarter Report|07/14/2024|09/30/2024|10/01/2024|10/16/2024|N",
    "2024|10|2024 Pre-General Report|10/01/2024|10/19/2024|10/20/2024|10/27/2024|N",
    "2024|11|2024 4th Quarter Report|10/20/2024|12/31/2024|01/01/2025|01/16/2025|N",
    "2026|1|2025 1st Quarter Report|01/01/2025|03/31/2025|04/01/2025|04/21/2025|N",
    "2026|2|2025 2nd Quarter Report|04/01/2025|06/30/2025|07/01/2025|07/21/2025|N",
    "2026|99|**Activity starting 7/1/2025|07/01/2025|12/31/2025|01/01/2026|01/20/2026|N",
};

const QStringList kFinalLimits = {
    "2018|1|Individual contribution to a candidate|01/01/2017|6350|5100|A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)|5000|0|0",
    "2018|2|Partnership contribution to a candidate|01/01/2017|6350|5100|A.R.S. 16-905(A)(3)&(A)(4)&(B)(2)|5000|0|0",
    "2018|3|Candidate Committee|01/01/2017|12500|10000|A.R.S. 16-905(G)&(A)(5)&(B)(3)|10000|0|0",
    "2018|5|Nominee's total from political party and all political organizations combined|01/01/2017|10000|80000|"
    "A.R.S. 16-905(D)|8000|0|0",
    "2020|1|Individual contribution to a candidate|01/01/2020|6450|5100|A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)|5000|0|0",
    "2020|2|Partnership contribution to a candidate|01/01/2020|6450|5100|A.R.S. 16-905(A)(3)&(A)(4)&(B)(2)|5000|0|0",
    "2022|1|Individual contribution to a candidate|01/01/2020|6550|5300|A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)|5300|0|0",
    "2022|2|Partnership contribution to a candidate|01/01/2020|6550|5300|A.R.S. 16-905(A)(3)&(A)(4)&(B)(2)|5300|0|0",
    "2024|1|Individual contribution to a candidate|01/01/2022|6650|5400|A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)|5400|0|0",
    "2024|2|Partnership contribution to a candidate|01/01/2022|6650|5400|A.R.S. 16-905(A)(3)&(A)(4)&(B)(2)|5400|0|0",
    "2026|1|Individual contribution to a candidate|01/01/2025|6750|5500|A.R.S. 16-905(A)(1)&(A)(2)&(B)(1)|5500|0|0",
    "2026|2|Partnership contribution to a candidate|01/01/2025|6750|5500|A.R.S. 16-905(A)(3)&(A)(4)&(B)(2)|5500|0|0",
};

const QString kPeriodsSql = QStringLiteral(
    "SELECT CYCLE, PERIODID, PERIODNAME, BEGINDATE, ENDDATE, BEGINFILINGDATE, ENDFILINGDATE, SPECIALREPORT "
    "FROM PERIODS WHERE CYCLE >= 2017 ORDER BY CYCLE, PERIODID");
const QString kLimitsSql = QStringLiteral(
    "SELECT CYCLE, CONTRIBUTIONTYPE, DESCRIPTION, REVISEDDATE, LOCALLIMIT, STATEWIDELIMIT, STATUTES, LEGLIMIT, "
    "CCECLEGLIMIT, CCECSTATEWIDELIMIT FROM LIMITS WHERE CYCLE >= 2017 ORDER BY CYCLE, CONTRIBUTIONTYPE");

void expectFinalReferenceRows(Tdm& dm) {
    EXPECT_EQ(rows(dm, kPeriodsSql), kFinalPeriods);
    EXPECT_EQ(rows(dm, kLimitsSql), kFinalLimits);
}

}  // namespace

TEST(Database, NewDatabaseIsCreatedAndBroughtToTheCurrentRevision) {
    TestEnv env(TestEnv::Database::None);
    ASSERT_FALSE(QFile::exists(env.databasePath()));
    Tdm& dm = env.openTdm();
    EXPECT_TRUE(QFile::exists(env.databasePath()));
    EXPECT_EQ(dm.databaseRevision(), 22);  // as read right after opening
    EXPECT_EQ(revisionOf(dm), 55);
    EXPECT_TRUE(env.prompter().messages().isEmpty());

    expectFinalReferenceRows(dm);
    EXPECT_EQ(rows(dm, QStringLiteral("SELECT ACCOUNTID, ACCOUNTNAME, ACCOUNTTYPEID FROM ACCOUNTS WHERE ACCOUNTID >= 800 ORDER BY 1")),
              QStringList({"810|Contributions to Candidate Committee|5", "811|Contributions to PAC|5",
                           "812|Contributions to Party|5"}));
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM OFFCODE WHERE OFFICEID >= 5000")).toInt(), 85);
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT '[' || OFFICENAME || ']' FROM OFFCODE WHERE OFFICEID = 5305")).toString(),
              QStringLiteral("[Board of Governors, Dare Community College District 5 ]"));
    EXPECT_EQ(rows(dm, QStringLiteral("SELECT OFFICEID, OFFICENAME, OFFICETERM, COUNTYID FROM OFFCODE WHERE OFFICEID IN (5000, 5602, 5701, 5708) ORDER BY 1")),
              QStringList({"5000|Board of Supervisors, District 1|2|11",
                           "5602|Board of Directors, Central Arizona Water Conservation District|2|11",
                           "5701|Sheriff|4|11", "5708|Clerk of the Superior Court|4|11"}));
    // The county of the offices is the eleventh county, in alphabetical order.
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNTYNAME FROM COUNTIES WHERE COUNTYID = 11")).toString(), QStringLiteral("Pima"));
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM OFFCODE WHERE OFFICEID = 1")).toInt(), 1);
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM NAMETYPE")).toInt(), 11);
}

// Each scenario brings a new database to a revision, opens it and checks where it ends.
TEST(Database, RevisionStepsRunOnlyAboveTheStoredRevision) {
    for (int start : {22, 30, 36, 41, 47, 51, 52, 54}) {
        SCOPED_TRACE(start);
        TestEnv env(TestEnv::Database::Revision22);
        bringTo(env, start);
        Tdm& dm = env.openTdm();
        // A step run twice would fail on its inserts and show an error.
        EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(dm.databaseRevision(), start);
        EXPECT_EQ(revisionOf(dm), 55);
        expectFinalReferenceRows(dm);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM PERIODS WHERE CYCLE IN (2019, 2021)")).toInt(), 0);
    }
}

TEST(Database, AtRevision36PeriodsOf2019And2021AreGone) {
    TestEnv env(TestEnv::Database::Revision22);
    bringTo(env, 35);
    EXPECT_GT(env.value(QStringLiteral("SELECT COUNT(*) FROM PERIODS WHERE CYCLE = 2019")).toInt(), 0);
    Tdm& dm = env.openTdm();
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM PERIODS WHERE CYCLE IN (2019, 2021)")).toInt(), 0);
}

TEST(Database, CurrentOrLaterRevisionRunsNoStep) {
    for (int revision : {55, 60}) {
        TestEnv env;
        env.exec(QStringLiteral("DELETE FROM PERIODS WHERE CYCLE = 2026 AND PERIODID = 99"));
        env.exec(QStringLiteral("UPDATE GLOBALCONTROL SET DATABASEREVISION = %1").arg(revision));
        Tdm& dm = env.openTdm();
        EXPECT_EQ(revisionOf(dm), revision);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM PERIODS WHERE CYCLE = 2026")).toInt(), 2);
    }
}

TEST(Database, FailingStepIsRolledBackAndRepeatedAtTheNextStart) {
    TestEnv env(TestEnv::Database::Revision22);
    // Step 48 writes the 2024 limits; this constraint makes it fail.
    env.exec(QStringLiteral("ALTER TABLE LIMITS ADD CONSTRAINT CK_NO_2024 CHECK (CYCLE <> 2024)"));
    {
        Tdm& dm = env.openTdm();
        ASSERT_EQ(env.prompter().messages().size(), 1);
        EXPECT_TRUE(env.prompter().messages().first().text.startsWith(QStringLiteral("App Exception: ")));
        // Steps before the failure stay; the failing one left nothing behind.
        EXPECT_EQ(revisionOf(dm), 47);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM LIMITS WHERE CYCLE = 2024")).toInt(), 0);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM PERIODS WHERE CYCLE = 2024")).toInt(), 11);
        // The office refresh is skipped after a failed step.
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM OFFCODE WHERE OFFICEID >= 5000")).toInt(), 0);
        dm.log().waitForPurge();
        QFile log(dm.log().currentFileName());
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("Exception during update database. ")));
        EXPECT_TRUE(text.contains(QStringLiteral("App Exception: ")));
        env.closeTdm();
    }
    env.exec(QStringLiteral("ALTER TABLE LIMITS DROP CONSTRAINT CK_NO_2024"));
    env.prompter().clear();
    Tdm& dm = env.openTdm();
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_EQ(revisionOf(dm), 55);
    expectFinalReferenceRows(dm);
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM OFFCODE WHERE OFFICEID >= 5000")).toInt(), 85);
}

TEST(Database, OfficeRefreshTouchesOnlyCountyOfficesAndFailsSilently) {
    TestEnv env;
    env.exec(QStringLiteral("UPDATE OFFCODE SET OFFICENAME = 'Governor (edited)' WHERE OFFICEID = 2001"));
    env.exec(QStringLiteral("UPDATE OFFCODE SET OFFICENAME = 'Stale name' WHERE OFFICEID = 5000"));
    {
        Tdm& dm = env.openTdm();
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT OFFICENAME FROM OFFCODE WHERE OFFICEID = 2001")).toString(),
                  QStringLiteral("Governor (edited)"));
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT OFFICENAME FROM OFFCODE WHERE OFFICEID = 5000")).toString(),
                  QStringLiteral("Board of Supervisors, District 1"));
        env.closeTdm();
    }
    // A failing insert rolls the whole refresh back.
    env.exec(QStringLiteral("UPDATE OFFCODE SET OFFICENAME = 'Stale name' WHERE OFFICEID = 5000"));
    env.exec(QStringLiteral("ALTER TABLE OFFCODE ADD CONSTRAINT CK_NO_5708 CHECK (OFFICEID <> 5708)"));
    env.exec(QStringLiteral("DELETE FROM OFFCODE WHERE OFFICEID = 5708"));
    Tdm& dm = env.openTdm();
    EXPECT_TRUE(env.prompter().messages().isEmpty());
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT OFFICENAME FROM OFFCODE WHERE OFFICEID = 5000")).toString(),
              QStringLiteral("Stale name"));
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM OFFCODE WHERE OFFICEID >= 5000")).toInt(), 84);
}

TEST(Database, FilerIdChangeCarriesNamesAndTransactions) {
    TestEnv env;
    env.addCommittee(QStringLiteral("1234567"), QStringLiteral("SMITH FOR MAYOR"));
    env.addCommittee(QStringLiteral("O'NEIL-1"), QStringLiteral("OTHER"));
    for (const QString& filer : {QStringLiteral("1234567"), QStringLiteral("O'NEIL-1")}) {
        env.exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, ZIP, "
                                "MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES (%1, 1, CURRENT_TIMESTAMP, 1, 'O''BRIEN, PAT', "
                                "'1 A ST', 'TUCSON', 'AZ', '85701', CURRENT_TIMESTAMP, 'USER', 'F')")
                     .arg(SqlQuote(filer)));
        env.exec(QStringLiteral("INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, NAMEID, "
                                "CREDITACCOUNTID, DEBITACCOUNTID, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES (%1, 1, "
                                "CURRENT_TIMESTAMP, 1, '01/15/2026', 25.5, 1, 100, 210, CURRENT_TIMESTAMP, 'USER', 'F')")
                     .arg(SqlQuote(filer)));
    }
    Tdm& dm = env.openTdm();
    dm.execSql(QStringLiteral("UPDATE ORGS SET FILERID=%1 WHERE FILERID=%2").arg(SqlQuote(QStringLiteral("123-4567")), SqlQuote(QStringLiteral("1234567"))));
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM NAMELIST WHERE FILERID = '123-4567'")).toInt(), 1);
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM TRANSACT WHERE FILERID = '123-4567'")).toInt(), 1);
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM TRANSACT WHERE FILERID = '1234567'")).toInt(), 0);
    // The filer ID with a quote is found through quoting, and kept apart.
    EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT NAME FROM NAMELIST WHERE FILERID = ") + SqlQuote(QStringLiteral("O'NEIL-1"))).toString(),
              QStringLiteral("O'BRIEN, PAT"));
}

// The stored procedures and what each leaves of two committees.
TEST(Database, StoredProceduresRemoveOnlyWhatTheyName) {
    struct Case {
        QString call;
        int orgs, names, transactions;  // rows left, of 2 committees with 1 name and 1 transaction each
        int triggerLevels;              // committees still holding trigger levels
    };
    const Case cases[] = {
        {QStringLiteral("Execute Procedure DeleteAll;"), 0, 0, 0, 0},
        {QStringLiteral("Execute Procedure DeleteTransFromFilerid('111-1111');"), 2, 2, 1, 2},
        {QStringLiteral("Execute Procedure DeleteFromFilerID('111-1111');"), 2, 1, 1, 2},
        {QStringLiteral("execute procedure DeleteFilerID('111-1111');"), 1, 1, 1, 1},
        {QStringLiteral("Execute Procedure ClearAllTriggers;"), 2, 2, 2, 0},
        {QStringLiteral("Execute Procedure ClearTriggers('111-1111');"), 2, 2, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call.toStdString());
        TestEnv env;
        for (const QString& filer : {QStringLiteral("111-1111"), QStringLiteral("222-2222")}) {
            env.addCommittee(filer, QStringLiteral("C ") + filer);
            env.exec(QStringLiteral("UPDATE ORGS SET TRIGGERLEVELPRIMARY = 500, TRIGGERLEVELGENERAL = 700 WHERE FILERID = '%1'").arg(filer));
            env.exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, ZIP, "
                                    "MODIFIED_DATE, MODIFIED_USER) VALUES ('%1', 1, CURRENT_TIMESTAMP, 1, 'N', 'A', 'C', 'AZ', "
                                    "'85701', CURRENT_TIMESTAMP, 'USER')").arg(filer));
            env.exec(QStringLiteral("INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, NAMEID, "
                                    "CREDITACCOUNTID, DEBITACCOUNTID, MODIFIED_DATE, MODIFIED_USER) VALUES ('%1', 1, "
                                    "CURRENT_TIMESTAMP, 1, '01/15/2026', 10, 1, 100, 210, CURRENT_TIMESTAMP, 'USER')").arg(filer));
        }
        Tdm& dm = env.openTdm();
        dm.execSql(c.call);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM ORGS")).toInt(), c.orgs);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM NAMELIST")).toInt(), c.names);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM TRANSACT")).toInt(), c.transactions);
        EXPECT_EQ(dm.queryValue(QStringLiteral("SELECT COUNT(*) FROM ORGS WHERE TRIGGERLEVELPRIMARY IS NOT NULL "
                                               "AND TRIGGERLEVELGENERAL IS NOT NULL")).toInt(), c.triggerLevels);
    }
}

TEST(Database, ChangedSinceCutoffCountsRowsOfTheOpenCommittee) {
    TestEnv env;
    env.addCommittee(QStringLiteral("111-1111"), QStringLiteral("A"));
    env.addCommittee(QStringLiteral("222-2222"), QStringLiteral("B"));
    env.exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, ZIP, "
                            "MODIFIED_DATE, MODIFIED_USER) VALUES ('222-2222', 1, CURRENT_TIMESTAMP, 1, 'N', 'A', 'C', 'AZ', "
                            "'85701', '12/11/2026 10:00:00', 'USER')"));
    Tdm& dm = env.openTdm();
    dm.opt().LastOrg = QStringLiteral("111-1111");
    dm.setChangeCutoff(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
    EXPECT_FALSE(dm.changedSinceCutoff());  // the changed name belongs to the other committee
    dm.opt().LastOrg = QStringLiteral("222-2222");
    EXPECT_TRUE(dm.changedSinceCutoff());
    dm.setChangeCutoff(QDateTime(QDate(2026, 12, 11), QTime(10, 0, 1)));
    EXPECT_FALSE(dm.changedSinceCutoff());
    dm.resetChangeCutoff();
    EXPECT_TRUE(dm.changedSinceCutoff());
}

TEST(Database, EmptyDbPathNamesTheFileInTheCurrentFolder) {
    TestEnv env(TestEnv::Database::None);
    IniFile ini(env.appFolder() + Tdm::kSettingsFileName);
    ini.writeString(QStringLiteral("db"), QStringLiteral("path"), QString());
    const QString work = env.path(QStringLiteral("work"));
    QDir().mkpath(work);
    const QString before = QDir::currentPath();
    QDir::setCurrent(work);
    {
        Tdm dm(env.prompter());
        EXPECT_TRUE(dm.open());
        EXPECT_EQ(dm.databaseFile(), QStringLiteral("ledradb.gdb"));
    }
    QDir::setCurrent(before);
    EXPECT_TRUE(QFile::exists(work + QStringLiteral("/ledradb.gdb")));
    EXPECT_FALSE(QFile::exists(env.databasePath()));
}

TEST(Database, UnopenableDatabaseEndsTheStartWithItsMessage) {
    TestEnv env(TestEnv::Database::None);
    IniFile ini(env.appFolder() + Tdm::kSettingsFileName);
    // A folder that does not exist: the file cannot be created there.
    ini.writeString(QStringLiteral("db"), QStringLiteral("path"), env.path(QStringLiteral("missing/folder")));
    Tdm dm(env.prompter());
    EXPECT_FALSE(dm.open());
    ASSERT_EQ(env.prompter().messages().size(), 1);
    EXPECT_TRUE(env.prompter().messages().first().text.startsWith(QStringLiteral("Error opening database \r\n")));
    EXPECT_EQ(env.prompter().messages().first().kind, Prompter::Kind::Error);
}

TEST(Database, StartUpRecordsVersionAndUpdateAddressInTheSettingsFile) {
    TestEnv env;
    {
        IniFile ini(env.appFolder() + Tdm::kSettingsFileName);
        ini.writeString(QStringLiteral("UPDATER"), QStringLiteral("LastSFUpdate"), QStringLiteral("x"));
    }
    Tdm& dm = env.openTdm();
    IniFile ini(dm.settingsFilePath());
    EXPECT_EQ(ini.readString(QStringLiteral("UPDATER"), QStringLiteral("LastVersion"), QString()), ShortVersion());
    EXPECT_FALSE(ini.valueExists(QStringLiteral("UPDATER"), QStringLiteral("LastSFUpdate")));
    EXPECT_EQ(ini.readString(QStringLiteral("UPDATER"), QStringLiteral("UpdateURL"), QString()), DefaultAddresses::kUpdate);
    // An address the person set is kept.
    ini.writeString(QStringLiteral("UPDATER"), QStringLiteral("UpdateURL"), QStringLiteral("http://mirror.test/u.ini"));
    env.closeTdm();
    env.openTdm();
    IniFile again(env.dm().settingsFilePath());
    EXPECT_EQ(again.readString(QStringLiteral("UPDATER"), QStringLiteral("UpdateURL"), QString()), QStringLiteral("http://mirror.test/u.ini"));
}
