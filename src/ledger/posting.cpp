#include "ledger/posting.h"

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <functional>
#include <type_traits>

#include "ledger/kinds.h"
#include "ledger/open_lists.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/sounds.h"
#include "shell/opt_data.h"
#include "store/db_error.h"
#include "store/helpers.h"
#include "store/tdm.h"

namespace {

const QString kUser = QStringLiteral("USER");
const QString kFalseFlag = QStringLiteral("F");
const QString kTrueFlag = QStringLiteral("T");

std::function<void(const DbError&)>& engineErrorHandler() {
    static std::function<void(const DbError&)> handler;
    return handler;
}

// A write the engine accepted but that touched no row: the row is gone from the store.
struct RowNotWritten {
    QString message;
};

// --- Column values --------------------------------------------------------------------------

QVariant toVariant(const QString& v) { return v; }
QVariant toVariant(int v) { return v; }
QVariant toVariant(const QDateTime& v) { return v; }
QVariant toVariant(const QDate& v) { return QDateTime(v, QTime(0, 0)); }
QVariant toVariant(Currency v) { return v.toDouble(); }

template <typename T>
QMetaType storedType() {
    if constexpr (std::is_same_v<T, QDate>) return QMetaType::fromType<QDateTime>();
    else return QMetaType::fromType<T>();
}

template <typename T>
QVariant toVariant(const std::optional<T>& v) {
    return v ? toVariant(*v) : QVariant(storedType<T>());
}

void fromVariant(const QVariant& v, QString& out) { out = v.toString().trimmed(); }
void fromVariant(const QVariant& v, int& out) { out = v.toInt(); }
void fromVariant(const QVariant& v, QDateTime& out) { out = v.toDateTime(); }
void fromVariant(const QVariant& v, QDate& out) { out = v.toDateTime().date(); }
void fromVariant(const QVariant& v, Currency& out) { out = Currency::fromVariant(v); }

template <typename T>
void fromVariant(const QVariant& v, std::optional<T>& out) {
    if (v.isNull()) {
        out.reset();
        return;
    }
    if constexpr (std::is_same_v<T, QString>) {
        out = v.toString();  // text is kept as stored, trailing blanks included
    } else {
        T value{};
        fromVariant(v, value);
        out = value;
    }
}

struct Column {
    QString name;
    std::function<QVariant(const TransactionFields&)> get;
    std::function<void(TransactionFields&, const QVariant&)> set;
    std::function<bool(const TransactionFields&, const TransactionFields&)> same;
};

template <typename T>
Column column(const char* name, T TransactionFields::*member) {
    return {QString::fromLatin1(name), [member](const TransactionFields& f) { return toVariant(f.*member); },
            [member](TransactionFields& f, const QVariant& v) { fromVariant(v, f.*member); },
            [member](const TransactionFields& a, const TransactionFields& b) { return a.*member == b.*member; }};
}

// Every column of TRANSACT, in table order.
const QList<Column>& columns() {
    using F = TransactionFields;
    static const QList<Column> list = {
        column("FILERID", &F::filerId),
        column("TRANSID", &F::transId),
        column("TRANSTS", &F::transTs),
        column("MASTERTRANSID", &F::masterTransId),
        column("TRANSDATE", &F::transDate),
        column("AMOUNT", &F::amount),
        column("NAMEID", &F::nameId),
        column("CREDITACCOUNTID", &F::creditAccountId),
        column("DEBITACCOUNTID", &F::debitAccountId),
        column("BENEFIT", &F::benefit),
        column("REFNO", &F::refNo),
        column("RECEIPTNO", &F::receiptNo),
        column("PAID", &F::paid),
        column("EVENTCODE", &F::eventCode),
        column("EVENTDATE", &F::eventDate),
        column("TRANSMEMO", &F::transMemo),
        column("CECSOLICITORNAMEID", &F::cecSolicitorNameId),
        column("DEPOSITBATCH", &F::depositBatch),
        column("MODIFIED_DATE", &F::modifiedDate),
        column("MODIFIED_USER", &F::modifiedUser),
        column("CLEARED", &F::cleared),
        column("DELETED", &F::deleted),
        column("CANDIDATEID", &F::candidateId),
        column("STARTDATE", &F::startDate),
        column("ENDDATE", &F::endDate),
        column("MEDIATYPE", &F::mediaType),
        column("ENTITYID", &F::entityId),
    };
    return list;
}

std::optional<QString> textOrNull(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    return text;
}

// --- Statements -----------------------------------------------------------------------------

QSqlQuery prepared(Tdm& dm, const QString& sql) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) throw DbError::fromSql(q.lastError());
    return q;
}

