#include "support/cli_runner.h"

#include <QProcess>
#include <QProcessEnvironment>

CliRun runCli(const QStringList& args, const QString& dataHome) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("TEMP"), dataHome + QStringLiteral("/tmp"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("LEDRA_CLI"), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
