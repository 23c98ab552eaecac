#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "store/currency.h"

class DbError;
class Tdm;

// The routines through which every entry window writes TRANSACT. All of them work on the open
// committee (dm.currentFilerId()): every statement is restricted to its FILERID and every new row
// gets it. They talk to the person through dm.prompter() and re-read the open list windows after
// each write.

// The columns of one TRANSACT row. Amounts are Currency; an empty optional is a NULL.
struct TransactionFields {
    QString filerId;
    int transId = 0;
    QDateTime transTs;        // creation stamp
    int masterTransId = 0;    // 0 until posted: posting makes it the row's own TRANSID
    QDate transDate;
    Currency amount;
    std::optional<int> nameId;  // 0 for kinds without a name
    int creditAccountId = 0;    // To account
    int debitAccountId = 0;     // From account
    std::optional<QString> benefit;
    std::optional<QString> refNo;  // check number
    std::optional<QString> receiptNo;
    std::optional<QString> paid;  // "T"/"F" on bills and transferred debts only
    std::optional<QString> eventCode;
    std::optional<QDate> eventDate;
    std::optional<QString> transMemo;
    std::optional<int> cecSolicitorNameId;
    std::optional<QString> depositBatch;
    QDateTime modifiedDate;
    QString modifiedUser;
    std::optional<QString> cleared;
    std::optional<QString> deleted;
    std::optional<int> candidateId;
    std::optional<QDate> startDate;
    std::optional<QDate> endDate;
    std::optional<QString> mediaType;
    std::optional<QString> entityId;

    bool operator==(const TransactionFields&) const = default;
};

// The row an entry window edits: either new, or read from the store with the values it had
// then, so that posting knows whether there is anything to write and which columns changed.
class TransactionRow : public TransactionFields {
public:
    // A new row, not yet in the store.
    static TransactionRow newRow() {
        TransactionRow r;
        r.isNew_ = true;
        return r;
    }
    // A row as read from the store.
    static TransactionRow fromStored(const TransactionFields& stored) {
        TransactionRow r;
        static_cast<TransactionFields&>(r) = stored;
        r.original_ = stored;
        return r;
    }

    bool isNew() const { return isNew_; }
    // A new row always has unsaved changes; a stored one when a value differs from the one read.
    bool hasChanges() const { return isNew_ || fields() != original_; }
    const TransactionFields& original() const { return original_; }
    const TransactionFields& fields() const { return *this; }
    // The current values count as stored from now on.
    void acceptChanges() {
        original_ = fields();
        isNew_ = false;
    }

private:
    bool isNew_ = false;
    TransactionFields original_;
};

// The open committee's row with that TRANSID ("SELECT * FROM TRANSACT WHERE FILERID = :FILERID
// AND TRANSID=:TRANSID"); empty when there is none. Throws DbError when the read fails.
std::optional<TransactionRow> ReadTransaction(Tdm& dm, int transId);

// Engine errors met while posting a row are handed to this handler before the error message is
// shown. The program installs one that shows the database error browser (which ends the
// program); by default nothing happens. An empty function restores the default.
void SetEngineErrorHandler(std::function<void(const DbError&)> handler);

struct SaveResult {
    bool saved = false;
    int transId = 0;  // the TRANSID of the row (of a new row: the one it was given)
};

// Saves the pending row of an entry window. A new row gets the committee, the From and To
// accounts, the next TRANSID and its creation stamp, then is posted; an edited row with changes
// is posted keeping its accounts and TRANSID; an unchanged edited row is not saved. On failure
// the row is left exactly as it was, so the person can correct it and try again.
SaveResult SaveTransaction(Tdm& dm, TransactionRow& row, int fromAccount, int toAccount);

// Stamps and writes the pending row when it has unsaved changes (an unchanged row gives true at
// once): MODIFIED_DATE now, MODIFIED_USER "USER", DELETED 'F', MASTERTRANSID its own TRANSID
// when 0. Then the success tones (preference "Sounds") and the re-read of the open lists.
// A store error: the engine-error handler, then "Error posting transaction !\n" + the error;
// false, and the row is left as it was.
bool PostTransaction(Tdm& dm, TransactionRow& row);

// Results of the routines that insert a settling row.
enum InsertCode {
    kInsertWritten = 0,
    // The store refused the row; the error has been shown and nothing was written.
    kInsertFailed = 1,
    // The amount was 0 (or, for a payment, more than the outstanding balance): nothing written.
    kInsertRefused = 2,
};

struct InsertResult {
    int code = kInsertFailed;
    int transId = 0;  // the new row's TRANSID when written, else 0
};

// Writes a complete row. `masterId` 0 makes the row its own master. An amount of 0 writes
// nothing (negative amounts are written). A store error shows "Error adding transaction.\n" +
// the error.
InsertResult InsertTransaction(Tdm& dm, int nameId, int fromAccount, int toAccount, const QString& checkNumber,
                               const QString& memo, int masterId, Currency amount, const QDate& date);

// Deletes a row under the link rule: a row that other rows settle ("Transaction linked to another
// transaction.\nDelete linked transaction first !") is left alone. After a delete every row of the
// committee counts as changed (the change cut-off goes back to 1960), the beep sounds
// (preference "Sounds") and the open lists are re-read. False when nothing was deleted
// ("Error deleting transaction !" when the store refused).
bool DeleteTransaction(Tdm& dm, int transId);

// Bills (From 400 To 700), their payments (100 -> 400) and vendor credits (700 -> 400).
// The balance and paid-flag routines throw DbError when the store fails.

// The bill's AMOUNT less its payments and credits; 0 for a row that is not a bill.
Currency BillBalance(Tdm& dm, int transId);
// Sets PAID 'T' or 'F' of the bill (a row that is not a bill is left alone).
void SetBillPaid(Tdm& dm, int transId, bool paid);
// Sets PAID of the bill the row is, or that the payment or credit settles, from its balance.
void RefreshBillPaid(Tdm& dm, int transId);
// Writes a payment of the bill (not 0, not more than its balance, else kInsertRefused) and sets
// the bill's PAID. A store error is logged ("Error adding bill payment transaction. " + error)
// and shown ("Error adding bill paymenent transaction.\n" + error); nothing is written then.
InsertResult InsertBillPayment(Tdm& dm, int billId, int nameId, const QString& checkNumber, const QString& memo,
                               Currency amount, const QDate& date);
// Delete a payment or a credit of a bill and set the bill's PAID from what is left. Rows of
// another kind are not touched (false).
bool DeleteBillPayment(Tdm& dm, int transId);
bool DeleteVendorCredit(Tdm& dm, int transId);

// Debts transferred from a previous committee (From 630 To 1) and their payments (100 -> 630).
Currency DebtBalance(Tdm& dm, int transId);
void SetDebtPaid(Tdm& dm, int transId, bool paid);
// As InsertBillPayment; a store error shows "Error adding transaction.\n" + the error.
InsertResult InsertDebtPayment(Tdm& dm, int debtId, int nameId, const QString& checkNumber, const QString& memo,
                               Currency amount, const QDate& date);
bool DeleteDebtPayment(Tdm& dm, int transId);

// The committee's AMOUNT total of the rows From `fromAccount` To `toAccount` (0: any account)
// dated from `beginDate` through `endDate`; exact to the ten-thousandth. Throws DbError.
Currency SumTransactions(Tdm& dm, int fromAccount, int toAccount, const QDate& beginDate, const QDate& endDate);
