#pragma once

#include <QString>
#include <optional>
#include <vector>

// The main window's menu bar as data. The window builds its menus from this table; commands
// are attached to entries by their identifier.
//
// Identifiers are dotted paths of the entry's place in the tree ("file.actions.export.names");
// they never change when a caption does.
struct MenuEntry {
    // Availability: 0 always available, 1 only while a committee is open, 2 disabled whenever
    // the availability rule runs.
    enum Tag { Always = 0, CommitteeOpen = 1, Disabled = 2 };

    QString id;
    QString parentId;     // empty: an entry of the menu bar itself
    QString caption;      // "&" before the access letter, "&&" for an ampersand shown
    int tag = Always;
    bool hidden = false;  // never shown
    QString shortcut;     // portable key sequence text ("Alt+F4"), empty for none
    QString hint;         // status-bar hint
    int kind = -1;        // transaction kind opened in new mode; -1 when the entry opens none
    QString emptyMessage; // shown instead of a settlement window whose list is empty
};

// When the availability rule runs.
enum class MenuRule {
    CommitteeOpened,  // a committee has been opened
    NoCommittee,      // the program entered the no-committee state
};

namespace MenuCatalogue {

// Every entry, each parent before its children, children in menu order.
const std::vector<MenuEntry>& entries();

// The entry with this identifier, or null.
const MenuEntry* find(const QString& id);

// 0 for entries of the menu bar, 1 for the entries of the menus directly below it, and so on.
int depth(const MenuEntry& entry);

bool hasChildren(const QString& id);

// What the availability rule does to one entry: enable it, disable it, or leave it as it is.
std::optional<bool> availability(const MenuEntry& entry, MenuRule rule);

}  // namespace MenuCatalogue

// Identifiers of the entries the frame itself handles or that later code attaches to often.
namespace MenuId {
inline const QString kNewCommittee = QStringLiteral("file.newCommittee");
inline const QString kOpenCommittee = QStringLiteral("file.openCommittee");
inline const QString kDeleteCommittee = QStringLiteral("file.deleteCommittee");
inline const QString kCommitteeProperties = QStringLiteral("file.committeeProperties");
inline const QString kCommitteeActions = QStringLiteral("file.actions");
inline const QString kTerminate = QStringLiteral("file.actions.terminate");
inline const QString kConvertExploratory = QStringLiteral("file.actions.convertExploratory");
inline const QString kSetCurrentPeriod = QStringLiteral("file.setCurrentPeriod");
inline const QString kPreferences = QStringLiteral("file.preferences");
inline const QString kDatabase = QStringLiteral("file.database");
inline const QString kBackup = QStringLiteral("file.database.backup");
inline const QString kRestore = QStringLiteral("file.database.restore");
inline const QString kExit = QStringLiteral("file.exit");
inline const QString kLists = QStringLiteral("lists");
inline const QString kTransactions = QStringLiteral("transactions");
inline const QString kReports = QStringLiteral("reports");
inline const QString kWindow = QStringLiteral("window");
inline const QString kCascade = QStringLiteral("window.cascade");
inline const QString kTile = QStringLiteral("window.tile");
inline const QString kArrangeIcons = QStringLiteral("window.arrangeIcons");
inline const QString kCloseAll = QStringLiteral("window.closeAll");
inline const QString kOnline = QStringLiteral("online");
inline const QString kWebSite = QStringLiteral("online.webSite");
inline const QString kCheckForUpdate = QStringLiteral("online.checkForUpdate");
inline const QString kHelp = QStringLiteral("help");
inline const QString kHandbook = QStringLiteral("help.handbook");
inline const QString kAbout = QStringLiteral("help.about");
}  // namespace MenuId
