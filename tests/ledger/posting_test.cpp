#include <gtest/gtest.h>

#include <QFile>
#include <QObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QtEndian>
#include <ostream>

#include "entry_fixture.h"
#include "ledger/open_lists.h"
#include "ledger/periods.h"
#include "ledger/posting.h"
#include "platform/clock.h"
#include "platform/sounds.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/sql_text.h"
#include "support/test_env.h"

inline void PrintTo(const Currency& c, std::ostream* os) { *os << c.formattedPlain().toStdString(); }

namespace {

class CountingPlayer : public SoundPlayer {
public:
    void playTones(const QList<Tone>& t) override { tones << t; }
    void beep() override { ++beeps; }
    QList<QList<Tone>> tones;
    int beeps = 0;
};

// Two committees in one database: the open one and another whose rows must never be touched.
class PostingTest : public ::testing::Test {
protected:
    static inline const QString kFiler = QStringLiteral("100-0001");
    static inline const QString kOther = QStringLiteral("200-0002");
    static inline const QDateTime kNow = QDateTime(QDate(2025, 5, 6), QTime(14, 5, 9));

    void SetUp() override {
        env.addCommittee(kFiler, QStringLiteral("Smith for Mayor"));
        env.addCommittee(kOther, QStringLiteral("Jones for Council"));
        dm = &env.openTdm();
        dm->opt().LastOrg = kFiler;
        dm->opt().Sounds = false;
        Clock::setFixed(kNow);
        Sounds::setPlayer(&player);
        OpenLists::add(&listWindow, [this] { ++rereads; });
    }
    void TearDown() override {
        Sounds::setPlayer(nullptr);
        SetEngineErrorHandler({});
        OpenLists::remove(&listWindow);
    }

    void addName(int nameId, const QString& name, const QString& filer = kFiler) {
        env.addName(filer, nameId, 4, name);
    }
    // A row written as the program stores it; `master` 0 makes it its own master.
    void addRow(int transId, int from, int to, const QString& amount, const QDate& date = QDate(2025, 3, 1),
                int master = 0, const QString& filer = kFiler) {
        env.addTransaction(filer, transId, 1, from, to, amount, date, master);
    }
    QVariant column(int transId, const QString& name, const QString& filer = kFiler) {
        return TransactColumn(env, filer, transId, name);
    }
    int rowCount(const QString& filer = kFiler) { return TransactCount(env, filer); }
    QString paid(int transId, const QString& filer = kFiler) {
        const QVariant v = column(transId, QStringLiteral("PAID"), filer);
        return v.isNull() ? QStringLiteral("<null>") : v.toString();
    }
    QStringList errors() {
        QStringList out;
        for (const auto& m : env.prompter().messages())
            if (m.kind == Prompter::Kind::Error) out << m.text;
        return out;
    }
    static Currency dollars(const char* text) { return ParseMoney(text); }

