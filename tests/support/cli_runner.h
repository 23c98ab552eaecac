#pragma once

#include <QString>
#include <QStringList>

// Runs the built ledra-cli (path in LEDRA_CLI, set by CTest) with its application folder in
// `dataHome`/Quorvane/Ledra7/.
struct CliRun {
    int status;
    QString out, err;
};
CliRun runCli(const QStringList& args, const QString& dataHome);
