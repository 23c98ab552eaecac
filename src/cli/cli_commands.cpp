#include "cli/cli_commands.h"

#include "platform/prompter.h"
#include "store/db_error.h"
#include "store/tdm.h"

namespace {

int info(QTextStream& out, Prompter& prompter) {
    Tdm dm(prompter);
    if (!dm.open()) return 1;
    int committees = 0;
    try {
        committees = dm.queryValue(QStringLiteral("select count(*) from ORGS")).toInt();
    } catch (const DbError& e) {
        prompter.error(e.message());
        return 1;
    }
    const int revision = dm.queryValue(QStringLiteral("SELECT DATABASEREVISION FROM GLOBALCONTROL")).toInt();
    out << "app_folder: " << dm.applicationFolder() << "\n"
        << "settings: " << dm.settingsFilePath() << "\n"
        << "database: " << dm.databaseFile() << "\n"
        << "revision: " << revision << "\n"
        << "committees: " << committees << "\n";
    return 0;
}

}  // namespace

QString Cli::usage() {
    return QStringLiteral(
        "Usage: ledra-cli COMMAND [ARGUMENTS]\n"
        "\n"
        "Works on the same settings file and database as the program.\n"
        "\n"
        "Commands:\n"
        "  info        show the application folder, settings file, database, its revision\n"
        "              and the number of committees (creates the database when missing)\n"
        "  --help      show this text\n");
}

int Cli::run(const QStringList& args, QTextStream& out, Prompter& prompter) {
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h") ||
        args.first() == QLatin1String("help")) {
        out << usage();
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.first();
    if (command == QLatin1String("info")) return info(out, prompter);
    prompter.error(QStringLiteral("Unknown command \"%1\". Run ledra-cli --help for the list of commands.").arg(command));
    return 2;
}
