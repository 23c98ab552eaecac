#pragma once

#include <QString>
#include <functional>

class Tdm;

// The committee commands' work that needs no window: the filer-ID change and repair, deleting a
// committee, clearing its data, and the texts they show.

namespace CommitteeText {
inline const QString kChangeClosesWindows =
    QStringLiteral("Changing organizations will close all windows.\r\nDo you want to continue ?");
inline const QString kDeleteClosesWindows = QStringLiteral(
    "Changing organizations will close all windows and close committee. Do you want to continue ?");
inline const QString kNoOrganizations = QStringLiteral("No organizations exist.");
inline const QString kCreateOne = QStringLiteral("No organizations exist.\r\nDo you want to create one ?");
inline const QString kDeleteSure =
    QStringLiteral("Are you SURE you want to delete this committee.  THIS IS UNRECOVERABLE !!");
inline const QString kDeleteFailed = QStringLiteral("Error deleting filerid.");
inline const QString kFilerIdRequired = QStringLiteral("Filerid is required.");
inline const QString kChangeFailed = QStringLiteral("Error changing number");
inline const QString kClearQuestion =
    QStringLiteral("This will delete all transactions from the current committee.\rAre you sure?");
inline const QString kBackupFirst = QStringLiteral(
    "We recommend that you backup your data prior to this operation.\rWould you like to backup your data now?");

QString deleted(const QString& name, const QString& filerId);
QString filerIdExists(const QString& filerId);
QString repairTargetExists(const QString& oldId, const QString& repairedId);
}  // namespace CommitteeText

// What changing the open committee needs from the main window.
class CommitteeFrame {
public:
    virtual ~CommitteeFrame() = default;
    virtual bool openCommitteeByFilerId(const QString& filerId) = 0;
    virtual void enterNoCommitteeState() = 0;
    virtual void reopenChildWindows() = 0;
};

// The filer ID with a dash inserted after its third character, for an ID stored without its dash;
// empty when the ID needs no repair (it holds a dash, or has three characters or fewer).
QString RepairedFilerId(const QString& filerId);

// Renames the committee `oldId` to `newId`; the database carries the change to its names and
// transactions. Returns the number of committees renamed; a failing statement throws DbError.
int UpdateFilerId(Tdm& dm, const QString& oldId, const QString& newId);

// Gives the open committee the filer ID `newId` and opens it again under it, with its child
// windows. False, after "Error changing number", when nothing was renamed.
bool ChangeFilerId(Tdm& dm, CommitteeFrame& frame, const QString& newId);

// The repair after start-up of an open committee whose filer ID lacks its dash. When the
// repaired ID is taken the person is told and nothing changes.
void RepairFilerId(Tdm& dm, CommitteeFrame& frame);

// Removes a committee with its names and transactions and says how it went; true on success.
bool DeleteCommitteeData(Tdm& dm, const QString& filerId, const QString& name);

// "Clear All Transactions" and "Clear All Names & Transactions" for the open committee: the
// question, the offer of a backup (`runBackup`, true when a backup was written), the removal and
// the re-read of the open lists. True when the data was removed. When the person asked for a
// backup and none was written, nothing is removed.
enum class ClearScope { Transactions, NamesAndTransactions };
bool ClearCommitteeData(Tdm& dm, ClearScope scope, const std::function<bool()>& runBackup);