void run(QSqlQuery& q) {
    if (!q.exec()) throw DbError::fromSql(q.lastError());
}

// Several statements that stand or fall together. When the caller already has a transaction
// open, the statements join it and the caller decides.
class UnitOfWork {
public:
    explicit UnitOfWork(Tdm& dm) : dm_(dm), own_(dm.db().transaction()) {}
    ~UnitOfWork() {
        if (own_ && !done_) dm_.db().rollback();
    }
    UnitOfWork(const UnitOfWork&) = delete;
    UnitOfWork& operator=(const UnitOfWork&) = delete;
    void commit() {
        done_ = true;
        if (own_ && !dm_.db().commit()) {
            const DbError e = DbError::fromSql(dm_.db().lastError());
            dm_.db().rollback();
            throw e;
        }
    }

private:
    Tdm& dm_;
    bool own_;
    bool done_ = false;
};

void insertRow(Tdm& dm, const TransactionFields& row) {
    QStringList names;
    QStringList params;
    for (const Column& c : columns()) {
        names << c.name;
        params << QLatin1Char(':') + c.name;
    }
    QSqlQuery q = prepared(dm, QStringLiteral("INSERT INTO TRANSACT (%1) VALUES (%2)")
                                   .arg(names.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))));
    for (const Column& c : columns()) q.bindValue(QLatin1Char(':') + c.name, c.get(row));
    run(q);
}

// Writes the columns that differ from the values read; the row is found by the TRANSID it was
// read with, within the open committee. The committee of a row is never changed here.
void updateRow(Tdm& dm, const TransactionFields& row, const TransactionFields& original) {
    QStringList assignments;
    QList<const Column*> changed;
    for (const Column& c : columns()) {
        if (c.name == QLatin1String("FILERID") || c.same(row, original)) continue;
        changed << &c;
        assignments << c.name + QStringLiteral(" = :") + c.name;
    }
    if (changed.isEmpty()) return;
    QSqlQuery q = prepared(dm, QStringLiteral("UPDATE TRANSACT SET %1 WHERE FILERID = :KEY_FILERID AND TRANSID = :KEY_TRANSID")
                                   .arg(assignments.join(QStringLiteral(", "))));
    for (const Column* c : changed) q.bindValue(QLatin1Char(':') + c->name, c->get(row));
    q.bindValue(QStringLiteral(":KEY_FILERID"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":KEY_TRANSID"), original.transId);
    run(q);
    if (q.numRowsAffected() != 1)
        throw RowNotWritten{QStringLiteral("The transaction is no longer in the database.")};
}

// A new settling or complete row as the insert routines write it.
TransactionFields settlingRow(Tdm& dm, int transId, int masterId, int nameId, int fromAccount, int toAccount,
                              const QString& checkNumber, const QString& memo, Currency amount, const QDate& date) {
    const QDateTime now = Clock::now();
    TransactionFields row;
    row.filerId = dm.currentFilerId();
    row.transId = transId;
    row.transTs = now;
    row.masterTransId = masterId == 0 ? transId : masterId;
    row.transDate = date;
    row.amount = amount;
    row.nameId = nameId;
    row.debitAccountId = fromAccount;
    row.creditAccountId = toAccount;
    row.refNo = textOrNull(checkNumber);
    row.transMemo = textOrNull(memo);
    row.deleted = kFalseFlag;
    row.modifiedDate = now;
    row.modifiedUser = kUser;
    return row;
}

