#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

#include "ledger/kinds.h"
#include "ledger/posting.h"
#include "store/currency.h"

class Tdm;

// The generic entry window without its widgets: the pending row of one transaction kind, its
// checks, the contribution-limit check and the write. The window (TMTypeTransactionForm) copies
// what the person types into row() and shows what this class decides.

// A name the name look-up of an entry window offers.
struct EntryName {
    int nameId = 0;
    int nameTypeId = 0;
    QString name;
    QString nameType;  // the NAMETYPE caption
};

// The open committee's names of the given types (every type when `types` is empty; -1 entries
// are ignored), sorted by name. Throws DbError.
QString EntryNamesStatement(const QString& filerId, const QList<int>& types);
QList<EntryName> ReadEntryNames(Tdm& dm, const QList<int>& types);
// The index of the first name spelled like `text` (the whole name, case-insensitively, outer
// blanks ignored), or -1.
int FindEntryName(const QList<EntryName>& names, const QString& text);

// What a date field holding "mm/dd/yyyy" (unfilled places as '_' or blanks) says.
enum class EntryDateText { Blank, Valid, Invalid };
EntryDateText ParseEntryDate(const QString& text, QDate* date);
// The refusal of a date field that holds no date, e.g. "'02/30/2025' is not a valid date".
QString InvalidDateMessage(const QString& text);

// The field a refused save puts the cursor in.
enum class EntryField { None, Name, Date, Amount, Memo, Candidate };

// The over-limit message of the entry window, e.g. "Over limit contribution for Invididual
// Contributor SMITH, JOHN by $0.01".
QString OverLimitMessage(const QString& prefix, const QString& shownName, Currency excess);

class TransactionEntry {
public:
    enum class Mode { New, Edit };

    // `kind` 0..48; throws std::out_of_range otherwise.
    TransactionEntry(Tdm& dm, int kind);

    // A pending new row (BENEFIT preset where the kind wants it).
    void startNew();
    // The committee's row with that TRANSID, remembering its amount; false when there is none.
    // Throws DbError when it cannot be read.
    bool startEdit(int transId);

    Mode mode() const { return mode_; }
    const TransactionKind& kind() const { return kind_; }
    TransactionRow& row() { return row_; }
    const TransactionRow& row() const { return row_; }

    // Whether the pending row differs from the row as it was started, read or last saved.
    bool isModified() const { return row_.fields() != baseline_; }
    // The amount of the row when it was opened (edit mode).
    Currency openingAmount() const { return openingAmount_; }
    // The date of the last row saved (or tried), offered on the next row.
    QDate rememberedDate() const { return rememberedDate_; }
    // What is added to the contributor's total: the amount of a new row, the change of an edited
    // one (its whole amount when it now names another contributor).
    Currency amountToCheck() const;

    // "Expended Immediately" of an in-kind contribution: a new row is followed by its expenditure.
    bool expendImmediately() const { return expendImmediately_; }
    void setExpendImmediately(bool on) { expendImmediately_ = on; }

    enum class SaveStatus {
        Unchanged,  // nothing to save: the window closes
        Refused,    // a check failed; its message has been shown
        Failed,     // the store refused; the error has been shown, the row is as it was
        Saved,      // written; in new mode a fresh row is pending
    };
    struct SaveOutcome {
        SaveStatus status = SaveStatus::Unchanged;
        EntryField focus = EntryField::None;
        int transId = 0;        // the row written
        int expenditureId = 0;  // the in-kind expenditure written with it, else 0
    };
    // "OK" and "Next": the checks of the kind, the limit check and the write; in new mode the
    // next row is prepared after a write. `shownName` is the name as the name field shows it.
    SaveOutcome save(const QString& shownName);

    // A fresh new row with the remembered date and an amount of 0.
    void prepareNext();

private:
    // The first failing check of the kind (its message shown), or None.
    EntryField firstFailedCheck();
    // Whether the contributor stays within the cap; the message is shown when not.
    bool withinLimits(const QString& shownName, Currency toCheck);
    void resetBaseline() { baseline_ = row_.fields(); }

    Tdm& dm_;
    const TransactionKind& kind_;
    Mode mode_ = Mode::New;
    TransactionRow row_;
    TransactionFields baseline_;
    Currency openingAmount_;
    QDate rememberedDate_;
    bool expendImmediately_ = true;
};