    TestEnv env;
    Tdm* dm = nullptr;
    CountingPlayer player;
    QObject listWindow;
    int rereads = 0;
};

const QString kLinked = QStringLiteral("Transaction linked to another transaction.\nDelete linked transaction first !");

// --- Bills and vendor credits -----------------------------------------------------------------

TEST_F(PostingTest, BillPaymentsAndCreditsKeepBalanceAndPaidFlag) {
    addRow(1, 400, 700, QStringLiteral("100.30"));  // the bill
    ASSERT_EQ(paid(1), QStringLiteral("<null>"));
    EXPECT_EQ(BillBalance(*dm, 1), dollars("100.30"));

    // Nothing and too much are refused without a word or a row.
    for (const char* amount : {"0", "100.31"}) {
        const InsertResult r = InsertBillPayment(*dm, 1, 7, QStringLiteral("1001"), QStringLiteral("Printing"),
                                                 dollars(amount), QDate(2025, 3, 5));
        EXPECT_EQ(r.code, kInsertRefused) << amount;
        EXPECT_EQ(r.transId, 0);
    }
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(paid(1), QStringLiteral("<null>"));
    EXPECT_TRUE(env.prompter().messages().isEmpty());

    const InsertResult first = InsertBillPayment(*dm, 1, 7, QStringLiteral("1001"), QStringLiteral("Printing"),
                                                 dollars("40.10"), QDate(2025, 3, 5));
    ASSERT_EQ(first.code, kInsertWritten);
    EXPECT_EQ(first.transId, 2);
    EXPECT_EQ(paid(1), QStringLiteral("F"));
    EXPECT_EQ(BillBalance(*dm, 1), dollars("60.20"));
    EXPECT_EQ(rereads, 1);
    const std::optional<TransactionRow> payment = ReadTransaction(*dm, first.transId);
    ASSERT_TRUE(payment);
    EXPECT_EQ(payment->masterTransId, 1);
    EXPECT_EQ(payment->debitAccountId, 100);
    EXPECT_EQ(payment->creditAccountId, 400);
    EXPECT_EQ(payment->nameId, 7);
    EXPECT_EQ(payment->refNo, QStringLiteral("1001"));
    EXPECT_EQ(payment->transMemo, QStringLiteral("Printing"));
    EXPECT_EQ(payment->transDate, QDate(2025, 3, 5));
    EXPECT_EQ(payment->amount, dollars("40.10"));
    EXPECT_EQ(payment->transTs, kNow);
    EXPECT_EQ(payment->modifiedDate, kNow);
    EXPECT_EQ(payment->modifiedUser, QStringLiteral("USER"));
    EXPECT_EQ(payment->deleted, QStringLiteral("F"));
    EXPECT_FALSE(payment->paid);

    // A vendor credit is a plain insert: it lowers the balance and leaves PAID alone.
    const InsertResult credit = InsertTransaction(*dm, 7, 700, 400, QString(), QStringLiteral("Credit"), 1,
                                                  dollars("10.00"), QDate(2025, 3, 6));
    ASSERT_EQ(credit.code, kInsertWritten);
    EXPECT_EQ(BillBalance(*dm, 1), dollars("50.20"));
    EXPECT_EQ(paid(1), QStringLiteral("F"));

    // The bill has children: the link rule keeps it.
    EXPECT_FALSE(DeleteTransaction(*dm, 1));
    EXPECT_EQ(errors(), QStringList{kLinked});
    EXPECT_EQ(rowCount(), 3);

    EXPECT_EQ(InsertBillPayment(*dm, 1, 7, {}, {}, dollars("50.21"), QDate(2025, 3, 7)).code, kInsertRefused);
    const InsertResult rest = InsertBillPayment(*dm, 1, 7, {}, {}, dollars("50.20"), QDate(2025, 3, 7));
    ASSERT_EQ(rest.code, kInsertWritten);
    EXPECT_EQ(paid(1), QStringLiteral("T"));
    EXPECT_TRUE(BillBalance(*dm, 1).isZero());

    EXPECT_TRUE(DeleteBillPayment(*dm, rest.transId));
    EXPECT_EQ(paid(1), QStringLiteral("F"));
    EXPECT_TRUE(DeleteVendorCredit(*dm, credit.transId));
    EXPECT_EQ(BillBalance(*dm, 1), dollars("60.20"));
    EXPECT_EQ(paid(1), QStringLiteral("F"));
    // Each routine deletes only its own kind of row.
    EXPECT_FALSE(DeleteVendorCredit(*dm, first.transId));
    EXPECT_FALSE(DeleteBillPayment(*dm, 1));
    EXPECT_EQ(rowCount(), 2);
    EXPECT_TRUE(DeleteBillPayment(*dm, first.transId));

    EXPECT_TRUE(DeleteTransaction(*dm, 1));
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(errors(), QStringList{kLinked});
}

TEST_F(PostingTest, RefreshBillPaidFindsTheBillFromAnyOfItsRows) {
    addRow(1, 400, 700, QStringLiteral("80"));
    addRow(2, 100, 400, QStringLiteral("30"), QDate(2025, 3, 2), 1);  // payment
    addRow(3, 700, 400, QStringLiteral("50"), QDate(2025, 3, 3), 1);  // credit
    addRow(4, 210, 100, QStringLiteral("25"));                        // a contribution
    addRow(5, 400, 700, QStringLiteral("10"));                        // a second, open bill

    for (int row : {1, 2, 3}) {
        env.exec(QStringLiteral("UPDATE TRANSACT SET PAID = NULL WHERE TRANSID = 1"));
        RefreshBillPaid(*dm, row);
        EXPECT_EQ(paid(1), QStringLiteral("T")) << "from row " << row;
    }
    RefreshBillPaid(*dm, 5);
    EXPECT_EQ(paid(5), QStringLiteral("F"));
    RefreshBillPaid(*dm, 4);
    EXPECT_EQ(paid(4), QStringLiteral("<null>"));

    // Only bills carry the flag.
    SetBillPaid(*dm, 4, true);
    EXPECT_EQ(paid(4), QStringLiteral("<null>"));
    EXPECT_TRUE(BillBalance(*dm, 4).isZero());
}

TEST_F(PostingTest, FailedBillPaymentWritesNothing) {
    addRow(1, 400, 700, QStringLiteral("100"));
    const InsertResult r = InsertBillPayment(*dm, 1, 7, {}, QString(71, QLatin1Char('m')), dollars("100"),
                                             QDate(2025, 3, 5));
    EXPECT_EQ(r.code, kInsertFailed);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(paid(1), QStringLiteral("<null>"));
    ASSERT_EQ(errors().size(), 1);
    const QString prefix = QStringLiteral("Error adding bill paymenent transaction.\n");
    EXPECT_TRUE(errors().first().startsWith(prefix));
    EXPECT_GT(errors().first().size(), prefix.size());

    QFile log(dm->log().currentFileName());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(QStringLiteral("Error adding bill payment transaction. ")));
}

