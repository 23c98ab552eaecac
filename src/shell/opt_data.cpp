#include "shell/opt_data.h"

#include "platform/clock.h"
#include "store/ini_file.h"

namespace {
const QString kGeneral = QStringLiteral("General");
}

void TOptData::setShowBalancesInLedger(bool on) {
    if (showBalancesInLedger_ == on) return;
    showBalancesInLedger_ = on;
    emit showBalancesInLedgerChanged(on);
}

void TOptData::setShowBalancesInAccounts(bool on) {
    if (showBalancesInAccounts_ == on) return;
    showBalancesInAccounts_ = on;
    emit showBalancesInAccountsChanged(on);
}

void TOptData::setShowStatusBar(bool on) {
    if (showStatusBar_ == on) return;
    showStatusBar_ = on;
    emit showStatusBarChanged(on);
}

QString TOptData::normalizeFilingUrl(const QString& stored, bool present) {
    QString url = stored;
    if (!present || url.isEmpty() ||
        url.contains(DefaultAddresses::kMakerWebAddress, Qt::CaseInsensitive))
        url = DefaultAddresses::kFiling;
    while (url.endsWith(QLatin1Char('/'))) url.chop(1);
    // An address that already names its scheme keeps it ("https://" included).
    const QString lower = url.toLower();
    if (!url.isEmpty() && !lower.contains(QLatin1String("http://")) &&
        !lower.startsWith(QLatin1String("https://")))
        url.prepend(QStringLiteral("http://"));
    return url;
}

QString TOptData::formatDateTime(const QDateTime& dt) {
    return dt.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss"));
}

QDateTime TOptData::parseDateTime(const QString& text) {
    const QString t = text.trimmed();
    for (const QString& fmt : {QStringLiteral("MM/dd/yyyy hh:mm:ss"), QStringLiteral("M/d/yyyy h:mm:ss"),
                               QStringLiteral("MM/dd/yyyy hh:mm"), QStringLiteral("M/d/yyyy h:mm"),
                               QStringLiteral("MM/dd/yyyy"), QStringLiteral("M/d/yyyy")}) {
        QDateTime dt = QDateTime::fromString(t, fmt);
        if (dt.isValid()) return dt;
        const QDate d = QDate::fromString(t, fmt);
        if (d.isValid()) return d.startOfDay();
    }
    return {};
}

void TOptData::read(const IniFile& ini, const PeriodLookups& lookups) {
    LastOrg = ini.readString(kGeneral, QStringLiteral("LastOrg"), LastOrg).trimmed();
    CurrentCycle = ini.readInteger(kGeneral, QStringLiteral("CurrentCycle"), CurrentCycle);
    CurrentPeriod = ini.readInteger(kGeneral, QStringLiteral("CurrentPeriod"), CurrentPeriod);
    ShowSplash = ini.readBool(kGeneral, QStringLiteral("ShowSplash"), ShowSplash);
    ShowNotice = ini.readBool(kGeneral, QStringLiteral("ShowNotice"), ShowNotice);
    RestoreWindows = ini.readBool(kGeneral, QStringLiteral("RestoreWindows"), RestoreWindows);
    setShowBalancesInLedger(ini.readBool(kGeneral, QStringLiteral("ShowBalancesInLedger"), showBalancesInLedger_));
    setShowBalancesInAccounts(
        ini.readBool(kGeneral, QStringLiteral("ShowBalancesInAccounts"), showBalancesInAccounts_));
    setShowStatusBar(ini.readBool(kGeneral, QStringLiteral("ShowStatusBar"), showStatusBar_));
    DisablePeriodCheck = ini.readBool(kGeneral, QStringLiteral("DisablePeriodCheck"), DisablePeriodCheck);
    DisableOverlimitWarning =
        ini.readBool(kGeneral, QStringLiteral("DisableOverlimitWarning"), DisableOverlimitWarning);
    DisableLimitViolationsCheck =
        ini.readBool(kGeneral, QStringLiteral("DisableLimitViolationsCheck"), DisableLimitViolationsCheck);
    Sounds = ini.readBool(kGeneral, QStringLiteral("Sounds"), Sounds);
    FilingURL = normalizeFilingUrl(ini.readString(kGeneral, QStringLiteral("FilingURL"), QString()),
                                   ini.valueExists(kGeneral, QStringLiteral("FilingURL")));
    ExportFile = ini.readString(kGeneral, QStringLiteral("ExportFile"), ExportFile);
    BackupFile = ini.readString(kGeneral, QStringLiteral("BackupFile"), BackupFile);
    BackupCount = ini.readInteger(kGeneral, QStringLiteral("BackupCount"), BackupCount);
    if (ini.valueExists(kGeneral, QStringLiteral("LastUpdateCheckDate")))
        LastUpdateCheckDate = parseDateTime(ini.readString(kGeneral, QStringLiteral("LastUpdateCheckDate"), QString()));
    if (ini.valueExists(kGeneral, QStringLiteral("Printer")))
        Printer = ini.readString(kGeneral, QStringLiteral("Printer"), Printer);
    DebugMode = ini.readBool(kGeneral, QStringLiteral("DebugMode"), DebugMode);
    FilingUserid = ini.readString(kGeneral, QStringLiteral("FilingUserid"), FilingUserid);

    // Cycle rule: a stored cycle stands when there are periods for it, so that a chosen period
    // survives a restart; otherwise the cycle of today's date.
    const bool cycleKnown = CurrentCycle != 0 && lookups.cycleHasPeriods && lookups.cycleHasPeriods(CurrentCycle);
    if (!cycleKnown || CurrentPeriod == 0) {
        const auto today = lookups.periodOfDate ? lookups.periodOfDate(Clock::today()) : std::pair<int, int>{0, 0};
        if (!cycleKnown) CurrentCycle = today.first;
        if (CurrentPeriod == 0) CurrentPeriod = today.second;
    }
}

