#include "store/version_info.h"

#include "platform/program_version.h"

QString ShortVersion() {
    const ProgramVersion v = CurrentProgramVersion();
    if (!v.present) return {};
    return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
}

QString LongVersion() {
    const ProgramVersion v = CurrentProgramVersion();
    if (!v.present) return {};
    return QStringLiteral("%1.%2 Rel %3 Bld %4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
}

int VersionNumber() {
    const ProgramVersion v = CurrentProgramVersion();
    if (!v.present) return 0;
    return v.major * 1000000 + v.minor * 10000 + v.release * 100 + v.build;
}