// --- Transferred debts ------------------------------------------------------------------------

TEST_F(PostingTest, DebtPaymentsKeepBalanceAndPaidFlag) {
    addRow(1, 630, 1, QStringLiteral("500"));
    EXPECT_EQ(DebtBalance(*dm, 1), dollars("500"));

    for (const char* amount : {"0", "500.01"})
        EXPECT_EQ(InsertDebtPayment(*dm, 1, 3, {}, {}, dollars(amount), QDate(2025, 4, 1)).code, kInsertRefused);
    EXPECT_EQ(rowCount(), 1);

    const InsertResult part = InsertDebtPayment(*dm, 1, 3, QStringLiteral("55"), QStringLiteral("Old debt"),
                                                dollars("199.99"), QDate(2025, 4, 1));
    ASSERT_EQ(part.code, kInsertWritten);
    EXPECT_EQ(paid(1), QStringLiteral("F"));
    EXPECT_EQ(column(part.transId, QStringLiteral("DEBITACCOUNTID")).toInt(), 100);
    EXPECT_EQ(column(part.transId, QStringLiteral("CREDITACCOUNTID")).toInt(), 630);
    EXPECT_EQ(column(part.transId, QStringLiteral("MASTERTRANSID")).toInt(), 1);

    const InsertResult rest = InsertDebtPayment(*dm, 1, 3, {}, {}, dollars("300.01"), QDate(2025, 4, 2));
    ASSERT_EQ(rest.code, kInsertWritten);
    EXPECT_EQ(paid(1), QStringLiteral("T"));
    EXPECT_TRUE(DebtBalance(*dm, 1).isZero());

    EXPECT_FALSE(DeleteTransaction(*dm, 1));
    EXPECT_EQ(errors(), QStringList{kLinked});

    EXPECT_TRUE(DeleteDebtPayment(*dm, rest.transId));
    EXPECT_EQ(paid(1), QStringLiteral("F"));
    EXPECT_EQ(DebtBalance(*dm, 1), dollars("300.01"));
    EXPECT_TRUE(DeleteDebtPayment(*dm, part.transId));
    EXPECT_TRUE(DeleteTransaction(*dm, 1));
    EXPECT_EQ(rowCount(), 0);
}

// --- Deleting ---------------------------------------------------------------------------------

TEST_F(PostingTest, DeleteFollowsTheLinkRuleAndMarksDataChanged) {
    addRow(1, 210, 100, QStringLiteral("25"));                        // standalone
    addRow(2, 500, 100, QStringLiteral("40"));                        // in-kind contribution
    addRow(3, 100, 510, QStringLiteral("40"), QDate(2025, 3, 2), 2);  // its expenditure
    dm->setChangeCutoff(kNow);
    ASSERT_FALSE(dm->changedSinceCutoff());

    EXPECT_FALSE(DeleteTransaction(*dm, 2));
    EXPECT_EQ(dm->changeCutoff(), kNow);
    EXPECT_EQ(rereads, 0);

    // A master is not its own child.
    EXPECT_TRUE(DeleteTransaction(*dm, 1));
    EXPECT_EQ(dm->changeCutoff(), QDateTime(QDate(1960, 1, 1), QTime(0, 0)));
    EXPECT_TRUE(dm->changedSinceCutoff());
    EXPECT_EQ(rereads, 1);

    EXPECT_TRUE(DeleteTransaction(*dm, 3));
    EXPECT_TRUE(DeleteTransaction(*dm, 2));
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(errors(), QStringList{kLinked});
    // Nothing to delete is not reported as a deletion.
    EXPECT_FALSE(DeleteTransaction(*dm, 2));
}