// An amount in ten-thousandths of a dollar, computed by the engine in integers so that sums of
// the stored floating amounts come out exact.
QString exactAmount(const QString& alias) {
    return QStringLiteral("CAST(ROUND(%1.AMOUNT * 10000, 0) AS BIGINT)").arg(alias);
}

Currency exactValue(QSqlQuery& q) {
    run(q);
    if (!q.next() || q.value(0).isNull()) return Currency();
    return Currency::fromRaw(q.value(0).toLongLong());
}

void setPaidFlag(Tdm& dm, int transId, bool paid, int fromAccount, int toAccount) {
    QSqlQuery q = prepared(dm, QStringLiteral("UPDATE TRANSACT SET PAID = :PAID, MODIFIED_DATE = :MODIFIED_DATE, "
                                              "MODIFIED_USER = :MODIFIED_USER WHERE FILERID = :FILERID AND "
                                              "TRANSID = :TRANSID AND DEBITACCOUNTID = :FROMACCOUNT AND "
                                              "CREDITACCOUNTID = :TOACCOUNT"));
    q.bindValue(QStringLiteral(":PAID"), paid ? kTrueFlag : kFalseFlag);
    q.bindValue(QStringLiteral(":MODIFIED_DATE"), Clock::now());
    q.bindValue(QStringLiteral(":MODIFIED_USER"), kUser);
    q.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID"), transId);
    q.bindValue(QStringLiteral(":FROMACCOUNT"), fromAccount);
    q.bindValue(QStringLiteral(":TOACCOUNT"), toAccount);
    run(q);
}

// The master of the committee's row when the row has the given pair.
std::optional<int> masterOf(Tdm& dm, int transId, int fromAccount, int toAccount) {
    QSqlQuery q = prepared(dm, QStringLiteral("SELECT MASTERTRANSID FROM TRANSACT WHERE FILERID = :FILERID AND "
                                              "TRANSID = :TRANSID AND DEBITACCOUNTID = :FROMACCOUNT AND "
                                              "CREDITACCOUNTID = :TOACCOUNT"));
    q.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID"), transId);
    q.bindValue(QStringLiteral(":FROMACCOUNT"), fromAccount);
    q.bindValue(QStringLiteral(":TOACCOUNT"), toAccount);
    run(q);
    if (!q.next()) return std::nullopt;
    return q.value(0).toInt();
}

// Deletes one row of the given pair, when it is one; true when a row went.
bool deleteRowOfPair(Tdm& dm, int transId, int fromAccount, int toAccount) {
    QSqlQuery q = prepared(dm, QStringLiteral("DELETE FROM TRANSACT WHERE FILERID = :FILERID AND TRANSID = :TRANSID "
                                              "AND DEBITACCOUNTID = :FROMACCOUNT AND CREDITACCOUNTID = :TOACCOUNT"));
    q.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID"), transId);
    q.bindValue(QStringLiteral(":FROMACCOUNT"), fromAccount);
    q.bindValue(QStringLiteral(":TOACCOUNT"), toAccount);
    run(q);
    return q.numRowsAffected() > 0;
}

void afterDelete(Tdm& dm) {
    // A deleted row leaves no modification stamp behind, so from now on every row counts as changed.
    dm.resetChangeCutoff();
    Sounds::deleted(dm.opt().Sounds);
    RefreshOpenLists(dm);
}

// Deletes a payment or credit (the pair given) and sets the master's PAID from what is left.
bool deleteSettlingRow(Tdm& dm, int transId, int fromAccount, int toAccount, bool bill) {
    try {
        const std::optional<int> master = masterOf(dm, transId, fromAccount, toAccount);
        if (!master) return false;
        UnitOfWork work(dm);
        if (!deleteRowOfPair(dm, transId, fromAccount, toAccount)) return false;
        if (bill) SetBillPaid(dm, *master, BillBalance(dm, *master).isZero());
        else SetDebtPaid(dm, *master, DebtBalance(dm, *master).isZero());
        work.commit();
    } catch (const DbError&) {
        dm.prompter().error(QStringLiteral("Error deleting transaction !"));
        return false;
    }
    afterDelete(dm);
    return true;
}

