#include "cli/cli_commands.h"

#include "exchange/backup.h"
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

int backup(const QStringList& args, Prompter& prompter) {
    if (args.size() != 2) {
        prompter.error(QStringLiteral("Usage: ledra-cli backup FILE"));
        return 2;
    }
    Tdm dm(prompter);
    if (!dm.open()) return 1;
    return WriteBackupFile(dm, args.at(1)) ? 0 : 1;
}

int restore(const QStringList& args, QTextStream& out, Prompter& prompter) {
    if (args.size() != 2) {
        prompter.error(QStringLiteral("Usage: ledra-cli restore FILE --yes"));
        return 2;
    }
    if (!ConfirmRestore(prompter)) {
        prompter.error(QStringLiteral("Nothing restored: confirm with --yes."));
        return 1;
    }
    Tdm dm(prompter);
    if (!dm.open()) return 1;
    if (!RestoreBackupFile(dm, args.at(1))) return 1;
    try {
        out << "committees: " << dm.queryValue(QStringLiteral("select count(*) from ORGS")).toInt() << "\n";
    } catch (const DbError& e) {
        prompter.error(e.message());
        return 1;
    }
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
        "  backup FILE write every committee with its names and transactions to the\n"
        "              backup file FILE (an existing file is replaced once FILE is complete)\n"
        "  restore FILE --yes\n"
        "              replace every committee, name and transaction of the database by the\n"
        "              content of the backup file FILE; --yes answers the confirmation, without\n"
        "              it nothing is restored\n"
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
    if (command == QLatin1String("backup")) return backup(args, prompter);
    if (command == QLatin1String("restore")) return restore(args, out, prompter);
    prompter.error(QStringLiteral("Unknown command \"%1\". Run ledra-cli --help for the list of commands.").arg(command));
    return 2;
}