// --- Saving and posting -----------------------------------------------------------------------

TEST_F(PostingTest, SavesANewRowAndEditsIt) {
    addRow(4, 210, 100, QStringLiteral("1"), QDate(2025, 1, 1), 0, kOther);  // TRANSIDs are per committee

    TransactionRow row = TransactionRow::newRow();
    row.nameId = 7;
    row.transDate = QDate(2025, 3, 9);
    row.amount = dollars("250.00");
    row.transMemo = QStringLiteral("Dinner");
    row.eventDate = QDate(2025, 3, 8);
    ASSERT_TRUE(row.hasChanges());

    const SaveResult saved = SaveTransaction(*dm, row, 210, 100);
    ASSERT_TRUE(saved.saved);
    EXPECT_EQ(saved.transId, 1);
    EXPECT_FALSE(row.isNew());
    EXPECT_FALSE(row.hasChanges());
    EXPECT_EQ(rereads, 1);

    const std::optional<TransactionRow> stored = ReadTransaction(*dm, 1);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->fields(), row.fields());
    EXPECT_EQ(stored->filerId, kFiler);
    EXPECT_EQ(stored->masterTransId, 1);
    EXPECT_EQ(stored->debitAccountId, 210);
    EXPECT_EQ(stored->creditAccountId, 100);
    EXPECT_EQ(stored->transTs, kNow);
    EXPECT_EQ(stored->modifiedUser, QStringLiteral("USER"));
    EXPECT_EQ(stored->deleted, QStringLiteral("F"));
    EXPECT_EQ(stored->eventDate, QDate(2025, 3, 8));
    EXPECT_FALSE(stored->refNo);
    EXPECT_FALSE(stored->paid);

    // An edited row without changes is not saved.
    TransactionRow edit = *stored;
    EXPECT_FALSE(SaveTransaction(*dm, edit, 999, 999).saved);
    EXPECT_EQ(rereads, 1);

    // Meanwhile another routine sets a column the window does not show; the edit keeps it.
    env.exec(QStringLiteral("UPDATE TRANSACT SET CLEARED = 'Y' WHERE FILERID = '100-0001' AND TRANSID = 1"));
    const QDateTime later = kNow.addSecs(60);
    Clock::setFixed(later);
    edit.amount = dollars("275.55");
    edit.refNo = QStringLiteral("3003");
    const SaveResult edited = SaveTransaction(*dm, edit, 999, 999);
    EXPECT_TRUE(edited.saved);
    EXPECT_EQ(edited.transId, 1);
    EXPECT_FALSE(edit.hasChanges());
    EXPECT_EQ(column(1, QStringLiteral("AMOUNT")).toDouble(), 275.55);
    EXPECT_EQ(column(1, QStringLiteral("REFNO")).toString(), QStringLiteral("3003"));
    EXPECT_EQ(column(1, QStringLiteral("DEBITACCOUNTID")).toInt(), 210);
    EXPECT_EQ(column(1, QStringLiteral("CLEARED")).toString(), QStringLiteral("Y"));
    EXPECT_EQ(column(1, QStringLiteral("MODIFIED_DATE")).toDateTime(), later);
    EXPECT_EQ(column(1, QStringLiteral("TRANSTS")).toDateTime(), kNow);
    EXPECT_EQ(rowCount(kOther), 1);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(PostingTest, FailedPostLeavesThePendingRowForARetry) {
    QList<QString> browsed;
    SetEngineErrorHandler([&](const DbError& e) { browsed << e.message(); });

    TransactionRow row = TransactionRow::newRow();
    row.nameId = 12345;  // a name that does not exist is accepted
    row.transDate = QDate(2025, 3, 9);
    row.amount = dollars("10");
    row.transMemo = QString(71, QLatin1Char('x'));
    const TransactionRow before = row;

    EXPECT_FALSE(SaveTransaction(*dm, row, 210, 100).saved);
    EXPECT_EQ(row.fields(), before.fields());
    EXPECT_TRUE(row.isNew());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(rereads, 0);
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().first().startsWith(QStringLiteral("Error posting transaction !\n")));
    ASSERT_EQ(browsed.size(), 1);
    EXPECT_EQ(errors().first(), QStringLiteral("Error posting transaction !\n") + browsed.first());

    row.transMemo = QString(70, QLatin1Char('x'));
    const SaveResult retry = SaveTransaction(*dm, row, 210, 100);
    ASSERT_TRUE(retry.saved);
    EXPECT_EQ(retry.transId, 1);

    // The same for an edit: neither the row nor the store changes.
    TransactionRow edit = *ReadTransaction(*dm, 1);
    Clock::setFixed(kNow.addSecs(60));
    edit.amount = dollars("11");
    edit.transMemo = QString(80, QLatin1Char('y'));
    const TransactionRow editBefore = edit;
    EXPECT_FALSE(PostTransaction(*dm, edit));
    EXPECT_EQ(edit.fields(), editBefore.fields());
    EXPECT_EQ(edit.original(), editBefore.original());
    EXPECT_TRUE(edit.hasChanges());
    EXPECT_EQ(column(1, QStringLiteral("AMOUNT")).toDouble(), 10.0);
    EXPECT_EQ(errors().size(), 2);

    // A row deleted meanwhile cannot be written back, and that is said.
    env.exec(QStringLiteral("DELETE FROM TRANSACT"));
    edit.transMemo = QStringLiteral("Short");
    EXPECT_FALSE(PostTransaction(*dm, edit));
    EXPECT_EQ(errors().size(), 3);
    EXPECT_TRUE(errors().last().startsWith(QStringLiteral("Error posting transaction !\n")));
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(PostingTest, InsertTransactionWritesCompleteRows) {
    EXPECT_EQ(InsertTransaction(*dm, 5, 210, 100, {}, {}, 0, Currency(), QDate(2025, 3, 1)).code, kInsertRefused);
    EXPECT_EQ(rowCount(), 0);

    const InsertResult own = InsertTransaction(*dm, 5, 100, 210, QStringLiteral("77"), QStringLiteral("Refund"), 0,
                                               dollars("-12.34"), QDate(2025, 3, 1));
    ASSERT_EQ(own.code, kInsertWritten);
    EXPECT_EQ(own.transId, 1);
    EXPECT_EQ(column(1, QStringLiteral("MASTERTRANSID")).toInt(), 1);
    EXPECT_EQ(column(1, QStringLiteral("AMOUNT")).toDouble(), -12.34);
    EXPECT_EQ(column(1, QStringLiteral("REFNO")).toString(), QStringLiteral("77"));

    const InsertResult child = InsertTransaction(*dm, 5, 300, 420, {}, QStringLiteral("Interest"), 1,
                                                 dollars("3.50"), QDate(2025, 3, 2));
    ASSERT_EQ(child.code, kInsertWritten);
    EXPECT_EQ(child.transId, 2);
    EXPECT_EQ(column(2, QStringLiteral("MASTERTRANSID")).toInt(), 1);
    EXPECT_EQ(column(2, QStringLiteral("TRANSDATE")).toDateTime(), QDateTime(QDate(2025, 3, 2), QTime(0, 0)));
    EXPECT_EQ(rereads, 2);

    const InsertResult failed = InsertTransaction(*dm, 5, 100, 210, QStringLiteral("12345678901"), {}, 0,
                                                  dollars("1"), QDate(2025, 3, 1));
    EXPECT_EQ(failed.code, kInsertFailed);
    EXPECT_EQ(rowCount(), 2);
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().first().startsWith(QStringLiteral("Error adding transaction.\n")));
}