// Writes a payment of a bill or debt, not 0 and not more than its balance, and sets its PAID.
InsertResult insertPayment(Tdm& dm, bool bill, int masterId, int nameId, const QString& checkNumber,
                           const QString& memo, Currency amount, const QDate& date) {
    if (amount.isZero()) return {kInsertRefused, 0};
    int transId = 0;
    try {
        const Currency balance = bill ? BillBalance(dm, masterId) : DebtBalance(dm, masterId);
        if (amount > balance) return {kInsertRefused, 0};
        UnitOfWork work(dm);
        transId = NextID(dm, QStringLiteral("Transact"), QStringLiteral("Transid"));
        insertRow(dm, settlingRow(dm, transId, masterId, nameId, Account::kCash,
                                  bill ? Account::kBills : Account::kPreviousDebts, checkNumber, memo, amount, date));
        const bool paid = amount == balance;
        if (bill) SetBillPaid(dm, masterId, paid);
        else SetDebtPaid(dm, masterId, paid);
        work.commit();
    } catch (const DbError& e) {
        if (bill) {
            dm.log().write(QStringLiteral("Error adding bill payment transaction. ") + e.message());
            dm.prompter().error(QStringLiteral("Error adding bill paymenent transaction.\n") + e.message());
        } else {
            dm.prompter().error(QStringLiteral("Error adding transaction.\n") + e.message());
        }
        return {kInsertFailed, 0};
    }
    RefreshOpenLists(dm);
    return {kInsertWritten, transId};
}

void postFailed(Tdm& dm, const QString& message) {
    dm.prompter().error(QStringLiteral("Error posting transaction !\n") + message);
}

void engineFailure(Tdm& dm, const DbError& e) {
    if (const auto& handler = engineErrorHandler()) handler(e);
    postFailed(dm, e.message());
}

}  // namespace

std::optional<TransactionRow> ReadTransaction(Tdm& dm, int transId) {
    QSqlQuery q = prepared(dm, QStringLiteral("SELECT * FROM TRANSACT WHERE FILERID = :FILERID AND TRANSID=:TRANSID"));
    q.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID"), transId);
    run(q);
    if (!q.next()) return std::nullopt;
    const QSqlRecord rec = q.record();
    TransactionFields fields;
    for (const Column& c : columns()) {
        const int i = rec.indexOf(c.name);
        if (i >= 0) c.set(fields, q.value(i));
    }
    return TransactionRow::fromStored(fields);
}

void SetEngineErrorHandler(std::function<void(const DbError&)> handler) {
    engineErrorHandler() = std::move(handler);
}

SaveResult SaveTransaction(Tdm& dm, TransactionRow& row, int fromAccount, int toAccount) {
    if (row.isNew()) {
        // Work on a copy, so that a failed save leaves the window's row as it was.
        TransactionRow pending = row;
        pending.filerId = dm.currentFilerId();
        pending.debitAccountId = fromAccount;
        pending.creditAccountId = toAccount;
        try {
            pending.transId = NextID(dm, QStringLiteral("Transact"), QStringLiteral("Transid"));
        } catch (const DbError& e) {
            engineFailure(dm, e);
            return {false, 0};
        }
        pending.transTs = Clock::now();
        if (!PostTransaction(dm, pending)) return {false, 0};
        row = pending;
        return {true, row.transId};
    }
    if (row.hasChanges()) return {PostTransaction(dm, row), row.transId};
    return {false, row.transId};
}

