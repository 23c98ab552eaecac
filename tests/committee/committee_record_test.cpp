#include <gtest/gtest.h>

#include "committee/committee_record.h"
#include "platform/clock.h"
#include "store/db_error.h"
#include "support/test_env.h"

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));

QString orgText(TestEnv& env, const QString& column, const QString& filerId) {
    return env.value(QStringLiteral("SELECT %1 FROM ORGS WHERE FILERID = '%2'").arg(column, filerId)).toString().trimmed();
}

int orgCount(TestEnv& env) { return env.value(QStringLiteral("SELECT COUNT(*) FROM ORGS")).toInt(); }

void fillRequired(CommitteeTable& t, const QString& filerId) {
    t.setValue(QStringLiteral("FILERID"), filerId);
    t.setValue(QStringLiteral("COMMITTEETYPEID"), 2);
    t.setValue(QStringLiteral("NAME"), QStringLiteral("FRIENDS OF THE DESERT"));
    t.setValue(QStringLiteral("ADDRESS1"), QStringLiteral("12 SAGUARO WAY"));
    t.setValue(QStringLiteral("CITY"), QStringLiteral("TUCSON"));
    t.setValue(QStringLiteral("ZIP"), QStringLiteral("85701"));
    t.setValue(QStringLiteral("CHNAME"), QStringLiteral("DOE, JANE"));
    t.setValue(QStringLiteral("TRNAME"), QStringLiteral("ROE, RICHARD"));
}

const QStringList kStateColumns = {"STATE",    "MAILSTATE", "SPONSORSTATE", "CHSTATE",
                                   "TRSTATE",  "CANDSTATE", "DESIGNEESTATE"};

}  // namespace

TEST(CommitteeRecord, NewRecordStartsWithDefaultsAndIsStoredWithStamps) {
    TestEnv env;
    Tdm& dm = env.openTdm();
    Clock::setFixed(kNow);
    CommitteeTable& t = dm.orgs();
    ASSERT_EQ(t.count(), 0);

    t.append();
    EXPECT_EQ(t.state(), CommitteeTable::State::Insert);
    EXPECT_FALSE(t.isModified());
    for (const QString& c : kStateColumns) EXPECT_EQ(t.text(c), "AZ") << c.toStdString();
    EXPECT_EQ(t.text("OUTOFSTATE"), "F");
    EXPECT_EQ(t.text("CANDINCUMBANT"), "F");
    EXPECT_EQ(t.text("REALLOCATIONFLAG"), "N");

    fillRequired(t, QStringLiteral("123-4567"));
    EXPECT_TRUE(t.isModified());
    t.post();

    EXPECT_EQ(t.state(), CommitteeTable::State::Browse);
    EXPECT_EQ(t.count(), 1);
    EXPECT_EQ(t.filerId(), "123-4567");
    for (const QString& c : kStateColumns) EXPECT_EQ(orgText(env, c, "123-4567"), "AZ") << c.toStdString();
    EXPECT_EQ(orgText(env, "OUTOFSTATE", "123-4567"), "F");
    EXPECT_EQ(orgText(env, "CANDINCUMBANT", "123-4567"), "F");
    EXPECT_EQ(orgText(env, "REALLOCATIONFLAG", "123-4567"), "N");
    EXPECT_EQ(orgText(env, "MODIFIED_USER", "123-4567"), "USER");
    EXPECT_EQ(env.value("SELECT MODIFIED_DATE FROM ORGS").toDateTime(), kNow);
    // Columns nobody set stay null rather than empty text.
    EXPECT_TRUE(env.value("SELECT ADDRESS2 FROM ORGS").isNull());
}

