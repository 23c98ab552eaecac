#include "shell/committee_commands.h"

#include <QSqlQuery>

#include "committee/committee_record.h"
#include "ledger/open_lists.h"
#include "platform/prompter.h"
#include "store/db_error.h"
#include "store/helpers.h"
#include "store/tdm.h"

namespace CommitteeText {
QString deleted(const QString& name, const QString& filerId) {
    return QStringLiteral("Deleted organization\r\n") + name + QStringLiteral(" ('") + filerId + QStringLiteral("').");
}

QString filerIdExists(const QString& filerId) {
    return QStringLiteral("FilerID '") + filerId + QStringLiteral("' already exists.");
}

QString repairTargetExists(const QString& oldId, const QString& repairedId) {
    return QStringLiteral("Attempt to correct format of Filerid '") + oldId +
           QStringLiteral("' to include dash in 4th postion but that id already exists: '") + repairedId +
           QLatin1Char('\'');
}
}  // namespace CommitteeText

namespace {
// Runs a stored procedure that takes a filer ID; throws DbError.
void executeForFilerId(Tdm& dm, const QString& procedure, const QString& filerId) {
    QSqlQuery q(dm.db());
    q.prepare(QStringLiteral("execute procedure ") + procedure + QStringLiteral("(:FilerID)"));
    q.bindValue(QStringLiteral(":FilerID"), filerId);
    if (!q.exec()) throw DbError::fromSql(q.lastError());
}
}  // namespace

QString RepairedFilerId(const QString& filerId) {
    if (filerId.contains(QLatin1Char('-')) || filerId.size() <= 3) return {};
    return filerId.left(3) + QLatin1Char('-') + filerId.mid(3);
}

int UpdateFilerId(Tdm& dm, const QString& oldId, const QString& newId) {
    QSqlQuery q(dm.db());
    if (!q.exec(QStringLiteral("UPDATE ORGS SET FILERID=") + SqlQuote(newId) + QStringLiteral(" WHERE FILERID=") +
                SqlQuote(oldId)))
        throw DbError::fromSql(q.lastError());
    return q.numRowsAffected();
}

bool ChangeFilerId(Tdm& dm, CommitteeFrame& frame, const QString& newId) {
    const QString oldId = dm.currentFilerId();
    try {
        // Nothing renamed means the open committee is not where we think it is: leave it as it is.
        if (UpdateFilerId(dm, oldId, newId) != 1) {
            dm.log().write(QStringLiteral("Filer ID '") + oldId + QStringLiteral("' not found for the change to '") +
                           newId + QLatin1Char('\''));
            dm.prompter().error(CommitteeText::kChangeFailed);
            return false;
        }
        dm.log().write(QStringLiteral("Filer ID '") + oldId + QStringLiteral("' changed to '") + newId +
                       QLatin1Char('\''));
        dm.orgs().reload();
        frame.enterNoCommitteeState();
        frame.openCommitteeByFilerId(newId);
        frame.reopenChildWindows();
    } catch (const DbError& e) {
        dm.log().write(CommitteeText::kChangeFailed + QStringLiteral(": ") + e.message());
        dm.prompter().error(CommitteeText::kChangeFailed);
        return false;
    }
    return true;
}

void RepairFilerId(Tdm& dm, CommitteeFrame& frame) {
    const QString oldId = dm.currentFilerId();
    const QString repaired = RepairedFilerId(oldId);
    if (repaired.isEmpty()) return;
    bool taken = false;
    try {
        taken = FilerIDExists(dm, repaired);
    } catch (const DbError& e) {
        dm.reportAppException(e.message());
        return;
    }
    if (taken) {
        dm.prompter().warning(CommitteeText::repairTargetExists(oldId, repaired));
        return;
    }
    ChangeFilerId(dm, frame, repaired);
}

bool DeleteCommitteeData(Tdm& dm, const QString& filerId, const QString& name) {
    try {
        executeForFilerId(dm, QStringLiteral("DeleteFilerID"), filerId);
    } catch (const DbError& e) {
        dm.log().write(CommitteeText::kDeleteFailed + QLatin1Char(' ') + e.message());
        dm.prompter().error(CommitteeText::kDeleteFailed);
        return false;
    }
    dm.log().write(QStringLiteral("Deleted organization '") + filerId + QLatin1Char('\''));
    dm.prompter().information(CommitteeText::deleted(name, filerId));
    return true;
}

bool ClearCommitteeData(Tdm& dm, ClearScope scope, const std::function<bool()>& runBackup) {
    const QString filerId = dm.currentFilerId();
    if (filerId.isEmpty()) return false;
    Prompter& prompter = dm.prompter();
    if (!prompter.confirm(CommitteeText::kClearQuestion, Prompter::Buttons::YesNo, Prompter::Kind::Confirmation))
        return false;
    if (prompter.confirm(CommitteeText::kBackupFirst, Prompter::Buttons::YesNo, Prompter::Kind::Information)) {
        // The person wanted a copy first; without one the data stays.
        if (!runBackup || !runBackup()) return false;
    }
    executeForFilerId(dm,
                      scope == ClearScope::Transactions ? QStringLiteral("DeleteTransFromFilerid")
                                                        : QStringLiteral("DeleteFromFilerID"),
                      filerId);
    dm.log().write((scope == ClearScope::Transactions ? QStringLiteral("Cleared the transactions of '")
                                                      : QStringLiteral("Cleared the names and transactions of '")) +
                   filerId + QLatin1Char('\''));
    RefreshOpenLists(dm);
    return true;
}
