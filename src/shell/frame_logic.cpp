#include "shell/frame_logic.h"

#include <QSqlQuery>
#include <QStringDecoder>

#include "shell/opt_data.h"
#include "store/ini_file.h"
#include "store/tdm.h"

namespace {
const QString kRestore = QStringLiteral("Restore");
const QString kWindow = QStringLiteral("Window");
const QString kRegisterForm = QStringLiteral("TRegisterForm");

QString panelDate(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("MMM d, yyyy")) : QString(); }
}  // namespace

QString MainCaption(const QString& committeeName, const QString& filerId) {
    if (filerId.trimmed().isEmpty()) return kApplicationTitle;
    return kApplicationTitle + QStringLiteral("  Name: ") + committeeName + QStringLiteral("  Filerid: ") +
           filerId.trimmed();
}

QString PeriodPanelText(const QDate& begin, const QDate& end, const QDate& beginFiling, const QDate& endFiling) {
    return QStringLiteral("Current Period:  ") + panelDate(begin) + QStringLiteral(" through ") + panelDate(end) +
           QStringLiteral("    Filing Period:  ") + panelDate(beginFiling) + QStringLiteral(" through ") +
           panelDate(endFiling.isValid() ? endFiling.addDays(-1) : QDate());
}

QString CurrentPeriodPanelText(Tdm& dm) {
    const TOptData& opt = dm.opt();
    if (opt.CurrentCycle == 0) return {};
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select BEGINDATE, ENDDATE, BEGINFILINGDATE, ENDFILINGDATE from PERIODS "
                             "where CYCLE = :CYCLE and PERIODID = :PERIODID"));
    q.bindValue(QStringLiteral(":CYCLE"), opt.CurrentCycle);
    q.bindValue(QStringLiteral(":PERIODID"), opt.CurrentPeriod);
    if (!q.exec() || !q.next()) return {};
    return PeriodPanelText(q.value(0).toDate(), q.value(1).toDate(), q.value(2).toDate(), q.value(3).toDate());
}

QString ShellOpenErrorMessage(int code) {
    switch (code) {
        case 0: return QStringLiteral("The operating system is out of memory or resources.");
        case 2: return QStringLiteral("The specified file was not found.");
        case 3: return QStringLiteral("The specified path was not found.");
        case 5: return QStringLiteral("The operating system denied access to the specified file.");
        case 8: return QStringLiteral("There was not enough memory to complete the operation.");
        case 11: return QStringLiteral("The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).");
        case 26: return QStringLiteral("A sharing violation occurred.");
        case 27: return QStringLiteral("The filename association is incomplete or invalid.");
        case 28: return QStringLiteral("The DDE transaction could not be completed because the request timed out.");
        case 29: return QStringLiteral("The DDE transaction failed.");
        case 30:
            return QStringLiteral(
                "The DDE transaction could not be completed because other DDE transactions were being processed.");
        case 31: return QStringLiteral("There is no application associated with the given filename extension.");
        case 32: return QStringLiteral("The specified dynamic-link library was not found.");
        default: return {};
    }
}

QString RtfToPlainText(const QString& rtf) {
    // Groups whose text is never shown.
    static const QStringList kDestinations = {
        QStringLiteral("fonttbl"),  QStringLiteral("colortbl"), QStringLiteral("stylesheet"),
        QStringLiteral("info"),     QStringLiteral("pict"),     QStringLiteral("object"),
        QStringLiteral("header"),   QStringLiteral("footer"),   QStringLiteral("listtable"),
        QStringLiteral("listoverridetable"), QStringLiteral("rsidtbl"), QStringLiteral("generator"),
        QStringLiteral("themedata"), QStringLiteral("colorschememapping"), QStringLiteral("latentstyles"),
        QStringLiteral("datastore"), QStringLiteral("xmlnstbl"), QStringLiteral("filetbl"),
    };
    struct Group {
        bool skip = false;
        int unicodeSkip = 1;
    };
    QList<Group> stack{Group{}};
    QString out;
    QByteArray pendingBytes;  // \'hh bytes, decoded together so that multi-byte text survives
    auto flushBytes = [&] {
        if (pendingBytes.isEmpty()) return;
        auto decode = QStringDecoder("windows-1252");
        out += decode(pendingBytes);
        pendingBytes.clear();
    };
    int skipChars = 0;  // characters that stand in for the last \u character
    const int n = int(rtf.size());
    for (int i = 0; i < n;) {
        const QChar c = rtf.at(i);
        Group& g = stack.last();
        if (c == QLatin1Char('{')) {
            flushBytes();
            stack.append(g);
            ++i;
            continue;
        }
        if (c == QLatin1Char('}')) {
            flushBytes();
            if (stack.size() > 1) stack.removeLast();
            ++i;
            continue;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 >= n) break;
            const QChar next = rtf.at(i + 1);
            if (next == QLatin1Char('\\') || next == QLatin1Char('{') || next == QLatin1Char('}')) {
                flushBytes();
                if (skipChars > 0) --skipChars;
                else if (!g.skip) out += next;
                i += 2;
                continue;
            }
            if (next == QLatin1Char('\'')) {
                const bool ok = i + 3 < n;
                bool hexOk = false;
                const int value = ok ? rtf.mid(i + 2, 2).toInt(&hexOk, 16) : 0;
                i += 4;
                if (skipChars > 0) {
                    --skipChars;
                    continue;
                }
                if (hexOk && !g.skip) pendingBytes.append(char(value));
                continue;
            }
            if (next == QLatin1Char('*')) {
                g.skip = true;
                i += 2;
                continue;
            }
            if (!next.isLetter()) {
                // Control symbols: "\~" a hard blank, "\-" an optional hyphen, "\_" a hard hyphen.
                flushBytes();
                if (!g.skip) {
                    if (next == QLatin1Char('~')) out += QLatin1Char(' ');
                    else if (next == QLatin1Char('_')) out += QLatin1Char('-');
                    else if (next == QLatin1Char('\n') || next == QLatin1Char('\r')) out += QLatin1Char('\n');
                }
                i += 2;
                continue;
            }
            int j = i + 1;
            while (j < n && rtf.at(j).isLetter()) ++j;
            const QString word = rtf.mid(i + 1, j - i - 1);
            int k = j;
            if (k < n && (rtf.at(k) == QLatin1Char('-') || rtf.at(k).isDigit())) {
                ++k;
                while (k < n && rtf.at(k).isDigit()) ++k;
            }
            bool hasParam = false;
            const int param = rtf.mid(j, k - j).toInt(&hasParam);
            if (k < n && rtf.at(k) == QLatin1Char(' ')) ++k;  // the delimiter belongs to the word
            i = k;
            flushBytes();
            if (kDestinations.contains(word)) {
                g.skip = true;
                continue;
            }
            if (word == QLatin1String("uc") && hasParam) {
                g.unicodeSkip = param;
                continue;
            }
            if (word == QLatin1String("u") && hasParam) {
                if (!g.skip) out += QChar(char16_t(param < 0 ? param + 65536 : param));
                skipChars = g.unicodeSkip;
                continue;
            }
            if (g.skip) continue;
            if (word == QLatin1String("par") || word == QLatin1String("line")) out += QLatin1Char('\n');
            else if (word == QLatin1String("tab")) out += QLatin1Char('\t');
            else if (word == QLatin1String("emdash")) out += QChar(0x2014);
            else if (word == QLatin1String("endash")) out += QChar(0x2013);
            else if (word == QLatin1String("bullet")) out += QChar(0x2022);
            else if (word == QLatin1String("lquote")) out += QChar(0x2018);
            else if (word == QLatin1String("rquote")) out += QChar(0x2019);
            else if (word == QLatin1String("ldblquote")) out += QChar(0x201C);
            else if (word == QLatin1String("rdblquote")) out += QChar(0x201D);
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            ++i;
            continue;
        }
        flushBytes();
        if (skipChars > 0) --skipChars;
        else if (!g.skip) out += c;
        ++i;
    }
    flushBytes();
    // A document normally ends with a paragraph mark; no blank line after the last paragraph.
    while (out.endsWith(QLatin1Char('\n'))) out.chop(1);
    return out;
}