TEST(CommitteeRecord, UpdateStampsAndWritesOnlyTheChangedColumns) {
    TestEnv env;
    env.addCommittee("111-1111", "FIRST");
    env.addCommittee("222-2222", "SECOND");
    env.exec("UPDATE ORGS SET MODIFIED_DATE = '01/02/2020 03:04:05'");
    Tdm& dm = env.openTdm();
    CommitteeTable& t = dm.orgs();
    ASSERT_TRUE(t.locate("111-1111"));
    // Another part of the program changes the row after it was read.
    env.exec("UPDATE ORGS SET GENREPORTFLAG = 'N' WHERE FILERID = '111-1111'");

    Clock::setFixed(kNow);
    t.setValue("NAME", "FIRST RENAMED");
    EXPECT_EQ(t.state(), CommitteeTable::State::Edit);
    t.post();

    EXPECT_EQ(orgText(env, "NAME", "111-1111"), "FIRST RENAMED");
    EXPECT_EQ(env.value("SELECT MODIFIED_DATE FROM ORGS WHERE FILERID = '111-1111'").toDateTime(), kNow);
    EXPECT_EQ(orgText(env, "GENREPORTFLAG", "111-1111"), "N");
    EXPECT_EQ(orgText(env, "NAME", "222-2222"), "SECOND");
    EXPECT_EQ(env.value("SELECT MODIFIED_DATE FROM ORGS WHERE FILERID = '222-2222'").toDateTime(),
              QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    // Re-read, still on the same committee.
    EXPECT_EQ(t.filerId(), "111-1111");
    EXPECT_EQ(t.text("GENREPORTFLAG"), "N");
}

TEST(CommitteeRecord, DerivedAddressLines) {
    struct Case {
        const char* address1;
        const char* address2;
        const char* city;
        const char* zip;
        const char* cityLine;
        const char* oneLine;
    };
    const Case cases[] = {
        {"12 SAGUARO WAY", "", "TUCSON", "85701", "TUCSON, AZ  85701", "12 SAGUARO WAY, TUCSON, AZ  85701"},
        {"12 SAGUARO WAY", "SUITE 4", "TUCSON", "857011234", "TUCSON, AZ  85701-1234",
         "12 SAGUARO WAY, SUITE 4, TUCSON, AZ  85701-1234"},
    };
    TestEnv env;
    env.addCommittee("123-4567", "C");
    Tdm& dm = env.openTdm();
    CommitteeTable& t = dm.orgs();
    ASSERT_TRUE(t.locate("123-4567"));
    // Each block reads its own columns.
    const QStringList prefixes = {"", "MAIL", "CH", "TR"};
    for (const Case& c : cases) {
        for (const QString& p : prefixes) {
            t.setValue(p + "ADDRESS1", c.address1);
            t.setValue(p + "ADDRESS2", c.address2);
            t.setValue(p + "CITY", c.city);
            t.setValue(p + "STATE", "AZ");
            t.setValue(p + "ZIP", c.zip);
        }
        t.setValue("CANDCITY", c.city);
        t.setValue("CANDSTATE", "AZ");
        t.setValue("CANDZIP", c.zip);
        t.post();
        for (const QString& p : prefixes) {
            EXPECT_EQ(t.text(p + "Address3"), c.cityLine) << p.toStdString();
            EXPECT_EQ(t.text(p + "Address"), c.oneLine) << p.toStdString();
        }
        EXPECT_EQ(t.text("CandAddress3"), c.cityLine);
    }
}

TEST(CommitteeRecord, DerivedFieldsAreCutAtTheirWidths) {
    TestEnv env;
    env.addCommittee("123-4567", "C", 11);
    const QString line1(40, QLatin1Char('A'));
    const QString line2(40, QLatin1Char('B'));
    env.exec(QStringLiteral("UPDATE ORGS SET ADDRESS1 = '%1', ADDRESS2 = '%2', CITY = '%3', ZIP = '857011234'")
                 .arg(line1, line2, QString(20, QLatin1Char('C'))));
    Tdm& dm = env.openTdm();
    CommitteeTable& t = dm.orgs();
    ASSERT_TRUE(t.locate("123-4567"));
    const QString full = line1 + ", " + line2 + ", " + t.text("Address3");
    ASSERT_GT(full.size(), 100);
    EXPECT_EQ(t.text("Address"), full.left(100));
    // The description of type 11 is longer than the field.
    const QString description = env.value("SELECT COMMITTEETYPEDESCRIPTION FROM COMTYPE WHERE COMMITTEETYPEID = 11").toString();
    ASSERT_GT(description.size(), 50);
    EXPECT_EQ(t.text("CommitteeType"), description.left(50));
    t.setValue("COMMITTEETYPEID", 2);
    EXPECT_EQ(t.text("CommitteeType"), "Political Action Committee");
    EXPECT_THROW(t.setValue("Address", "X"), DbError);
}

TEST(CommitteeRecord, RefusedStoreLeavesTheDatabaseAndKeepsTheTypedValues) {
    TestEnv env;
    env.addCommittee("123-4567", "ORIGINAL");
    env.exec("UPDATE ORGS SET MODIFIED_DATE = '01/02/2020 03:04:05'");
    Tdm& dm = env.openTdm();
    CommitteeTable& t = dm.orgs();
    ASSERT_TRUE(t.locate("123-4567"));

    // A required field left empty.
    t.setValue("CITY", "PHOENIX");
    t.setValue("NAME", "");
    try {
        t.post();
        FAIL() << "stored without a name";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), "Field 'Name' must have a value");
    }
    EXPECT_EQ(t.state(), CommitteeTable::State::Edit);
    EXPECT_EQ(t.text("CITY"), "PHOENIX");
    EXPECT_TRUE(t.value("NAME").isNull());
    EXPECT_EQ(orgText(env, "NAME", "123-4567"), "ORIGINAL");
    EXPECT_EQ(orgText(env, "CITY", "123-4567"), "TUCSON");
    EXPECT_EQ(env.value("SELECT MODIFIED_DATE FROM ORGS").toDateTime(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    t.cancel();
    EXPECT_EQ(t.text("NAME"), "ORIGINAL");

    // The database refuses a second committee with the same filer ID.
    t.append();
    fillRequired(t, "123-4567");
    try {
        t.post();
        FAIL() << "stored a duplicate filer ID";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("PK_ORGS")) << e.what();
    }
    EXPECT_EQ(t.state(), CommitteeTable::State::Insert);
    EXPECT_EQ(t.text("NAME"), "FRIENDS OF THE DESERT");
    EXPECT_EQ(orgCount(env), 1);
    EXPECT_EQ(orgText(env, "NAME", "123-4567"), "ORIGINAL");
    // A value the column's type cannot hold is refused at once.
    EXPECT_THROW(t.setValue("CANDYEAR", "next year"), DbError);
}

