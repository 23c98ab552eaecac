#include "ledger/transaction_entry.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <iterator>

#include "ledger/periods.h"
#include "limits/limits.h"
#include "platform/prompter.h"
#include "store/db_error.h"
#include "store/sql_text.h"
#include "store/tdm.h"

namespace {

// The zero of the date fields: a date "entered" as nothing.
const QDate kZeroDate(1899, 12, 30);

const QString kIndividualPrefix = QStringLiteral("Over limit contribution for Invididual Contributor ");
const QString kCommitteePrefix = QStringLiteral("Over limit contribution for Committee Contributor ");
const QString kPACPrefix = QStringLiteral("Over limit contribution for PAC Contributor ");

bool hasName(const std::optional<int>& id) { return id && *id > 0; }

}  // namespace

QString EntryNamesStatement(const QString& filerId, const QList<int>& types) {
    QString sql = QStringLiteral(
                      "select n.NAMEID, n.NAMETYPEID, n.NAME, t.NAMETYPE from NAMELIST n\n"
                      "join NAMETYPE t on t.NAMETYPEID = n.NAMETYPEID\n"
                      "where n.Filerid=") +
                  SqlQuote(filerId);
    QStringList listed;
    for (const int type : types)
        if (type != -1) listed << QString::number(type);
    if (!listed.isEmpty()) sql += QStringLiteral(" and n.NameTypeID in (") + listed.join(QLatin1Char(',')) + QLatin1Char(')');
    return sql + QStringLiteral("\norder by n.NAME, t.NAMETYPE, n.NAMEID");
}

QList<EntryName> ReadEntryNames(Tdm& dm, const QList<int>& types) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(EntryNamesStatement(dm.currentFilerId(), types))) throw DbError::fromSql(q.lastError());
    QList<EntryName> names;
    while (q.next())
        names.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString().trimmed(),
                      q.value(3).toString().trimmed()});
    return names;
}

