#include <gtest/gtest.h>

#include <functional>

#include "entry_fixture.h"
#include "ledger/transaction_entry.h"
#include "store/tdm.h"

namespace {

using Status = TransactionEntry::SaveStatus;

class TransactionEntryTest : public EntryTest {
protected:
    void SetUp() override {
        EntryTest::SetUp();
        addEntryNames();
        addName(5, 1, QStringLiteral("ROE, ANN"), QString(), kOtherFiler);
    }

    // A new row of the kind that passes every check.
    static void fillValid(TransactionEntry& e, int nameId) {
        e.row().nameId = nameId;
        e.row().amount = Currency::fromDollars(100);
        e.row().transDate = kInPeriod;
    }
};

}  // namespace

TEST_F(TransactionEntryTest, EachCheckRefusesWithItsMessageAndFieldAndWritesNothing) {
    struct Case {
        const char* what;
        int kind;
        std::function<void(TransactionEntry&)> spoil;
        bool periodCheckOff;
        const char* message;
        EntryField field;
    };
    const Case cases[] = {
        {"no name", 0, [](TransactionEntry& e) { e.row().nameId.reset(); }, false, "Name must be specified",
         EntryField::Name},
        {"name 0", 3, [](TransactionEntry& e) { e.row().nameId = 0; }, false, "Name must be specified",
         EntryField::Name},
        {"amount 0", 0, [](TransactionEntry& e) { e.row().amount = Currency(); }, false,
         "Amount must be entered and must be positive", EntryField::Amount},
        {"negative amount", 26, [](TransactionEntry& e) { e.row().amount = -Currency::fromCents(1); }, false,
         "Amount must be entered and must be positive", EntryField::Amount},
        {"no date", 0, [](TransactionEntry& e) { e.row().transDate = QDate(); }, false, "Date must be entered",
         EntryField::Date},
        {"zero date", 0, [](TransactionEntry& e) { e.row().transDate = QDate(1899, 12, 30); }, false,
         "Date must be entered", EntryField::Date},
        {"day before the statute change, period check off", 0,
         [](TransactionEntry& e) { e.row().transDate = QDate(2016, 11, 8); }, true,
         "Statute Change Date Violation (date must be 11/9/2016 or later)", EntryField::Date},
        {"day after the period", 0, [](TransactionEntry& e) { e.row().transDate = QDate(2025, 4, 1); }, false,
         "Date not in period", EntryField::Date},
        {"day before the period", 18, [](TransactionEntry& e) { e.row().transDate = QDate(2024, 12, 31); }, false,
         "Date not in period", EntryField::Date},
        {"independent expenditure without candidate", 7, [](TransactionEntry&) {}, false,
         "Candidate must be specified", EntryField::Candidate},
        {"bill without memo", 21, [](TransactionEntry&) {}, false, "Memo is required", EntryField::Memo},
        {"bill with a blank memo", 21, [](TransactionEntry& e) { e.row().transMemo = QStringLiteral("   "); }, false,
         "Memo is required", EntryField::Memo},
        // The first failing check speaks, not the later ones.
        {"no name and no amount", 0,
         [](TransactionEntry& e) {
             e.row().nameId.reset();
             e.row().amount = Currency();
         },
         false, "Name must be specified", EntryField::Name},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.prompter().clear();
        dm->opt().DisablePeriodCheck = c.periodCheckOff;
        TransactionEntry e(*dm, c.kind);
        fillValid(e, c.kind == 7 || c.kind == 21 ? 3 : 1);
        c.spoil(e);
        const TransactionEntry::SaveOutcome out = e.save(QStringLiteral("SHOWN"));
        EXPECT_EQ(out.status, Status::Refused);
        EXPECT_EQ(out.focus, c.field);
        EXPECT_EQ(env.prompter().texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(env.prompter().messages().value(0).kind, Prompter::Kind::Information);
        // The values stay for correcting.
        EXPECT_TRUE(e.isModified());
    }
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(sounds.tones, 0);
}

TEST_F(TransactionEntryTest, DatesFromTheStatuteChangeOnAreTakenWhenThePeriodCheckIsOff) {
    dm->opt().DisablePeriodCheck = true;
    for (const QDate& date : {QDate(2016, 11, 9), QDate(2030, 6, 1)}) {
        TransactionEntry e(*dm, 0);
        fillValid(e, 1);
        e.row().transDate = date;
        const TransactionEntry::SaveOutcome out = e.save(QStringLiteral("SMITH, JOHN"));
        ASSERT_EQ(out.status, Status::Saved) << env.prompter().texts().join('|').toStdString();
        EXPECT_EQ(column(out.transId, "TRANSDATE").toDate(), date);
    }
    // A candidate needed only where the kind asks for one: kinds 7 and 41 share the group.
    TransactionEntry recall(*dm, 41);
    fillValid(recall, 3);
    EXPECT_EQ(recall.save(QString()).status, Status::Saved);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(TransactionEntryTest, KindsWithoutANameStoreNameIdZero) {
    for (const int kind : {2, 48}) {
        SCOPED_TRACE(kind);
        TransactionEntry e(*dm, kind);
        e.row().amount = Currency::fromDollars(75);
        e.row().transDate = kInPeriod;
        if (kind == 48) e.row().nameId = 3;  // whatever the row held
        const TransactionEntry::SaveOutcome out = e.save(QString());
        ASSERT_EQ(out.status, Status::Saved) << env.prompter().texts().join('|').toStdString();
        EXPECT_EQ(column(out.transId, "NAMEID").toInt(), 0);
        EXPECT_FALSE(column(out.transId, "NAMEID").isNull());
        EXPECT_EQ(column(out.transId, "DEBITACCOUNTID").toInt(), e.kind().fromAccount);
        EXPECT_EQ(column(out.transId, "CREDITACCOUNTID").toInt(), e.kind().toAccount);
    }
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(TransactionEntryTest, OverLimitContributionsAreRefusedNamingTheExcess) {
    addName(6, 2, QStringLiteral("BIG SPAC"), QStringLiteral("SPAC"));
    // $6000 in the window from each contributor; the caps are $6750 (individuals, PACs) and
    // $13500 (super PACs).
    addRow(101, 1, 210, 100, "6000");
    addRow(102, 2, 220, 100, "6000");
    addRow(103, 6, 220, 100, "6000");
    addRow(104, 3, 500, 100, "6000");
    // The delivered rows have no super PAC cap for 2026.
    env.exec(QStringLiteral("INSERT INTO LIMITS VALUES (2026, 3, 'Candidate Committee', '01/01/2025', 13500, 11000, "
                            "'A.R.S. 16-905', 11000, 0, 0)"));
    struct Case {
        const char* what;
        int kind;
        int nameId;
        const char* amount;
        const char* shown;
        const char* message;  // null: saved
    };
    const Case cases[] = {
        {"individual at the cap", 0, 1, "750", "SMITH, JOHN", nullptr},
        {"individual one cent over", 0, 1, "750.01", "Smith, John",
         "Over limit contribution for Invididual Contributor Smith, John by $0.01"},
        {"PAC one cent over", 3, 2, "750.01", "BUILDERS PAC",
         "Over limit contribution for Committee Contributor BUILDERS PAC by $0.01"},
        {"super PAC under its own cap", 3, 6, "7500", "BIG SPAC", nullptr},
        {"super PAC one cent over", 3, 6, "7500.01", "BIG SPAC",
         "Over limit contribution for Committee Contributor BIG SPAC by $0.01"},
        {"in-kind from an individual", 5, 1, "1234.56", "SMITH, JOHN",
         "Over limit contribution for Invididual Contributor SMITH, JOHN by $484.56"},
        {"in-kind from a PAC", 5, 2, "750.01", "BUILDERS PAC",
         "Over limit contribution for PAC Contributor BUILDERS PAC by $0.01"},
        {"in-kind from a vendor is not checked", 5, 3, "100000", "ACME PRINTING", nullptr},
        {"other kinds are not checked", 30, 1, "100000", "SMITH, JOHN", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.prompter().clear();
        const int before = rowCount();
        TransactionEntry e(*dm, c.kind);
        fillValid(e, c.nameId);
        e.row().amount = money(c.amount);
        e.setExpendImmediately(false);
        const TransactionEntry::SaveOutcome out = e.save(QString::fromLatin1(c.shown));
        if (c.message) {
            EXPECT_EQ(out.status, Status::Refused);
            EXPECT_EQ(env.prompter().texts(), QStringList{QString::fromLatin1(c.message)});
            EXPECT_EQ(rowCount(), before);
            EXPECT_TRUE(e.isModified());
        } else {
            EXPECT_EQ(out.status, Status::Saved);
            EXPECT_TRUE(env.prompter().messages().isEmpty()) << env.prompter().texts().join('|').toStdString();
            EXPECT_EQ(rowCount(), before + 1);
            // Saved rows count from now on; take this one out again so that the cases stay apart.
            env.exec(QStringLiteral("DELETE FROM TRANSACT WHERE TRANSID = %1").arg(out.transId));
        }
    }
}

TEST_F(TransactionEntryTest, NoLimitCheckWhenTheWarningIsOffOrTheCommitteeIsNoCandidate) {
    addRow(101, 1, 210, 100, "6750");
    dm->opt().DisableOverlimitWarning = true;
    TransactionEntry e(*dm, 0);
    fillValid(e, 1);
    EXPECT_EQ(e.save(QStringLiteral("SMITH, JOHN")).status, Status::Saved);

    dm->opt().DisableOverlimitWarning = false;
    env.exec(QStringLiteral("UPDATE ORGS SET COMMITTEETYPEID = 2 WHERE FILERID = ") + SqlQuote(kFiler));
    TransactionEntry pac(*dm, 0);
    fillValid(pac, 1);
    EXPECT_EQ(pac.save(QStringLiteral("SMITH, JOHN")).status, Status::Saved);
    EXPECT_TRUE(env.prompter().messages().isEmpty());
}

TEST_F(TransactionEntryTest, EditingAContributionChecksOnlyTheChange) {
    // $6150 before, and the $500 row being edited: $6650 of the $6750 cap.
    addRow(101, 1, 210, 100, "6150");
    addRow(102, 1, 210, 100, "500");

    TransactionEntry e(*dm, 0);
    ASSERT_TRUE(e.startEdit(102));
    EXPECT_EQ(e.openingAmount(), money("500"));
    e.row().amount = money("600");
    EXPECT_EQ(e.amountToCheck(), money("100"));
    // Checked with the whole 600 the total would be $7250; with the change it is exactly the cap.
    const TransactionEntry::SaveOutcome out = e.save(QStringLiteral("SMITH, JOHN"));
    ASSERT_EQ(out.status, Status::Saved) << env.prompter().texts().join('|').toStdString();
    EXPECT_EQ(column(102, "AMOUNT").toDouble(), 600.0);
    EXPECT_FALSE(e.isModified());

    // One more dollar on the edited row is over by exactly that dollar.
    TransactionEntry again(*dm, 0);
    ASSERT_TRUE(again.startEdit(102));
    again.row().amount = money("601");
    EXPECT_EQ(again.save(QStringLiteral("SMITH, JOHN")).status, Status::Refused);
    EXPECT_EQ(env.prompter().texts(),
              QStringList{QStringLiteral("Over limit contribution for Invididual Contributor SMITH, JOHN by $1.00")});
    EXPECT_EQ(column(102, "AMOUNT").toDouble(), 600.0);

    // Lowering the contribution of someone over the cap adds nothing and is not refused.
    env.prompter().clear();
    env.exec(QStringLiteral("UPDATE TRANSACT SET AMOUNT = 9000 WHERE TRANSID = 101"));
    TransactionEntry lower(*dm, 0);
    ASSERT_TRUE(lower.startEdit(102));
    lower.row().amount = money("550");
    EXPECT_EQ(lower.save(QStringLiteral("SMITH, JOHN")).status, Status::Saved);
    EXPECT_TRUE(env.prompter().messages().isEmpty());

    // Moved to another contributor, the whole amount counts for them: $6200 + $550 is the cap,
    // $551 one dollar over.
    addName(9, 1, QStringLiteral("ROE, RICHARD"));
    addRow(103, 9, 210, 100, "6200");
    TransactionEntry moved(*dm, 0);
    ASSERT_TRUE(moved.startEdit(102));
    moved.row().nameId = 9;
    moved.row().amount = money("551");
    EXPECT_EQ(moved.amountToCheck(), money("551"));
    EXPECT_EQ(moved.save(QStringLiteral("ROE, RICHARD")).status, Status::Refused);
    EXPECT_EQ(env.prompter().texts(),
              QStringList{QStringLiteral("Over limit contribution for Invididual Contributor ROE, RICHARD by $1.00")});
    moved.row().amount = money("550");
    EXPECT_EQ(moved.save(QStringLiteral("ROE, RICHARD")).status, Status::Saved);
    EXPECT_EQ(column(102, "NAMEID").toInt(), 9);
}

TEST_F(TransactionEntryTest, UnchangedRowsAreNotSaved) {
    TransactionEntry fresh(*dm, 0);
    EXPECT_FALSE(fresh.isModified());
    EXPECT_EQ(fresh.save(QString()).status, Status::Unchanged);

    addRow(101, 1, 210, 100, "25");
    TransactionEntry stored(*dm, 0);
    ASSERT_TRUE(stored.startEdit(101));
    EXPECT_EQ(stored.save(QString()).status, Status::Unchanged);
    // Put back as it was: nothing to write either.
    stored.row().amount = money("30");
    stored.row().amount = money("25");
    EXPECT_EQ(stored.save(QString()).status, Status::Unchanged);
    EXPECT_EQ(column(101, "MODIFIED_DATE").toDateTime(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    EXPECT_TRUE(env.prompter().messages().isEmpty());

    EXPECT_FALSE(stored.startEdit(999));
}

TEST_F(TransactionEntryTest, ANewRowIsStampedAndTheNextOneIsPrepared) {
    TransactionEntry e(*dm, 7);
    EXPECT_EQ(e.row().benefit, QStringLiteral("B"));
    EXPECT_FALSE(e.isModified());
    fillValid(e, 3);
    e.row().candidateId = 4;
    e.row().amount = money("12.34");
    e.row().transMemo = QStringLiteral("FLYERS");
    const TransactionEntry::SaveOutcome out = e.save(QStringLiteral("ACME PRINTING"));
    ASSERT_EQ(out.status, Status::Saved) << env.prompter().texts().join('|').toStdString();
    EXPECT_EQ(out.transId, 1);
    EXPECT_EQ(column(1, "MASTERTRANSID").toInt(), 1);
    EXPECT_EQ(column(1, "FILERID").toString().trimmed(), kFiler);
    EXPECT_EQ(column(1, "DEBITACCOUNTID").toInt(), 100);
    EXPECT_EQ(column(1, "CREDITACCOUNTID").toInt(), 410);
    EXPECT_EQ(column(1, "BENEFIT").toString(), QStringLiteral("B"));
    EXPECT_EQ(column(1, "CANDIDATEID").toInt(), 4);
    EXPECT_EQ(column(1, "AMOUNT").toDouble(), 12.34);
    EXPECT_EQ(column(1, "TRANSTS").toDateTime(), kNow);
    EXPECT_EQ(column(1, "MODIFIED_DATE").toDateTime(), kNow);
    EXPECT_EQ(column(1, "MODIFIED_USER").toString().trimmed(), QStringLiteral("USER"));
    EXPECT_EQ(column(1, "DELETED").toString(), QStringLiteral("F"));
    EXPECT_EQ(sounds.tones, 1);

    // The next row: the date just used, nothing else but the kind's advocacy.
    EXPECT_TRUE(e.row().isNew());
    EXPECT_FALSE(e.isModified());
    EXPECT_EQ(e.row().transDate, kInPeriod);
    EXPECT_TRUE(e.row().amount.isZero());
    EXPECT_EQ(e.row().benefit, QStringLiteral("B"));
    EXPECT_FALSE(e.row().nameId.has_value());
    EXPECT_FALSE(e.row().candidateId.has_value());
    EXPECT_FALSE(e.row().transMemo.has_value());
    EXPECT_EQ(e.rememberedDate(), kInPeriod);
}

TEST_F(TransactionEntryTest, AnInKindContributionExpendedAtOnceWritesItsExpenditure) {
    TransactionEntry e(*dm, 5);
    fillValid(e, 3);
    e.row().transMemo = QStringLiteral("PRINTING");
    e.row().refNo = QStringLiteral("1001");
    ASSERT_TRUE(e.expendImmediately());
    const TransactionEntry::SaveOutcome out = e.save(QStringLiteral("ACME PRINTING"));
    ASSERT_EQ(out.status, Status::Saved) << env.prompter().texts().join('|').toStdString();
    ASSERT_NE(out.expenditureId, 0);
    EXPECT_EQ(rowCount(), 2);
    const int child = out.expenditureId;
    EXPECT_EQ(column(child, "MASTERTRANSID").toInt(), out.transId);
    EXPECT_EQ(column(child, "DEBITACCOUNTID").toInt(), 100);
    EXPECT_EQ(column(child, "CREDITACCOUNTID").toInt(), 510);
    EXPECT_EQ(column(child, "NAMEID").toInt(), 3);
    EXPECT_EQ(column(child, "AMOUNT").toDouble(), 100.0);
    EXPECT_EQ(column(child, "TRANSDATE").toDate(), kInPeriod);
    EXPECT_EQ(column(child, "TRANSMEMO").toString(), QStringLiteral("PRINTING"));
    EXPECT_TRUE(column(child, "REFNO").isNull());

    // Not expended: one row.
    fillValid(e, 3);
    e.setExpendImmediately(false);
    const TransactionEntry::SaveOutcome alone = e.save(QStringLiteral("ACME PRINTING"));
    EXPECT_EQ(alone.status, Status::Saved);
    EXPECT_EQ(alone.expenditureId, 0);
    EXPECT_EQ(rowCount(), 3);
}

TEST_F(TransactionEntryTest, AStoreErrorKeepsTheRowForAnotherTry) {
    addRow(101, 1, 210, 100, "25");
    TransactionEntry e(*dm, 0);
    ASSERT_TRUE(e.startEdit(101));
    e.row().amount = money("30");
    // Gone from under the window.
    env.exec(QStringLiteral("DELETE FROM TRANSACT WHERE TRANSID = 101"));
    EXPECT_EQ(e.save(QStringLiteral("SMITH, JOHN")).status, Status::Failed);
    EXPECT_EQ(env.prompter().texts(),
              QStringList{QStringLiteral("Error posting transaction !\nThe transaction is no longer in the database.")});
    EXPECT_TRUE(e.isModified());
    EXPECT_EQ(e.row().amount, money("30"));
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(TransactionEntryTest, NameListsHoldTheCommitteesNamesOfTheKindsTypes) {
    addName(8, 8, QStringLiteral("COUNTY PARTY"));
    auto names = [&](const QList<int>& types) {
        QStringList out;
        for (const EntryName& n : ReadEntryNames(*dm, types)) out << n.name + QLatin1Char('/') + n.nameType;
        return out;
    };
    EXPECT_EQ(names({1}), QStringList{QStringLiteral("SMITH, JOHN/Individual")});
    EXPECT_EQ(names({2, 8, 7}), (QStringList{QStringLiteral("BUILDERS PAC/PAC"), QStringLiteral("COUNTY PARTY/Party"),
                                             QStringLiteral("JONES FOR COUNCIL/Candidate Committee")}));
    EXPECT_EQ(names({}).size(), 5);
    EXPECT_EQ(names({-1}).size(), 5);
    EXPECT_EQ(EntryNamesStatement(QStringLiteral("100-0001"), {2, -1, 8}).contains(
                  QStringLiteral("n.Filerid='100-0001' and n.NameTypeID in (2,8)")),
              true);

    const QList<EntryName> list = ReadEntryNames(*dm, {});
    EXPECT_EQ(list.value(FindEntryName(list, QStringLiteral("  acme printing "))).nameId, 3);
    EXPECT_EQ(FindEntryName(list, QStringLiteral("ACME")), -1);
    EXPECT_EQ(FindEntryName(list, QString()), -1);
    EXPECT_EQ(FindEntryName(list, QStringLiteral("ROE, ANN")), -1);  // another committee's
}

TEST(EntryDates, TypedDatesAreReadAsMonthDayYear) {
    struct Case {
        const char* text;
        EntryDateText kind;
        QDate date;
    };
    const Case cases[] = {
        {"02/14/2025", EntryDateText::Valid, QDate(2025, 2, 14)},
        {"__/__/____", EntryDateText::Blank, QDate()},
        {"  /  /    ", EntryDateText::Blank, QDate()},
        {"", EntryDateText::Blank, QDate()},
        {"02/30/2025", EntryDateText::Invalid, QDate()},
        {"2_/14/2025", EntryDateText::Invalid, QDate()},
        {"13/01/2025", EntryDateText::Invalid, QDate()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QDate date(2000, 1, 1);
        EXPECT_EQ(ParseEntryDate(QString::fromLatin1(c.text), &date), c.kind);
        EXPECT_EQ(date, c.date);
    }
    EXPECT_EQ(InvalidDateMessage(QStringLiteral("02/30/2025")), QStringLiteral("'02/30/2025' is not a valid date"));
}