// --- Sums -------------------------------------------------------------------------------------

TEST_F(PostingTest, SumTransactionsIsExactOverManyRows) {
    QSqlDatabase& db = dm->db();
    ASSERT_TRUE(db.transaction());
    QSqlQuery q(db);
    ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, "
                                         "AMOUNT, NAMEID, CREDITACCOUNTID, DEBITACCOUNTID, MODIFIED_DATE, "
                                         "MODIFIED_USER, DELETED) VALUES (?, ?, ?, ?, ?, ?, 0, 100, 200, ?, 'USER', 'F')")));
    const QDateTime day(QDate(2025, 2, 1), QTime(0, 0));
    for (int i = 1; i <= 10000; ++i) {
        q.bindValue(0, kFiler);
        q.bindValue(1, i);
        q.bindValue(2, kNow);
        q.bindValue(3, i);
        q.bindValue(4, day);
        q.bindValue(5, 0.10);
        q.bindValue(6, kNow);
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }
    ASSERT_TRUE(db.commit());

    EXPECT_EQ(SumTransactions(*dm, 200, 100, QDate(2025, 1, 1), QDate(2025, 12, 31)), Currency::fromDollars(1000));
}

TEST_F(PostingTest, SumTransactionsSelectsByPairAndDays) {
    addRow(1, 210, 100, QStringLiteral("10.10"), QDate(2025, 1, 1));
    addRow(2, 210, 100, QStringLiteral("20.20"), QDate(2025, 1, 31));
    addRow(3, 220, 100, QStringLiteral("0.0001"), QDate(2025, 1, 15));
    addRow(4, 100, 440, QStringLiteral("5.55"), QDate(2025, 1, 15));
    addRow(5, 210, 100, QStringLiteral("1000"), QDate(2025, 2, 1));
    addRow(6, 210, 100, QStringLiteral("999"), QDate(2024, 12, 31));
    addRow(7, 210, 100, QStringLiteral("777"), QDate(2025, 1, 15), 0, kOther);
    // A stored date with a time of day still counts on its day.
    env.exec(QStringLiteral("UPDATE TRANSACT SET TRANSDATE = '01/31/2025 18:30:00' WHERE TRANSID = 2"));

    const QDate jan1(2025, 1, 1), jan31(2025, 1, 31);
    const struct {
        int from;
        int to;
        const char* expected;
    } cases[] = {
        {210, 100, "30.30"},   {0, 100, "30.3001"}, {220, 0, "0.0001"},
        {0, 0, "35.8501"},     {100, 440, "5.55"},  {440, 100, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SumTransactions(*dm, c.from, c.to, jan1, jan31), dollars(c.expected)) << c.from << " -> " << c.to;
    EXPECT_EQ(SumTransactions(*dm, 210, 100, jan31, jan31), dollars("20.20"));
    EXPECT_TRUE(SumTransactions(*dm, 210, 100, QDate(2026, 1, 1), QDate(2026, 12, 31)).isZero());
}

// --- The open committee only ------------------------------------------------------------------

TEST_F(PostingTest, AnotherCommitteesRowsAreNeverTouched) {
    // The other committee holds rows with the same numbers, children of our numbers among them.
    addRow(1, 400, 700, QStringLiteral("100"));
    addRow(2, 630, 1, QStringLiteral("50"));
    addRow(3, 210, 100, QStringLiteral("5"));
    addRow(1, 400, 700, QStringLiteral("100"), QDate(2025, 3, 1), 0, kOther);
    addRow(2, 630, 1, QStringLiteral("50"), QDate(2025, 3, 1), 0, kOther);
    addRow(3, 210, 100, QStringLiteral("5"), QDate(2025, 3, 1), 0, kOther);
    addRow(10, 100, 400, QStringLiteral("100"), QDate(2025, 3, 2), 1, kOther);
    addRow(11, 100, 630, QStringLiteral("50"), QDate(2025, 3, 2), 2, kOther);
    addRow(12, 100, 510, QStringLiteral("5"), QDate(2025, 3, 2), 3, kOther);

    EXPECT_EQ(BillBalance(*dm, 1), dollars("100"));
    EXPECT_EQ(DebtBalance(*dm, 2), dollars("50"));
    EXPECT_FALSE(ReadTransaction(*dm, 10));
    EXPECT_EQ(SumTransactions(*dm, 0, 0, QDate(2025, 1, 1), QDate(2025, 12, 31)), dollars("155"));

    RefreshBillPaid(*dm, 1);
    EXPECT_EQ(paid(1), QStringLiteral("F"));
    EXPECT_EQ(paid(1, kOther), QStringLiteral("<null>"));
    SetDebtPaid(*dm, 2, true);
    EXPECT_EQ(paid(2, kOther), QStringLiteral("<null>"));

    EXPECT_FALSE(DeleteBillPayment(*dm, 10));
    EXPECT_FALSE(DeleteDebtPayment(*dm, 11));
    EXPECT_FALSE(DeleteTransaction(*dm, 12));
    EXPECT_EQ(InsertTransaction(*dm, 0, 210, 100, {}, {}, 0, dollars("1"), QDate(2025, 3, 3)).transId, 4);

    TransactionRow ours = *ReadTransaction(*dm, 3);
    ours.amount = dollars("6");
    EXPECT_TRUE(PostTransaction(*dm, ours));
    for (int id : {1, 2, 3}) EXPECT_TRUE(DeleteTransaction(*dm, id)) << id;

    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(rowCount(kOther), 6);
    EXPECT_EQ(column(3, QStringLiteral("AMOUNT"), kOther).toDouble(), 5.0);
    EXPECT_TRUE(errors().isEmpty());
}

// --- Sounds -----------------------------------------------------------------------------------

TEST_F(PostingTest, SoundsOnlyWithThePreference) {
    addRow(1, 210, 100, QStringLiteral("1"));
    addRow(2, 210, 100, QStringLiteral("1"));
    for (bool on : {false, true}) {
        player.tones.clear();
        player.beeps = 0;
        dm->opt().Sounds = on;
        TransactionRow row = TransactionRow::newRow();
        row.transDate = QDate(2025, 3, 1);
        row.amount = dollars("1");
        row.nameId = 0;
        ASSERT_TRUE(SaveTransaction(*dm, row, 210, 100).saved);
        ASSERT_TRUE(DeleteTransaction(*dm, on ? 1 : 2));
        if (on) {
            ASSERT_EQ(player.tones.size(), 1);
            ASSERT_EQ(player.tones.first().size(), 2);
            EXPECT_EQ(player.tones.first().at(0).frequencyHz, 1000);
            EXPECT_EQ(player.tones.first().at(0).durationMs, 100);
            EXPECT_EQ(player.tones.first().at(1).frequencyHz, 250);
            EXPECT_EQ(player.tones.first().at(1).durationMs, 100);
            EXPECT_EQ(player.beeps, 1);
        } else {
            EXPECT_TRUE(player.tones.isEmpty());
            EXPECT_EQ(player.beeps, 0);
        }
    }
}

TEST(SoundsWav, HoldsBothTonesAsPcm) {
    const QByteArray wav = Sounds::tonesWav(Sounds::successTones(), 8000);
    // 0.2 s of 16-bit mono samples at 8000 per second after the 44-byte header.
    ASSERT_EQ(wav.size(), 44 + 2 * 1600);
    EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 24), 8000u);
    EXPECT_EQ(wav.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), 3200u);
    // The first tone crosses zero ten times as often as the second in equal time.
    auto crossings = [&](int from, int count) {
        int n = 0;
        for (int i = from + 1; i < from + count; ++i) {
            const qint16 a = qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * (i - 1));
            const qint16 b = qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i);
            if ((a < 0) != (b < 0)) ++n;
        }
        return n;
    };
    EXPECT_NEAR(crossings(0, 800), 200, 4);
    EXPECT_NEAR(crossings(800, 800), 50, 4);
}

