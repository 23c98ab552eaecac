#pragma once

#include <QDate>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class IniFile;
class Tdm;
class TOptData;

// The main window's rules that need no window: caption, status-bar text, the settings-file
// sections it owns, the backup reminder count.

inline const QString kApplicationTitle = QStringLiteral("Campaign Finance");

// "Campaign Finance" while no committee is open, otherwise the title with the committee's name
// and filer ID.
QString MainCaption(const QString& committeeName, const QString& filerId);

// The first status-bar panel for a period row: every date "mmm d, yyyy"; the filing period ends
// one day before ENDFILINGDATE, which is the day after the last filing day.
QString PeriodPanelText(const QDate& begin, const QDate& end, const QDate& beginFiling, const QDate& endFiling);
// The same for the current cycle and period of the preferences; empty with no current cycle or
// when the row does not exist.
QString CurrentPeriodPanelText(Tdm& dm);

// The message for a failed request to open an address, by the platform's result code; empty
// for codes that show nothing.
QString ShellOpenErrorMessage(int code);

// The text of a rich-text (RTF) document without its control words, groups and destinations.
QString RtfToPlainText(const QString& rtf);

// Backup reminder at close: a run is counted while BackupCount is 10 or less, or always when
// closing for an update; otherwise the person is to be asked and the count starts again.
enum class BackupReminder { Counted, Ask };
BackupReminder CountRunForBackupReminder(TOptData& opt, bool closingForUpdate);

// Section "Restore": the child windows open at the last change of committee or close.
struct ChildWindowRef {
    QString className;  // "TNamesListForm", "TRegisterForm" ...
    int number = -1;    // the item of a window that exists once per item (register: account); -1 none
};
// Erases the section and writes one key per window in the given order: the class name with
// value 0, registers as "TRegisterForm" + a running number among the registers with the
// account as value.
void SaveChildWindowList(IniFile& ini, const QList<ChildWindowRef>& windows);
// The windows to reopen: every line of the section whose key contains one of the known class
// names; the value gives the number, `defaultNumber` when it is not a number.
struct KnownChildWindow {
    QString className;
    int defaultNumber = 0;
};
QList<ChildWindowRef> ReadChildWindowList(const IniFile& ini, const QList<KnownChildWindow>& known);

// Section "Window": the main window's placement.
struct MainWindowPlacement {
    bool maximized = false;
    QRect geometry;  // the normal geometry; each key present replaced the default's value
};
MainWindowPlacement ReadMainWindowPlacement(const IniFile& ini, const QRect& defaultGeometry);
enum class WindowShowState { Normal, Maximized, Minimized };
void WriteMainWindowPlacement(IniFile& ini, WindowShowState state, const QRect& normalGeometry);

// The printer in use at start: the installed printer with exactly the stored name, otherwise the
// system's default (empty).
QString ResolveStartupPrinter(const QString& stored, const QStringList& installed);