void TOptData::write(IniFile& ini) const {
    ini.beginUpdate();
    ini.writeString(kGeneral, QStringLiteral("LastOrg"), LastOrg.trimmed());
    ini.writeInteger(kGeneral, QStringLiteral("CurrentCycle"), CurrentCycle);
    ini.writeInteger(kGeneral, QStringLiteral("CurrentPeriod"), CurrentPeriod);
    ini.writeBool(kGeneral, QStringLiteral("ShowSplash"), ShowSplash);
    ini.writeBool(kGeneral, QStringLiteral("ShowNotice"), ShowNotice);
    ini.writeBool(kGeneral, QStringLiteral("RestoreWindows"), RestoreWindows);
    ini.writeBool(kGeneral, QStringLiteral("ShowBalancesInLedger"), showBalancesInLedger_);
    ini.writeBool(kGeneral, QStringLiteral("ShowBalancesInAccounts"), showBalancesInAccounts_);
    ini.writeBool(kGeneral, QStringLiteral("ShowStatusBar"), showStatusBar_);
    ini.writeBool(kGeneral, QStringLiteral("DisablePeriodCheck"), DisablePeriodCheck);
    ini.writeBool(kGeneral, QStringLiteral("DisableOverlimitWarning"), DisableOverlimitWarning);
    ini.writeBool(kGeneral, QStringLiteral("DisableLimitViolationsCheck"), DisableLimitViolationsCheck);
    ini.writeBool(kGeneral, QStringLiteral("Sounds"), Sounds);
    ini.writeString(kGeneral, QStringLiteral("FilingURL"), FilingURL);
    ini.writeString(kGeneral, QStringLiteral("ExportFile"), ExportFile);
    ini.writeString(kGeneral, QStringLiteral("BackupFile"), BackupFile);
    ini.writeInteger(kGeneral, QStringLiteral("BackupCount"), BackupCount);
    if (LastUpdateCheckDate.isValid())
        ini.writeString(kGeneral, QStringLiteral("LastUpdateCheckDate"), formatDateTime(LastUpdateCheckDate));
    else
        ini.deleteKey(kGeneral, QStringLiteral("LastUpdateCheckDate"));
    if (Printer.isEmpty())
        ini.deleteKey(kGeneral, QStringLiteral("Printer"));
    else
        ini.writeString(kGeneral, QStringLiteral("Printer"), Printer);
    ini.endUpdate();
}

QString WindowPlacement::sectionName(const QString& className, int number) {
    QString s = QStringLiteral("Window_") + className;
    if (number >= 0) s += QLatin1Char('_') + QString::number(number);
    return s;
}

void WindowPlacement::save(IniFile& ini, const QString& className, int number, const QRect& g) {
    const QString s = sectionName(className, number);
    ini.beginUpdate();
    ini.writeInteger(s, QStringLiteral("Left"), g.left());
    ini.writeInteger(s, QStringLiteral("Top"), g.top());
    ini.writeInteger(s, QStringLiteral("Width"), g.width());
    ini.writeInteger(s, QStringLiteral("Height"), g.height());
    ini.endUpdate();
}

QRect WindowPlacement::restore(const IniFile& ini, const QString& className, int number, const QRect& current) {
    const QString s = sectionName(className, number);
    QRect r = current;
    const int left = ini.readInteger(s, QStringLiteral("Left"), r.left());
    const int top = ini.readInteger(s, QStringLiteral("Top"), r.top());
    const int width = ini.readInteger(s, QStringLiteral("Width"), r.width());
    const int height = ini.readInteger(s, QStringLiteral("Height"), r.height());
    return QRect(left, top, width, height);
}
