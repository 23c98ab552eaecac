#include <QCoreApplication>
#include <QTextStream>

#include "cli/cli_commands.h"
#include "platform/console_prompter.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Campaign Finance"));
    QStringList args = app.arguments().mid(1);
    ConsolePrompter prompter(args.contains(QStringLiteral("--yes")));
    args.removeAll(QStringLiteral("--yes"));
    QTextStream out(stdout);
    const int status = Cli::run(args, out, prompter);
    out.flush();
    return status;
}
