#include <gtest/gtest.h>

#include <QList>
#include <tuple>

#include "limits/limits.h"
#include "limits_fixture.h"
#include "store/tdm.h"

namespace {

Currency money(const char* text) {
    Currency c;
    EXPECT_TRUE(Currency::parse(QString::fromLatin1(text), &c)) << text;
    return c;
}

using CheckFn = bool (*)(Tdm&, int, Currency, Currency*);

struct ClassCase {
    const char* label;
    int nameType;
    const char* user4;
    int incomeAccount;
    CheckFn check;
    const char* cap;  // local cap of cycle 2026
};

class LimitsTest : public LimitsFixture {};

// A super PAC cap for 2026 (the delivered rows have none).
void addSuperPacLimit(TestEnv& env) {
    env.exec(QStringLiteral("INSERT INTO LIMITS VALUES (2026, 3, 'Candidate Committee', '01/01/2025', 13500, 11000, "
                            "'A.R.S. 16-905', 11000, 0, 0)"));
}

TEST_F(LimitsTest, TotalEqualToTheCapPassesAndOneCentMoreIsRefused) {
    addSuperPacLimit(env);
    const ClassCase cases[] = {
        {"individual", 1, "IND", 210, CheckIndividualLimit, "6750"},
        {"PAC", 2, "PAC", 220, CheckPACLimit, "6750"},
        {"PAC through the committee check", 2, "PAC", 220, CheckCommitteeLimit, "6750"},
        {"super PAC", 2, "SPAC", 220, CheckSuperPACLimit, "13500"},
        {"super PAC through the committee check", 2, "SPAC", 220, CheckCommitteeLimit, "13500"},
    };
    int nameId = 0;
    for (const ClassCase& c : cases) {
        SCOPED_TRACE(c.label);
        ++nameId;
        addName(nameId, c.nameType, QStringLiteral("Contributor %1").arg(nameId), QString::fromLatin1(c.user4));
        // 6000.00 in the window: cash in cents and an in-kind contribution.
        receive(nameId, QStringLiteral("4999.7"), c.incomeAccount);
        receive(nameId, QStringLiteral("0.3"), c.incomeAccount);
        receive(nameId, QStringLiteral("1000"), 500, QDate(2025, 12, 31));
        // Outside the window on both sides.
        receive(nameId, QStringLiteral("5000"), c.incomeAccount, QDate(2024, 12, 31));
        receive(nameId, QStringLiteral("5000"), c.incomeAccount, QDate(2026, 1, 1));

        const Currency room = money(c.cap) - money("6000");
        Currency excess = money("99");
        EXPECT_TRUE(c.check(*dm, nameId, room, &excess));
        EXPECT_TRUE(excess.isZero());
        EXPECT_FALSE(c.check(*dm, nameId, room + Currency::fromCents(1), &excess));
        EXPECT_EQ(excess.formattedPlain(), QStringLiteral("$0.01"));
    }
}

TEST_F(LimitsTest, RefundsLowerTheTotal) {
    addName(1, 1, QStringLiteral("Refunded, Ruth"), QStringLiteral("IND"));
    receive(1, QStringLiteral("7000"), 210);
    refund(1, QStringLiteral("250"), 210);
    Currency excess;
    EXPECT_TRUE(CheckIndividualLimit(*dm, 1, Currency(), &excess));
    EXPECT_FALSE(CheckIndividualLimit(*dm, 1, money("0.01"), &excess));
    EXPECT_EQ(excess.formattedPlain(), QStringLiteral("$0.01"));

    // More refunded than received: a negative total, within even a cap of 0 (no super PAC row
    // exists for 2026).
    addName(2, 2, QStringLiteral("Returned SPAC"), QStringLiteral("SPAC"));
    receive(2, QStringLiteral("200"), 220);
    refund(2, QStringLiteral("500"), 220);
    EXPECT_TRUE(CheckSuperPACLimit(*dm, 2, money("300"), &excess));
    EXPECT_TRUE(excess.isZero());
    EXPECT_FALSE(CheckSuperPACLimit(*dm, 2, money("301"), &excess));
    EXPECT_EQ(excess.formattedPlain(), QStringLiteral("$1.00"));
}

TEST_F(LimitsTest, EditingAStoredContributionAddsOnlyTheDifference) {
    addName(1, 1, QStringLiteral("Edited, Ed"), QStringLiteral("IND"));
    receive(1, QStringLiteral("6600"), 210);
    receive(1, QStringLiteral("100"), 210);  // the contribution being changed to 150
    Currency excess;
    EXPECT_TRUE(CheckIndividualLimit(*dm, 1, money("150") - money("100"), &excess));
    EXPECT_FALSE(CheckIndividualLimit(*dm, 1, money("150"), &excess));
    EXPECT_EQ(excess.formattedPlain(), QStringLiteral("$100.00"));
}

TEST_F(LimitsTest, TheCapFollowsTheOfficeAndCleanElections) {
    env.exec(QStringLiteral("UPDATE LIMITS SET LOCALLIMIT = 6750, STATEWIDELIMIT = 5500, LEGLIMIT = 5400, "
                            "CCECLEGLIMIT = 3000, CCECSTATEWIDELIMIT = 4000 WHERE CYCLE = 2026 AND CONTRIBUTIONTYPE = 1"));
    addName(1, 1, QStringLiteral("Giver, Gail"), QStringLiteral("IND"));
    receive(1, QStringLiteral("1000"), 210);
    struct Case {
        const char* office;  // CANDOFFICEID as SQL
        bool cec;
        OfficeLevel level;
        const char* excessOf10000;  // 1000 received + 10000 added, less the cap
    };
    const Case cases[] = {
        {"NULL", false, OfficeLevel::Other, "$4250.00"},   {"NULL", true, OfficeLevel::Other, "$4250.00"},
        {"999", false, OfficeLevel::Other, "$4250.00"},    {"1000", false, OfficeLevel::Local, "$4250.00"},
        {"1999", true, OfficeLevel::Local, "$4250.00"},    {"2000", false, OfficeLevel::Statewide, "$5500.00"},
        {"2999", true, OfficeLevel::Statewide, "$7000.00"}, {"3000", false, OfficeLevel::Legislative, "$5600.00"},
        {"3999", true, OfficeLevel::Legislative, "$8000.00"}, {"4000", true, OfficeLevel::Other, "$4250.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("office %1, CECDATE %2").arg(QString::fromLatin1(c.office)).arg(c.cec).toStdString());
        env.exec(QStringLiteral("UPDATE ORGS SET CANDOFFICEID = %1, CECDATE = %2")
                     .arg(QString::fromLatin1(c.office), c.cec ? QStringLiteral("'02/01/2025'") : QStringLiteral("NULL")));
        const LimitCommittee committee = ReadLimitCommittee(*dm);
        EXPECT_EQ(committee.cleanElections, c.cec);
        EXPECT_EQ(OfficeLevelOf(committee.candOfficeId), c.level);
        Currency excess;
        EXPECT_FALSE(CheckIndividualLimit(*dm, 1, money("10000"), &excess));
        EXPECT_EQ(excess.formattedPlain(), QString::fromLatin1(c.excessOf10000));
    }
}

TEST_F(LimitsTest, LimitAmountReadsWholeDollarsAndGivesZeroWhenMissing) {
    env.exec(QStringLiteral("INSERT INTO LIMITS (CYCLE, CONTRIBUTIONTYPE, DESCRIPTION, LOCALLIMIT) "
                            "VALUES (2026, 7, 'Partial row', 1200.4)"));
    EXPECT_EQ(LimitAmount(*dm, 2026, 7, false, OfficeLevel::Local), money("1200"));
    EXPECT_EQ(LimitAmount(*dm, 2026, 7, false, OfficeLevel::Statewide), Currency());  // empty column
    EXPECT_EQ(LimitAmount(*dm, 2026, 3, false, OfficeLevel::Local), Currency());      // no row
    EXPECT_EQ(LimitAmount(*dm, 2024, 2, false, OfficeLevel::Legislative), money("5400"));
}

TEST_F(LimitsTest, WindowStartFollowsTheCandidatesElectionCycle) {
    env.exec(QStringLiteral("INSERT INTO OFFCODE VALUES (2010, 9904, 'Four-year office', 4, 0, 0, 0, 0)"));
    env.exec(QStringLiteral("INSERT INTO OFFCODE VALUES (2010, 9902, 'Two-year office', 2, 0, 0, 0, 0)"));
    env.exec(QStringLiteral("INSERT INTO OFFCODE VALUES (2010, 9900, 'No term', 0, 0, 0, 0, 0)"));
    env.exec(QStringLiteral("INSERT INTO OFFCODE VALUES (2010, 9999, 'Bad term', -4, 0, 0, 0, 0)"));
    struct Case {
        int type;
        const char* year;
        const char* office;
        int cycle;
        int startCycle;
    };
    const Case cases[] = {
        {9, "2026", "9904", 2024, 2024},  {9, "2024", "9904", 2024, 2022}, {1, "2028", "9904", 2024, 2022},
        {11, "2026", "9902", 2026, 2026}, {1, "NULL", "NULL", 2024, 2024}, {1, "2024", "9900", 2024, 2024},
        {1, "2024", "5555", 2024, 2024},  {1, "2024", "9999", 2024, 2024}, {14, "2024", "9904", 2024, 2024},
        {14, "2030", "9904", 2026, 2026},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("type %1 year %2 office %3 cycle %4")
                         .arg(c.type)
                         .arg(QString::fromLatin1(c.year), QString::fromLatin1(c.office))
                         .arg(c.cycle)
                         .toStdString());
        env.exec(QStringLiteral("UPDATE ORGS SET COMMITTEETYPEID = %1, CANDYEAR = %2, CANDOFFICEID = %3")
                     .arg(c.type)
                     .arg(QString::fromLatin1(c.year), QString::fromLatin1(c.office)));
        const QDate start = LimitWindowStart(*dm, c.cycle);
        ASSERT_TRUE(start.isValid());
        EXPECT_EQ(start, firstDayOfCycle(c.startCycle));
    }
    EXPECT_NE(firstDayOfCycle(2022), firstDayOfCycle(2024));
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(LimitsTest, WindowEndsTheDayAfterTheLastPeriodAndIsEmptyWithoutPeriods) {
    EXPECT_EQ(LimitWindowEnd(*dm, 2026), QDate(2026, 1, 1));
    EXPECT_EQ(LimitWindowEnd(*dm, 2024), QDate(2025, 1, 1));
    EXPECT_FALSE(LimitWindowEnd(*dm, 2040).isValid());
    EXPECT_FALSE(LimitWindowStart(*dm, 2040).isValid());

    // A cycle without periods counts nothing: only the amount to add meets the cap (0, no row).
    addName(1, 1, QStringLiteral("Early, Earl"), QStringLiteral("IND"));
    receive(1, QStringLiteral("900"), 210);
    dm->opt().CurrentCycle = 2040;
    Currency excess;
    EXPECT_TRUE(CheckIndividualLimit(*dm, 1, Currency(), &excess));
    EXPECT_FALSE(CheckIndividualLimit(*dm, 1, money("2"), &excess));
    EXPECT_EQ(excess.formattedPlain(), QStringLiteral("$2.00"));
}

TEST_F(LimitsTest, OnlyCandidateCommitteesAreWarned) {
    const std::pair<int, bool> cases[] = {{1, true}, {2, false}, {9, false}, {11, false}, {14, false}};
    for (const auto& [type, applies] : cases) {
        env.exec(QStringLiteral("UPDATE ORGS SET COMMITTEETYPEID = %1").arg(type));
        EXPECT_EQ(OverlimitWarningApplies(*dm), applies) << "type " << type;
    }
    env.exec(QStringLiteral("UPDATE ORGS SET COMMITTEETYPEID = 1"));
    dm->opt().DisableOverlimitWarning = true;
    EXPECT_FALSE(OverlimitWarningApplies(*dm));
    dm->opt().DisableOverlimitWarning = false;
    dm->opt().LastOrg.clear();  // no committee open
    EXPECT_FALSE(OverlimitWarningApplies(*dm));
}

using Line = std::tuple<int, QColor, QString>;

QList<Line> runCheck(Tdm& dm, bool* found) {
    QList<Line> lines;
    *found = CheckLimitViolations(dm, [&](int kind, const QColor& colour, const QString& text) {
        lines.append({kind, colour, text});
    });
    return lines;
}

const QString kDisclaimer = QStringLiteral(
    "The limit checks are the baseline limits established by statute and may not account for special "
    "circumstances of the contributions.  It is the committee's treasurer who must make the final determination "
    "if a limit is exceeded.");

TEST_F(LimitsTest, EmptyUser4IsCheckedAtEntryButNotListedByTheCommitteeCheck) {
    addName(1, 1, QStringLiteral("Blank, Bill"), QString());
    addName(2, 1, QStringLiteral("Empty, Emma"), QStringLiteral(""));
    addName(3, 1, QStringLiteral("Family, Fay"), QStringLiteral("FAM"));
    for (int id = 1; id <= 3; ++id) receive(id, QStringLiteral("7000"), 210);

    Currency excess;
    EXPECT_FALSE(CheckIndividualLimit(*dm, 1, Currency(), &excess));
    EXPECT_EQ(excess.formattedPlain(), QStringLiteral("$250.00"));
    EXPECT_FALSE(CheckIndividualLimit(*dm, 2, Currency(), &excess));
    // The candidate's family has no aggregate.
    EXPECT_TRUE(CheckIndividualLimit(*dm, 3, money("6750"), &excess));

    bool found = true;
    const QList<Line> lines = runCheck(*dm, &found);
    EXPECT_FALSE(found);
    const QList<Line> expected = {
        {1, QColor(Qt::black), QStringLiteral("Checking individual contribution limits")},
        {1, QColor(Qt::black), QStringLiteral("Checking PAC contribution limits")},
        {1, QColor(Qt::black), QStringLiteral("Checking Super PAC contribution limits")},
        {2, QColor(Qt::black), QString()},
        {1, QColor(Qt::blue), QStringLiteral("No limit violations found")},
        {1, QColor(Qt::black), QString()},
        {1, QColor(Qt::black), kDisclaimer},
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(LimitsTest, CommitteeCheckReportsEachViolationOfTheOpenCommitteeOnly) {
    addSuperPacLimit(env);
    addName(1, 1, QStringLiteral("Zimmer, Zoe"), QStringLiteral("IND"));
    addName(2, 1, QStringLiteral("Adams, Ann"), QStringLiteral("IND"));
    addName(3, 2, QStringLiteral("Good Gov PAC"), QStringLiteral("PAC"));
    addName(4, 2, QStringLiteral("Big SPAC"), QStringLiteral("SPAC"));
    addName(5, 4, QStringLiteral("Print Shop"), QStringLiteral("VEN"));
    receive(1, QStringLiteral("6750"), 210);  // at the cap
    receive(2, QStringLiteral("7000"), 210);
    receive(3, QStringLiteral("7000.5"), 220);
    receive(3, QStringLiteral("500"), 500);
    receive(4, QStringLiteral("13500.01"), 220);
    addTransaction(5, QDate(2025, 5, 1), QStringLiteral("9000"), 100, 400);
    // Only outside the window: not listed.
    addName(6, 1, QStringLiteral("Old, Olga"), QStringLiteral("IND"));
    receive(6, QStringLiteral("9000"), 210, QDate(2024, 12, 31));

    // Another committee with the same name numbers and large amounts.
    env.addCommittee(kOtherFiler, QStringLiteral("Jones for Council"), 1);
    addName(1, 1, QStringLiteral("Zimmer, Zoe"), QStringLiteral("IND"), kOtherFiler);
    addName(7, 1, QStringLiteral("Other, Otto"), QStringLiteral("IND"), kOtherFiler);
    receive(1, QStringLiteral("9000"), 210, QDate(2025, 3, 1), kOtherFiler);
    receive(7, QStringLiteral("9000"), 210, QDate(2025, 3, 1), kOtherFiler);
    EXPECT_TRUE(CheckIndividualLimit(*dm, 1, Currency()));

    bool found = false;
    const QList<Line> lines = runCheck(*dm, &found);
    EXPECT_TRUE(found);
    const QColor black(Qt::black);
    const QColor red(Qt::red);
    const QList<Line> expected = {
        {1, black, QStringLiteral("Checking individual contribution limits")},
        {2, black, QStringLiteral("Scanning: (1 of 2) Adams, Ann")},
        {1, red, QStringLiteral("Individual Contribution Limit Violation: Adams, Ann $250.00")},
        {2, black, QStringLiteral("Scanning: (2 of 2) Zimmer, Zoe")},
        {1, black, QStringLiteral("Checking PAC contribution limits")},
        {2, black, QStringLiteral("Scanning: Good Gov PAC (1 of 1)")},
        {1, red, QStringLiteral("PAC Contribution Limit Violation: Good Gov PAC $750.50")},
        {1, black, QStringLiteral("Checking Super PAC contribution limits")},
        {2, black, QStringLiteral("Scanning: Big SPAC (1 of 1)")},
        {1, red, QStringLiteral("Super PAC Contribution Limit Violation: Big SPAC $0.01")},
        {2, black, QString()},
        {1, black, QString()},
        {1, black, kDisclaimer},
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