// --- Periods ----------------------------------------------------------------------------------

class PeriodTest : public PostingTest {
protected:
    void SetUp() override {
        PostingTest::SetUp();
        // Far-off cycles, clear of the delivered periods.
        addPeriod(2190, 1, QStringLiteral("01/01/2189"), QStringLiteral("06/30/2189"));
        addPeriod(2190, 2, QStringLiteral("07/01/2189"), QStringLiteral("12/31/2189"));
        // Overlaps: the earliest BEGINDATE wins, then the lowest CYCLE, then the lowest PERIODID.
        addPeriod(2192, 1, QStringLiteral("03/01/2189"), QStringLiteral("04/30/2189"));
        addPeriod(2194, 7, QStringLiteral("01/01/2195"), QStringLiteral("12/31/2195"));
        addPeriod(2193, 5, QStringLiteral("01/01/2195"), QStringLiteral("12/31/2195"));
        addPeriod(2193, 4, QStringLiteral("01/01/2195"), QStringLiteral("06/30/2195"));
        addPeriod(2196, 9, QStringLiteral("01/01/2197"), QStringLiteral("12/31/2197"));
        addPeriod(2195, 1, QStringLiteral("06/01/2197"), QStringLiteral("12/31/2197"));
    }
    void addPeriod(int cycle, int period, const QString& begin, const QString& end) {
        env.exec(QStringLiteral("INSERT INTO PERIODS VALUES (%1, %2, 'Test period', '%3', '%4', '%4', '%4', 'N')")
                     .arg(cycle)
                     .arg(period)
                     .arg(begin, end));
    }
};