BackupReminder CountRunForBackupReminder(TOptData& opt, bool closingForUpdate) {
    if (closingForUpdate || opt.BackupCount <= 10) {
        ++opt.BackupCount;
        return BackupReminder::Counted;
    }
    opt.BackupCount = 0;
    return BackupReminder::Ask;
}

void SaveChildWindowList(IniFile& ini, const QList<ChildWindowRef>& windows) {
    ini.beginUpdate();
    ini.eraseSection(kRestore);
    int registers = 0;
    for (const ChildWindowRef& w : windows) {
        if (w.className == kRegisterForm)
            ini.writeInteger(kRestore, kRegisterForm + QString::number(registers++), w.number);
        else
            ini.writeInteger(kRestore, w.className, 0);
    }
    ini.endUpdate();
}

QList<ChildWindowRef> ReadChildWindowList(const IniFile& ini, const QList<KnownChildWindow>& known) {
    QList<ChildWindowRef> out;
    for (const auto& [key, value] : ini.readSectionValues(kRestore)) {
        for (const KnownChildWindow& k : known) {
            if (!key.contains(k.className)) continue;
            bool ok = false;
            const int number = value.trimmed().toInt(&ok);
            out.append({k.className, ok ? number : k.defaultNumber});
            break;
        }
    }
    return out;
}

MainWindowPlacement ReadMainWindowPlacement(const IniFile& ini, const QRect& defaultGeometry) {
    MainWindowPlacement p;
    p.maximized = ini.readBool(kWindow, QStringLiteral("Maximized"), false);
    p.geometry = QRect(ini.readInteger(kWindow, QStringLiteral("Left"), defaultGeometry.left()),
                       ini.readInteger(kWindow, QStringLiteral("Top"), defaultGeometry.top()),
                       ini.readInteger(kWindow, QStringLiteral("Width"), defaultGeometry.width()),
                       ini.readInteger(kWindow, QStringLiteral("Height"), defaultGeometry.height()));
    return p;
}

void WriteMainWindowPlacement(IniFile& ini, WindowShowState state, const QRect& normalGeometry) {
    if (state == WindowShowState::Minimized) return;
    ini.beginUpdate();
    if (state == WindowShowState::Maximized) {
        ini.writeBool(kWindow, QStringLiteral("Maximized"), true);
        for (const char* key : {"Left", "Top", "Width", "Height"}) ini.deleteKey(kWindow, QString::fromLatin1(key));
    } else {
        ini.writeBool(kWindow, QStringLiteral("Maximized"), false);
        ini.writeInteger(kWindow, QStringLiteral("Left"), normalGeometry.left());
        ini.writeInteger(kWindow, QStringLiteral("Top"), normalGeometry.top());
        ini.writeInteger(kWindow, QStringLiteral("Width"), normalGeometry.width());
        ini.writeInteger(kWindow, QStringLiteral("Height"), normalGeometry.height());
    }
    ini.endUpdate();
}

QString ResolveStartupPrinter(const QString& stored, const QStringList& installed) {
    if (stored.isEmpty()) return {};
    return installed.contains(stored) ? stored : QString();
}