bool PostTransaction(Tdm& dm, TransactionRow& row) {
    if (!row.hasChanges()) return true;
    TransactionRow pending = row;
    pending.modifiedDate = Clock::now();
    pending.modifiedUser = kUser;
    pending.deleted = kFalseFlag;
    if (pending.masterTransId == 0) pending.masterTransId = pending.transId;
    try {
        if (pending.isNew()) {
            pending.filerId = dm.currentFilerId();
            insertRow(dm, pending);
        } else {
            updateRow(dm, pending, pending.original());
        }
    } catch (const DbError& e) {
        engineFailure(dm, e);
        return false;
    } catch (const RowNotWritten& e) {
        postFailed(dm, e.message);
        return false;
    }
    pending.acceptChanges();
    row = pending;
    Sounds::success(dm.opt().Sounds);
    RefreshOpenLists(dm);
    return true;
}

InsertResult InsertTransaction(Tdm& dm, int nameId, int fromAccount, int toAccount, const QString& checkNumber,
                               const QString& memo, int masterId, Currency amount, const QDate& date) {
    if (amount.isZero()) return {kInsertRefused, 0};
    int transId = 0;
    try {
        transId = NextID(dm, QStringLiteral("Transact"), QStringLiteral("Transid"));
        insertRow(dm, settlingRow(dm, transId, masterId, nameId, fromAccount, toAccount, checkNumber, memo, amount,
                                  date));
    } catch (const DbError& e) {
        dm.prompter().error(QStringLiteral("Error adding transaction.\n") + e.message());
        return {kInsertFailed, 0};
    }
    RefreshOpenLists(dm);
    return {kInsertWritten, transId};
}

bool DeleteTransaction(Tdm& dm, int transId) {
    try {
        // The children of the row: rows it is the master of, itself excepted.
        QSqlQuery children = prepared(dm, QStringLiteral("SELECT COUNT(*) FROM TRANSACT WHERE FILERID = :FILERID AND "
                                                         "MASTERTRANSID = :TRANSID AND MASTERTRANSID <> TRANSID"));
        children.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
        children.bindValue(QStringLiteral(":TRANSID"), transId);
        run(children);
        if (children.next() && children.value(0).toInt() > 0) {
            dm.prompter().error(QStringLiteral("Transaction linked to another transaction.\nDelete linked transaction first !"));
            return false;
        }
        QSqlQuery del = prepared(dm, QStringLiteral("DELETE FROM TRANSACT WHERE FILERID = :FILERID AND TRANSID = :TRANSID"));
        del.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
        del.bindValue(QStringLiteral(":TRANSID"), transId);
        run(del);
        if (del.numRowsAffected() < 1) return false;
    } catch (const DbError&) {
        dm.prompter().error(QStringLiteral("Error deleting transaction !"));
        return false;
    }
    afterDelete(dm);
    return true;
}

Currency BillBalance(Tdm& dm, int transId) {
    QSqlQuery q = prepared(
        dm, QStringLiteral("SELECT %1 - COALESCE((SELECT SUM(%2) FROM TRANSACT C WHERE C.FILERID = T.FILERID AND "
                           "C.MASTERTRANSID = T.TRANSID AND C.CREDITACCOUNTID = 400 AND "
                           "(C.DEBITACCOUNTID = 700 OR C.DEBITACCOUNTID = 100)), 0) "
                           "FROM TRANSACT T WHERE T.FILERID = :FILERID AND T.TRANSID = :TRANSID AND "
                           "T.DEBITACCOUNTID = 400 AND T.CREDITACCOUNTID = 700")
                .arg(exactAmount(QStringLiteral("T")), exactAmount(QStringLiteral("C"))));
    q.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID"), transId);
    return exactValue(q);
}

void SetBillPaid(Tdm& dm, int transId, bool paid) {
    setPaidFlag(dm, transId, paid, Account::kBills, Account::kAccountsPayable);
}

void RefreshBillPaid(Tdm& dm, int transId) {
    const std::optional<TransactionRow> row = ReadTransaction(dm, transId);
    if (!row) return;
    const int from = row->debitAccountId;
    const int to = row->creditAccountId;
    int bill = 0;
    if (from == Account::kBills && to == Account::kAccountsPayable) bill = row->transId;
    else if ((from == Account::kCash || from == Account::kAccountsPayable) && to == Account::kBills)
        bill = row->masterTransId;
    else return;
    SetBillPaid(dm, bill, BillBalance(dm, bill).isZero());
}