TEST_F(PeriodTest, EndDayIsInsideTheDayAfterIsNot) {
    const struct {
        QDateTime at;
        bool inFirst;
        bool inSecond;
    } cases[] = {
        {QDateTime(QDate(2189, 1, 1), QTime(0, 0)), true, false},
        {QDateTime(QDate(2188, 12, 31), QTime(23, 59, 59)), false, false},
        {QDateTime(QDate(2189, 6, 30), QTime(0, 0)), true, false},
        {QDateTime(QDate(2189, 6, 30), QTime(23, 59, 59)), true, false},
        {QDateTime(QDate(2189, 7, 1), QTime(0, 0)), false, true},
        {QDateTime(QDate(2189, 12, 31), QTime(17, 0)), false, true},
        {QDateTime(QDate(2190, 1, 1), QTime(0, 0)), false, false},
    };
    for (const auto& c : cases) {
        const std::string label = c.at.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(DateInPeriod(*dm, 2190, 1, c.at), c.inFirst) << label;
        EXPECT_EQ(DateInPeriod(*dm, 2190, 2, c.at), c.inSecond) << label;
    }
    EXPECT_TRUE(DateInPeriod(*dm, 2190, 1, QDate(2189, 6, 30)));
    EXPECT_FALSE(DateInPeriod(*dm, 2190, 1, QDate(2189, 7, 1)));
    EXPECT_FALSE(DateInPeriod(*dm, 2190, 3, QDate(2189, 7, 1)));

    EXPECT_EQ(CycleBeginDate(*dm, 2190), QDate(2189, 1, 1));
    EXPECT_EQ(CycleEndDate(*dm, 2190), QDate(2189, 12, 31));
    EXPECT_FALSE(CycleBeginDate(*dm, 2199).isValid());
    EXPECT_FALSE(CycleEndDate(*dm, 2199).isValid());
}

