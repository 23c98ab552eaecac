#include "store/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/app_paths.h"
#include "platform/clock.h"

Log::~Log() { waitForPurge(); }

void Log::setFolder(const QString& folder) {
    waitForPurge();
    {
        std::lock_guard lock(mutex_);
        folder_ = AppPaths::withTrailingSlash(folder);
        QDir().mkpath(folder_);
    }
    const QString f = folder_;
    purgeThread_ = std::thread([f] { purge(f); });
}

void Log::waitForPurge() {
    if (purgeThread_.joinable()) purgeThread_.join();
}

QString Log::currentFileName() const {
    return folder_ + QStringLiteral("ledra") + Clock::today().toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".LOG");
}

void Log::write(const QString& text) {
    std::lock_guard lock(mutex_);
    if (folder_.isEmpty()) return;
    const QDateTime now = Clock::now();
    const QString name = folder_ + QStringLiteral("ledra") + now.date().toString(QStringLiteral("yyyyMMdd")) +
                         QStringLiteral(".LOG");
    QFile f(name);
    const bool isNew = !f.exists();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    QByteArray out;
    if (isNew) out += ">>First Entry.<<\r\n";
    out += now.time().toString(QStringLiteral("hh:mm:ss.zzz ")).toUtf8();
    out += text.toUtf8();
    out += "\r\n";
    f.write(out);
}

void Log::purge(const QString& folder) {
    static const QRegularExpression re(QStringLiteral("^ledra(\\d{8})\\.LOG$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QDate cutoff = Clock::today().addDays(-30);
    const QDir dir(folder);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files)) {
        const auto m = re.match(fi.fileName());
        if (!m.hasMatch()) continue;
        QDate d = QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd"));
        if (!d.isValid()) d = fi.lastModified().date();
        if (d < cutoff) QFile::remove(fi.absoluteFilePath());
    }
}
