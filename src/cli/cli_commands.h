#pragma once

#include <QStringList>
#include <QTextStream>

class Prompter;

// The commands of ledra-cli. Each returns the process exit status.
namespace Cli {
int run(const QStringList& args, QTextStream& out, Prompter& prompter);
QString usage();
}  // namespace Cli
