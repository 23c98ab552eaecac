#include "store/database_file.h"

#include <ibase.h>

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "store/sql_text.h"

// Resources of a static library are registered by hand.
static void initStoreResources() { Q_INIT_RESOURCE(store); }

namespace {
bool g_enginePrepared = false;

QString systemFirebirdRoot() {
    const QStringList candidates = {
        QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0"),
        QStringLiteral("/usr/lib/aarch64-linux-gnu/firebird/3.0"),
        QStringLiteral("/usr/lib/firebird/3.0"),
        QStringLiteral("/opt/firebird"),
    };
    for (const QString& c : candidates)
        if (QFileInfo::exists(c + QStringLiteral("/plugins"))) return c;
    return {};
}

QString statusText(const ISC_STATUS* status) {
    QString out;
    char buffer[512];
    const ISC_STATUS* p = status;
    while (fb_interpret(buffer, sizeof buffer, &p)) {
        if (!out.isEmpty()) out += QLatin1Char('\n');
        out += QString::fromLocal8Bit(buffer);
    }
    return out;
}
}  // namespace

void DatabaseFile::prepareEmbeddedEngine(const QString& folder) {
    if (g_enginePrepared) return;
    g_enginePrepared = true;
    if (!qEnvironmentVariableIsEmpty("FIREBIRD")) return;
    const QString root = systemFirebirdRoot();
    if (root.isEmpty()) return;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) return;
    // Everything of the installed engine is linked, only its configuration is our own.
    const QDir system(root);
    for (const QFileInfo& fi : system.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (fi.fileName() == QLatin1String("firebird.conf")) continue;
        const QString link = dir.filePath(fi.fileName());
        if (!QFileInfo(link).isSymLink() && !QFileInfo::exists(link)) QFile::link(fi.absoluteFilePath(), link);
    }
    // Written whole and renamed into place: several processes may start at once and the engine
    // must never read a half-written file.
    const QString confPath = dir.filePath(QStringLiteral("firebird.conf"));
    const QString tempPath = confPath + QStringLiteral(".") + QString::number(QCoreApplication::applicationPid());
    QFile conf(tempPath);
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        conf.write("# Written by Ledra: lets several of its processes open one database file.\n"
                   "ServerMode = SuperClassic\n");
        conf.close();
        if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(confPath).constData()) != 0)
            QFile::remove(tempPath);
    }
    qputenv("FIREBIRD", QDir::cleanPath(dir.absolutePath()).toLocal8Bit());
}

bool DatabaseFile::isLocalPath(const QString& databaseName) {
    // "host:/folder/file" or "host/port:C:\folder\file" name a server; "/folder/file" does not.
    static const QRegularExpression remote(QStringLiteral("^[^/\\\\:]{2,}:"));
    return !remote.match(databaseName).hasMatch();
}

bool DatabaseFile::create(const QString& path, const QString& user, const QString& password,
                          QString* error) {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    const QString sql = QStringLiteral("CREATE DATABASE ") + SqlQuote(path) + QStringLiteral(" USER ") +
                        SqlQuote(user) + QStringLiteral(" PASSWORD ") + SqlQuote(password) +
                        QStringLiteral(" PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8");
    const QByteArray text = sql.toUtf8();
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, text.constData(), 3, nullptr)) {
        if (error) *error = statusText(status);
        return false;
    }
    isc_detach_database(status, &db);
    return true;
}

QStringList DatabaseFile::splitScript(const QString& script) {
    static const QRegularExpression setTerm(QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*(\\S*)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    for (QString line : script.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (current.trimmed().isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))) continue;
        const auto m = setTerm.match(trimmed);
        if (m.hasMatch() && current.trimmed().isEmpty()) {
            QString t = m.captured(1);
            // "SET TERM ^ ;" and "SET TERM ; ^": the new terminator comes first.
            if (t.endsWith(terminator) && t.size() > terminator.size()) t.chop(terminator.size());
            terminator = t;
            continue;
        }
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(terminator)) {
            QString s = current.trimmed();
            s.chop(terminator.size());
            if (!s.trimmed().isEmpty()) statements << s.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) statements << current.trimmed();
    return statements;
}

bool DatabaseFile::runScript(QSqlDatabase& db, const QString& script, QString* error) {
    const QStringList statements = splitScript(script);
    db.transaction();
    QSqlQuery q(db);
    for (const QString& s : statements) {
        if (!q.exec(s)) {
            if (error) *error = q.lastError().text() + QStringLiteral("\n") + s.left(200);
            db.rollback();
            return false;
        }
        // Tables must exist, committed, before later statements can use them.
        if (s.startsWith(QLatin1String("CREATE"), Qt::CaseInsensitive)) {
            db.commit();
            db.transaction();
        }
    }
    return db.commit();
}

bool DatabaseFile::createWithSchema(const QString& path, const QString& user,
                                    const QString& password, QString* error) {
    initStoreResources();
    if (!create(path, user, password, error)) return false;
    bool ok = true;
    const QString connectionName = QStringLiteral("ledra-create-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), connectionName);
        db.setDatabaseName(path);
        db.setUserName(user);
        db.setPassword(password);
        db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
        if (!db.open()) {
            if (error) *error = db.lastError().text();
            ok = false;
        }
        for (const QString& name : {QStringLiteral(":/store/schema.sql"), QStringLiteral(":/store/reference_rows.sql")}) {
            if (!ok) break;
            QFile f(name);
            if (!f.open(QIODevice::ReadOnly)) {
                if (error) *error = QStringLiteral("Missing script ") + name;
                ok = false;
                break;
            }
            ok = runScript(db, QString::fromUtf8(f.readAll()), error);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!ok) QFile::remove(path);  // a half-made file would be taken for a database next time
    return ok;
}
