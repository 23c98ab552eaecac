#include "support/test_env.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "platform/app_paths.h"
#include "platform/clock.h"
#include "store/database_file.h"
#include "store/sql_text.h"

namespace {

// Templates are made once per test process and copied for each test.
struct Templates {
    QTemporaryDir dir;
    QString revision22;
    QString current;
};

QString engineFolder() { return QDir::tempPath() + QStringLiteral("/ledra-firebird-") + QString::number(getuid()); }

Templates& templates() {
    static Templates* t = [] {
        auto* tpl = new Templates;
        DatabaseFile::prepareEmbeddedEngine(engineFolder());
        tpl->revision22 = tpl->dir.filePath(QStringLiteral("rev22.gdb"));
        QString error;
        if (!DatabaseFile::createWithSchema(tpl->revision22, QStringLiteral("sysdba"), QStringLiteral("plumtrees"), &error))
            qFatal("cannot create the template database: %s", qPrintable(error));
        // The current template: the data module opened once on a copy.
        const QString folder = tpl->dir.filePath(QStringLiteral("current"));
        QDir().mkpath(folder);
        QFile::copy(tpl->revision22, folder + QStringLiteral("/ledradb.gdb"));
        AppPaths::setApplicationFolderOverride(folder);
        AppPaths::setTemporaryFolderOverride(folder + QStringLiteral("/temp"));
        {
            RecordingPrompter p;
            Tdm dm(p);
            if (!dm.open() || !p.messages().isEmpty()) qFatal("cannot bring the template database up to date");
        }
        tpl->current = folder + QStringLiteral("/ledradb.gdb");
        return tpl;
    }();
    return *t;
}

void withConnection(const QString& path, const std::function<void(QSqlDatabase&)>& fn) {
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
        db.setDatabaseName(path);
        db.setUserName(QStringLiteral("sysdba"));
        db.setPassword(QStringLiteral("plumtrees"));
        db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
        if (!db.open()) ADD_FAILURE() << db.lastError().text().toStdString();
        else fn(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

TestEnv::TestEnv(Database database) {
    Clock::setFixed({});
    QString source;
    if (database == Database::Revision22) source = templates().revision22;
    if (database == Database::Current) source = templates().current;
    AppPaths::setApplicationFolderOverride(dir_.filePath(QStringLiteral("app")));
    AppPaths::setTemporaryFolderOverride(dir_.filePath(QStringLiteral("temp")));
    QDir().mkpath(appFolder());
    if (!source.isEmpty()) {
        QFile::copy(source, databasePath());
        QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TestEnv::~TestEnv() {
    dm_.reset();
    Clock::setFixed({});
    AppPaths::setApplicationFolderOverride({});
    AppPaths::setTemporaryFolderOverride({});
}

QString TestEnv::appFolder() const { return dir_.filePath(QStringLiteral("app")) + QLatin1Char('/'); }
QString TestEnv::databasePath() const { return appFolder() + QStringLiteral("ledradb.gdb"); }

Tdm& TestEnv::openTdm() {
    dm_ = std::make_unique<Tdm>(prompter_);
    EXPECT_TRUE(dm_->open()) << prompter_.texts().join(QLatin1Char('|')).toStdString();
    return *dm_;
}

void TestEnv::exec(const QString& sql) {
    withConnection(databasePath(), [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(sql)) ADD_FAILURE() << q.lastError().text().toStdString() << "\n" << sql.toStdString();
    });
}

QVariant TestEnv::value(const QString& sql) {
    QVariant out;
    withConnection(databasePath(), [&](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(sql)) ADD_FAILURE() << q.lastError().text().toStdString() << "\n" << sql.toStdString();
        else if (q.next()) out = q.value(0);
    });
    return out;
}

void TestEnv::addCommittee(const QString& filerId, const QString& name, int type) {
    exec(QStringLiteral("INSERT INTO ORGS (FILERID, COMMITTEETYPEID, NAME, ADDRESS1, CITY, STATE, ZIP, CHNAME, "
                        "TRNAME, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES (%1, %2, %3, '1 MAIN ST', 'TUCSON', "
                        "'AZ', '85701', 'CHAIR', 'TREASURER', CURRENT_TIMESTAMP, 'USER', 'F')")
             .arg(SqlQuote(filerId), QString::number(type), SqlQuote(name)));
}

namespace {
const QString kStamp = QStringLiteral("'01/02/2020 03:04:05'");

QString quotedOrNull(const QString& text) { return text.isNull() ? QStringLiteral("NULL") : SqlQuote(text); }
}  // namespace

void TestEnv::addName(const QString& filerId, int nameId, int nameType, const QString& name,
                      const QString& user4) {
    exec(QStringLiteral("INSERT INTO NAMELIST (FILERID, NAMEID, NAMETS, NAMETYPEID, NAME, ADDRESS1, CITY, STATE, "
                        "ZIP, USER4, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES (%1, %2, %3, %4, %5, "
                        "'1 ELM ST', 'TUCSON', 'AZ', '85701', %6, %3, 'USER', 'F')")
             .arg(SqlQuote(filerId), QString::number(nameId), kStamp, QString::number(nameType), SqlQuote(name),
                  quotedOrNull(user4)));
}

void TestEnv::addTransaction(const QString& filerId, int transId, int nameId, int from, int to,
                             const QString& amount, const QDate& date, int masterId, const QString& memo) {
    exec(QStringLiteral("INSERT INTO TRANSACT (FILERID, TRANSID, TRANSTS, MASTERTRANSID, TRANSDATE, AMOUNT, NAMEID, "
                        "CREDITACCOUNTID, DEBITACCOUNTID, TRANSMEMO, MODIFIED_DATE, MODIFIED_USER, DELETED) VALUES "
                        "(%1, %2, %3, %4, %5, %6, %7, %8, %9, %10, %3, 'USER', 'F')")
             .arg(SqlQuote(filerId), QString::number(transId), kStamp,
                  QString::number(masterId == 0 ? transId : masterId), SqlDateLiteral(date), amount,
                  QString::number(nameId), QString::number(to), QString::number(from), quotedOrNull(memo)));
}

void TestEnv::addTransaction(const QString& filerId, int transId, int nameId, int from, int to, double amount,
                             const QDate& date, int masterId, const QString& memo) {
    addTransaction(filerId, transId, nameId, from, to, QString::number(amount, 'g', 15), date, masterId, memo);
}
