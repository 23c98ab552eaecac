#include "platform/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString g_appOverride;
QString g_tempOverride;
}  // namespace

QString AppPaths::withTrailingSlash(const QString& folder) {
    QString f = QDir::fromNativeSeparators(folder);
    while (f.endsWith(QLatin1Char('/')) && f.size() > 1) f.chop(1);
    return f + QLatin1Char('/');
}

QString AppPaths::applicationFolder() {
    if (!g_appOverride.isEmpty()) return withTrailingSlash(g_appOverride);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withTrailingSlash(base) + QStringLiteral("Quorvane/Ledra7/");
}

QString AppPaths::temporaryFolder() {
    if (!g_tempOverride.isEmpty()) return withTrailingSlash(g_tempOverride);
    // Only the first 4096 characters of TEMP are taken, as the folder name cannot be longer.
    QString temp = qEnvironmentVariable("TEMP").left(4096);
    if (temp.isEmpty()) temp = QDir::tempPath();
    return withTrailingSlash(temp) + QStringLiteral("ledra/");
}

void AppPaths::setApplicationFolderOverride(const QString& folder) { g_appOverride = folder; }
void AppPaths::setTemporaryFolderOverride(const QString& folder) { g_tempOverride = folder; }

QString AppPaths::programFolder() {
    if (QCoreApplication::instance()) return withTrailingSlash(QCoreApplication::applicationDirPath());
    return withTrailingSlash(QDir::currentPath());
}
