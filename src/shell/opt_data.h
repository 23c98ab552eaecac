#pragma once

#include <QDateTime>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

class IniFile;

// The fixed web addresses of the program, kept in one place.
namespace DefaultAddresses {
inline const QString kFiling = QStringLiteral("http://filing.example.org:8887");
inline const QString kUpdate = QStringLiteral("http://www.example.org/software/ledra7updatepima.ini");
inline const QString kManual = QStringLiteral("http://www.example.org/Manual.pdf");
// The maker's own web address; a filing address holding it is an old default.
inline const QString kMakerWebAddress = QStringLiteral("www.example.org");
}  // namespace DefaultAddresses

// The preferences and remembered state of section "General" of the settings file.
class TOptData : public QObject {
    Q_OBJECT
public:
    // Looks up whether PERIODS has rows for a cycle, and which period holds a date.
    struct PeriodLookups {
        std::function<bool(int cycle)> cycleHasPeriods;
        std::function<std::pair<int, int>(const QDate&)> periodOfDate;  // (cycle, period), (0,0) none
    };

    explicit TOptData(QObject* parent = nullptr) : QObject(parent) {}

    QString LastOrg;
    int CurrentCycle = 0;
    int CurrentPeriod = 0;
    bool ShowSplash = true;
    bool ShowNotice = true;
    bool RestoreWindows = true;
    bool DisablePeriodCheck = false;
    bool DisableOverlimitWarning = false;
    bool DisableLimitViolationsCheck = false;
    bool Sounds = true;
    QString FilingURL = DefaultAddresses::kFiling;
    QString ExportFile;
    QString BackupFile;
    int BackupCount = 0;
    QDateTime LastUpdateCheckDate;  // invalid: never
    QString Printer;                // empty: the system's default printer
    bool DebugMode = false;
    QString FilingUserid;

    bool showBalancesInLedger() const { return showBalancesInLedger_; }
    bool showBalancesInAccounts() const { return showBalancesInAccounts_; }
    bool showStatusBar() const { return showStatusBar_; }
    void setShowBalancesInLedger(bool on);
    void setShowBalancesInAccounts(bool on);
    void setShowStatusBar(bool on);

    // Start-up: fills the object from section "General" (missing or unreadable keys keep their
    // value), then applies the address rule and the cycle rule.
    void read(const IniFile& ini, const PeriodLookups& lookups);
    // Close: writes the keys of section "General" that are written at close.
    void write(IniFile& ini) const;

    // Address rule of the filing address.
    static QString normalizeFilingUrl(const QString& stored, bool present);

    // The date format of "LastUpdateCheckDate".
    static QString formatDateTime(const QDateTime& dt);
    static QDateTime parseDateTime(const QString& text);

signals:
    void showBalancesInLedgerChanged(bool on);
    void showBalancesInAccountsChanged(bool on);
    void showStatusBarChanged(bool on);

private:
    bool showBalancesInLedger_ = true;
    bool showBalancesInAccounts_ = true;
    bool showStatusBar_ = true;
};

// Placement of child windows: sections "Window_" + class name (+ "_" + number).
namespace WindowPlacement {
QString sectionName(const QString& className, int number = -1);
void save(IniFile& ini, const QString& className, int number, const QRect& geometry);
// Each of Left, Top, Width, Height present in the section replaces the value of `current`.
QRect restore(const IniFile& ini, const QString& className, int number, const QRect& current);
}  // namespace WindowPlacement