TEST_F(PeriodTest, PeriodOfDateTakesTheFirstByBeginCycleAndPeriod) {
    const struct {
        QDate date;
        std::pair<int, int> period;
    } cases[] = {
        {QDate(2189, 2, 1), {2190, 1}},
        {QDate(2189, 4, 1), {2190, 1}},  // also in 2192/1, which begins later
        {QDate(2189, 6, 30), {2190, 1}},
        {QDate(2189, 7, 1), {2190, 2}},
        {QDate(2195, 3, 1), {2193, 4}},  // three periods begin that day
        {QDate(2195, 8, 1), {2193, 5}},
        {QDate(2197, 7, 1), {2196, 9}},  // begins first, though its cycle is the higher
        {QDate(2196, 1, 1), {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PeriodOfDate(*dm, c.date), c.period) << c.date.toString(Qt::ISODate).toStdString();
}

TEST_F(PeriodTest, CurrentPeriodCheckCanBeDisabled) {
    dm->opt().CurrentCycle = 2190;
    dm->opt().CurrentPeriod = 2;
    EXPECT_TRUE(DateInCurrentPeriod(*dm, QDate(2189, 12, 31)));
    EXPECT_FALSE(DateInCurrentPeriod(*dm, QDate(2189, 6, 30)));
    EXPECT_FALSE(DateInCurrentPeriod(*dm, QDate(1901, 1, 1)));

    dm->opt().DisablePeriodCheck = true;
    for (const QDate& d : {QDate(2189, 6, 30), QDate(1901, 1, 1), QDate(2300, 5, 5)})
        EXPECT_TRUE(DateInCurrentPeriod(*dm, d)) << d.toString(Qt::ISODate).toStdString();
}

}  // namespace