TEST(CommitteeRecord, LocateIgnoresTrailingBlanksButNotCase) {
    TestEnv env;
    env.addCommittee("123-4567", "DIGITS");
    env.addCommittee("ABC-0001", "LETTERS");
    Tdm& dm = env.openTdm();
    CommitteeTable& t = dm.orgs();
    ASSERT_EQ(t.count(), 2);
    // FILERID comes back blank-filled from the database.
    ASSERT_TRUE(env.value("SELECT FILERID FROM ORGS WHERE NAME = 'DIGITS'").toString().startsWith("123-4567 "));

    EXPECT_TRUE(t.locate("123-4567"));
    EXPECT_EQ(t.filerId(), "123-4567");
    EXPECT_EQ(t.text("FILERID"), "123-4567");
    EXPECT_EQ(t.currentName(), "DIGITS");
    EXPECT_TRUE(t.locate("ABC-0001   "));
    EXPECT_EQ(t.currentName(), "LETTERS");
    EXPECT_FALSE(t.locate("abc-0001"));
    EXPECT_FALSE(t.locate("123-456"));
    EXPECT_FALSE(t.locate(""));
    EXPECT_EQ(t.currentName(), "LETTERS");
}

TEST(CommitteeRecord, CancelledAppendReturnsToTheCommitteeBefore) {
    TestEnv env;
    env.addCommittee("123-4567", "OPEN ONE");
    Tdm& dm = env.openTdm();
    CommitteeTable& t = dm.orgs();
    ASSERT_TRUE(t.locate("123-4567"));
    t.append();
    t.setValue("NAME", "NEW ONE");
    EXPECT_EQ(t.currentName(), "NEW ONE");
    t.cancel();
    EXPECT_EQ(t.state(), CommitteeTable::State::Browse);
    EXPECT_EQ(t.currentName(), "OPEN ONE");
    EXPECT_EQ(t.count(), 1);
    EXPECT_EQ(orgCount(env), 1);
}

TEST(CommitteeRecord, ReferenceLists) {
    TestEnv env;
    Tdm& dm = env.openTdm();

    const QStringList states = CommitteeLists::states(dm);
    EXPECT_TRUE(states.contains("AZ"));
    QStringList sorted = states;
    sorted.sort();
    EXPECT_EQ(states, sorted);

    const auto offices = CommitteeLists::offices(dm);
    ASSERT_FALSE(offices.isEmpty());
    const int listed = int(offices.size());
    const int expected =
        env.value("SELECT COUNT(*) FROM OFFCODE WHERE OFFICEID = 1 OR COUNTYID <> 0").toInt();
    EXPECT_EQ(listed, expected);
    EXPECT_LT(listed, env.value("SELECT COUNT(*) FROM OFFCODE").toInt());
    for (int i = 1; i < listed; ++i) EXPECT_LE(offices[i - 1].text, offices[i].text);

    const auto types = CommitteeLists::committeeTypes(dm);
    ASSERT_EQ(types.size(), env.value("SELECT COUNT(*) FROM COMTYPE").toInt());
    for (int i = 1; i < types.size(); ++i) EXPECT_LE(types[i - 1].text, types[i].text);

    const auto counties = CommitteeLists::counties(dm);
    ASSERT_FALSE(counties.isEmpty());
    for (int i = 1; i < counties.size(); ++i) EXPECT_LE(counties[i - 1].text, counties[i].text);

    EXPECT_EQ(CommitteeLists::electionYears(), (QList<int>{2010, 2012, 2014, 2016, 2018, 2020, 2022, 2024}));
}