InsertResult InsertBillPayment(Tdm& dm, int billId, int nameId, const QString& checkNumber, const QString& memo,
                               Currency amount, const QDate& date) {
    return insertPayment(dm, true, billId, nameId, checkNumber, memo, amount, date);
}

bool DeleteBillPayment(Tdm& dm, int transId) {
    return deleteSettlingRow(dm, transId, Account::kCash, Account::kBills, true);
}

bool DeleteVendorCredit(Tdm& dm, int transId) {
    return deleteSettlingRow(dm, transId, Account::kAccountsPayable, Account::kBills, true);
}

Currency DebtBalance(Tdm& dm, int transId) {
    QSqlQuery q = prepared(
        dm, QStringLiteral("SELECT COALESCE((SELECT %1 FROM TRANSACT T WHERE T.FILERID = :FILERID1 AND "
                           "T.TRANSID = :TRANSID1 AND T.DEBITACCOUNTID = 630 AND T.CREDITACCOUNTID = 1), 0) - "
                           "COALESCE((SELECT SUM(%2) FROM TRANSACT C WHERE C.FILERID = :FILERID2 AND "
                           "C.MASTERTRANSID = :TRANSID2 AND C.DEBITACCOUNTID = 100 AND C.CREDITACCOUNTID = 630), 0) "
                           "FROM RDB$DATABASE")
                .arg(exactAmount(QStringLiteral("T")), exactAmount(QStringLiteral("C"))));
    q.bindValue(QStringLiteral(":FILERID1"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID1"), transId);
    q.bindValue(QStringLiteral(":FILERID2"), dm.currentFilerId());
    q.bindValue(QStringLiteral(":TRANSID2"), transId);
    return exactValue(q);
}

void SetDebtPaid(Tdm& dm, int transId, bool paid) {
    setPaidFlag(dm, transId, paid, Account::kPreviousDebts, Account::kPreviousDebtCounterpart);
}

InsertResult InsertDebtPayment(Tdm& dm, int debtId, int nameId, const QString& checkNumber, const QString& memo,
                               Currency amount, const QDate& date) {
    return insertPayment(dm, false, debtId, nameId, checkNumber, memo, amount, date);
}

bool DeleteDebtPayment(Tdm& dm, int transId) {
    return deleteSettlingRow(dm, transId, Account::kCash, Account::kPreviousDebts, false);
}

Currency SumTransactions(Tdm& dm, int fromAccount, int toAccount, const QDate& beginDate, const QDate& endDate) {
    QString sql = QStringLiteral("SELECT SUM(%1) FROM TRANSACT T WHERE T.FILERID = :FILERID").arg(exactAmount(QStringLiteral("T")));
    if (fromAccount != 0) sql += QStringLiteral(" AND T.DEBITACCOUNTID = :FROMACCOUNT");
    if (toAccount != 0) sql += QStringLiteral(" AND T.CREDITACCOUNTID = :TOACCOUNT");
    sql += QStringLiteral(" AND T.TRANSDATE >= :BEGINDATE AND T.TRANSDATE < :DAYAFTEREND");
    QSqlQuery q = prepared(dm, sql);
    q.bindValue(QStringLiteral(":FILERID"), dm.currentFilerId());
    if (fromAccount != 0) q.bindValue(QStringLiteral(":FROMACCOUNT"), fromAccount);
    if (toAccount != 0) q.bindValue(QStringLiteral(":TOACCOUNT"), toAccount);
    q.bindValue(QStringLiteral(":BEGINDATE"), QDateTime(beginDate, QTime(0, 0)));
    q.bindValue(QStringLiteral(":DAYAFTEREND"), QDateTime(endDate.addDays(1), QTime(0, 0)));
    return exactValue(q);
}