int FindEntryName(const QList<EntryName>& names, const QString& text) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) return -1;
    for (int i = 0; i < names.size(); ++i)
        if (names[i].name.compare(wanted, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

EntryDateText ParseEntryDate(const QString& text, QDate* date) {
    QString t = text;
    t.replace(QLatin1Char('_'), QLatin1Char(' '));
    QString marks = t;
    marks.remove(QLatin1Char('/'));
    if (marks.trimmed().isEmpty()) {
        if (date) *date = QDate();
        return EntryDateText::Blank;
    }
    const QDate d = QDate::fromString(t.trimmed(), QStringLiteral("MM/dd/yyyy"));
    if (date) *date = d;
    return d.isValid() ? EntryDateText::Valid : EntryDateText::Invalid;
}

QString InvalidDateMessage(const QString& text) {
    return QLatin1Char('\'') + text + QStringLiteral("' is not a valid date");
}

QString OverLimitMessage(const QString& prefix, const QString& shownName, Currency excess) {
    return prefix + shownName + QStringLiteral(" by ") + excess.formattedPlain();
}

TransactionEntry::TransactionEntry(Tdm& dm, int kind) : dm_(dm), kind_(KindByNumber(kind)) { startNew(); }

void TransactionEntry::startNew() {
    mode_ = Mode::New;
    row_ = TransactionRow::newRow();
    if (!kind_.newRowBenefit.isNull()) row_.benefit = QString(kind_.newRowBenefit);
    openingAmount_ = Currency();
    resetBaseline();
}

bool TransactionEntry::startEdit(int transId) {
    std::optional<TransactionRow> stored = ReadTransaction(dm_, transId);
    if (!stored) return false;
    mode_ = Mode::Edit;
    row_ = *stored;
    openingAmount_ = row_.amount;
    resetBaseline();
    return true;
}

Currency TransactionEntry::amountToCheck() const {
    if (mode_ == Mode::New) return row_.amount;
    // Moved to another contributor, the whole amount is new to them.
    if (row_.nameId != row_.original().nameId) return row_.amount;
    return row_.amount - openingAmount_;
}

void TransactionEntry::prepareNext() {
    row_ = TransactionRow::newRow();
    if (rememberedDate_.isValid()) row_.transDate = rememberedDate_;
    row_.amount = Currency();
    if (!kind_.newRowBenefit.isNull()) row_.benefit = QString(kind_.newRowBenefit);
    resetBaseline();
}

EntryField TransactionEntry::firstFailedCheck() {
    struct Check {
        const char* message;
        EntryField field;
    };
    const QDate date = row_.transDate;
    const bool noDate = !date.isValid() || date == kZeroDate;
    // Evaluated one by one, so that the period is only looked up for a date that passed the others.
    const auto fails = [&](int step) -> bool {
        switch (step) {
        case 0: return !kind_.nameHidden && !hasName(row_.nameId);
        case 1: return row_.amount <= Currency();
        case 2: return noDate;
        case 3: return date < dm_.statuteChangeDate();
        case 4: return !DateInCurrentPeriod(dm_, date);
        case 5:
            return kind_.candidateRequired && kind_.hasGroup(FieldGroup::IndependentExpenditureInfo) &&
                   !hasName(row_.candidateId);
        case 6: return kind_.memoRequired && (!row_.transMemo || row_.transMemo->trimmed().isEmpty());
        }
        return false;
    };
    const Check checks[] = {
        {"Name must be specified", EntryField::Name},
        {"Amount must be entered and must be positive", EntryField::Amount},
        {"Date must be entered", EntryField::Date},
        {"Statute Change Date Violation (date must be 11/9/2016 or later)", EntryField::Date},
        {"Date not in period", EntryField::Date},
        {"Candidate must be specified", EntryField::Candidate},
        {"Memo is required", EntryField::Memo},
    };
    for (int step = 0; step < int(std::size(checks)); ++step) {
        if (!fails(step)) continue;
        dm_.prompter().information(QString::fromLatin1(checks[step].message));
        return checks[step].field;
    }
    return EntryField::None;
}

bool TransactionEntry::withinLimits(const QString& shownName, Currency toCheck) {
    // A change that adds nothing cannot take anyone over the cap; refusing it would keep a
    // contributor who is over it from being corrected downwards.
    if (toCheck <= Currency() || !OverlimitWarningApplies(dm_)) return true;
    const int nameId = row_.nameId.value_or(0);
    Currency excess;
    QString prefix;
    switch (kind_.number) {
    case 0:
        if (CheckIndividualLimit(dm_, nameId, toCheck, &excess)) return true;
        prefix = kIndividualPrefix;
        break;
    case 3:
        if (CheckCommitteeLimit(dm_, nameId, toCheck, &excess)) return true;
        prefix = kCommitteePrefix;
        break;
    case 5: {
        const int type = dm_.queryValue(QStringLiteral("select NAMETYPEID from NAMELIST where FILERID = %1 and NAMEID = %2")
                                            .arg(SqlQuote(dm_.currentFilerId()))
                                            .arg(nameId))
                             .toInt();
        if (type == 1) {
            if (CheckIndividualLimit(dm_, nameId, toCheck, &excess)) return true;
            prefix = kIndividualPrefix;
        } else if (type == 2) {
            if (CheckPACLimit(dm_, nameId, toCheck, &excess)) return true;
            prefix = kPACPrefix;
        } else {
            return true;
        }
        break;
    }
    default: return true;
    }
    dm_.prompter().information(OverLimitMessage(prefix, shownName, excess));
    return false;
}

TransactionEntry::SaveOutcome TransactionEntry::save(const QString& shownName) {
    SaveOutcome out;
    if (!isModified()) {
        // Nothing typed (or everything put back): the pending row is dropped.
        if (mode_ == Mode::New) startNew();
        out.status = SaveStatus::Unchanged;
        return out;
    }
    rememberedDate_ = row_.transDate;
    const Currency toCheck = amountToCheck();
    // Kinds without a name field store no name.
    if (kind_.nameHidden) row_.nameId = 0;

    out.status = SaveStatus::Refused;
    out.focus = firstFailedCheck();
    if (out.focus != EntryField::None) return out;
    try {
        if (!withinLimits(shownName, toCheck)) {
            out.focus = EntryField::Amount;
            return out;
        }
    } catch (const DbError& e) {
        dm_.prompter().error(e.message());
        out.status = SaveStatus::Failed;
        return out;
    }

    const bool wasNew = row_.isNew();
    const SaveResult saved = SaveTransaction(dm_, row_, kind_.fromAccount, kind_.toAccount);
    if (!saved.saved) {
        out.status = SaveStatus::Failed;
        return out;
    }
    out.status = SaveStatus::Saved;
    out.transId = saved.transId;
    resetBaseline();
    if (kind_.number == 5 && wasNew && expendImmediately_) {
        // The goods or services were used at once: the contribution is expended in the same breath.
        const InsertResult spent =
            InsertTransaction(dm_, row_.nameId.value_or(0), Account::kCash, Account::kInKindExpended, QString(),
                              row_.transMemo.value_or(QString()), saved.transId, row_.amount, row_.transDate);
        if (spent.code == kInsertWritten) out.expenditureId = spent.transId;
    }
    if (mode_ == Mode::New) prepareNext();
    return out;
}
