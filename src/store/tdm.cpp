#include "store/tdm.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "committee/committee_record.h"
#include "ledger/periods.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shell/opt_data.h"
#include "store/database_file.h"
#include "store/db_error.h"
#include "store/ini_file.h"
#include "store/revisions.h"
#include "store/sql_text.h"
#include "store/version_info.h"

namespace {
const QString kUpdater = QStringLiteral("UPDATER");
const QString kDb = QStringLiteral("db");

// Where the embedded engine's own configuration lives: one place for every process of this
// user, so that the program and ledra-cli run the engine the same way.
QString engineConfigFolder() {
    return QDir::tempPath() + QStringLiteral("/ledra-firebird-") + QString::number(getuid());
}

bool looksLikeFileInUse(const QString& message) {
    return message.contains(QLatin1String("lock"), Qt::CaseInsensitive) &&
           message.contains(QLatin1String("already opened"), Qt::CaseInsensitive);
}
}  // namespace

Tdm::Tdm(Prompter& prompter) : prompter_(prompter), opt_(std::make_unique<TOptData>()) {}

Tdm::~Tdm() {
    if (db_.isValid()) {
        if (db_.isOpen()) db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

bool Tdm::open() {
    // 1.
    statuteChangeDate_ = QDate(2016, 11, 9);
    // 2-3. The connection is made closed below; the preferences exist with their defaults.
    debugMode_ = false;
    // 4.
    tempFolder_ = AppPaths::temporaryFolder();
    if (!QDir().mkpath(tempFolder_)) {
        prompter_.error(QStringLiteral("Unable to create directory ") + QDir::toNativeSeparators(tempFolder_));
        return false;
    }
    // 5.
    appFolder_ = AppPaths::applicationFolder();
    QDir().mkpath(appFolder_);
    settingsPath_ = appFolder_ + kSettingsFileName;
    // 6.
    changeCutoff_ = Clock::now();
    // 7.
    log_.setFolder(appFolder_ + QStringLiteral("log/"));
    log_.write(QStringLiteral("AppPath=") + appFolder_);
    log_.write(QStringLiteral("IniFile=") + settingsPath_);
    // 8.
    settings_ = std::make_unique<IniFile>(settingsPath_);
    log_.write(QStringLiteral("Saving application version ") + ShortVersion());
    settings_->writeString(kUpdater, QStringLiteral("LastVersion"), ShortVersion());
    settings_->deleteKey(kUpdater, QStringLiteral("LastSFUpdate"));
    if (!settings_->valueExists(kUpdater, QStringLiteral("UpdateURL")))
        settings_->writeString(kUpdater, QStringLiteral("UpdateURL"), DefaultAddresses::kUpdate);
    QString path = settings_->readString(kDb, QStringLiteral("path"), appFolder_);
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('/');
    databaseFile_ = path + kDatabaseFileName;
    const QString user = settings_->readString(kDb, QStringLiteral("username"), QStringLiteral("sysdba"));
    const QString password = settings_->readString(kDb, QStringLiteral("password"), QStringLiteral("plumtrees"));

    // 9.
    DatabaseFile::prepareEmbeddedEngine(engineConfigFolder());
    if (DatabaseFile::isLocalPath(databaseFile_) && !QFileInfo::exists(databaseFile_)) {
        QString error;
        log_.write(QStringLiteral("Creating database ") + databaseFile_);
        if (!DatabaseFile::createWithSchema(databaseFile_, user, password, &error)) {
            prompter_.error(QStringLiteral("Error opening database \r\n") + error);
            return false;
        }
    }
    connectionName_ = QStringLiteral("ledra-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), connectionName_);
    db_.setDatabaseName(databaseFile_);
    db_.setUserName(user);
    db_.setPassword(password);
    db_.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (!db_.open()) {
        QString message = db_.lastError().databaseText().trimmed();
        if (message.isEmpty()) message = db_.lastError().text();
        if (looksLikeFileInUse(message))
            message += QStringLiteral("\r\nThe database is in use by another program. Close that program and try again.");
        prompter_.error(QStringLiteral("Error opening database \r\n") + message);
        return false;
    }
    // 10.
    revision_ = queryValue(QStringLiteral("SELECT DATABASEREVISION FROM GLOBALCONTROL")).toInt();
    // 11-12.
    try {
        applyRevisions(revision_);
        refreshOfficeCodes();
    } catch (const DbError& e) {
        reportAppException(e.message());
        return true;
    }
    // 13.
    closingForUpdate_ = false;
    return true;
}

QString Tdm::currentFilerId() const { return opt_->LastOrg.trimmed(); }

CommitteeTable& Tdm::orgs() {
    if (!orgs_) {
        auto table = std::make_unique<CommitteeTable>(*this);
        table->reload();
        orgs_ = std::move(table);
    }
    return *orgs_;
}

void Tdm::execSql(const QString& sql) {
    QSqlQuery q(db_);
    if (!q.exec(sql)) throw DbError::fromSql(q.lastError());
}

QVariant Tdm::queryValue(const QString& sql) {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.exec(sql)) throw DbError::fromSql(q.lastError());
    if (!q.next()) return {};
    return q.value(0);
}

void Tdm::applyRevisions(int revision) {
    if (revision >= Revisions::kCurrentRevision) return;
    try {
        for (const Revisions::Step& step : Revisions::steps()) {
            if (step.number <= revision) continue;
            for (const QStringList& transaction : step.transactions) {
                db_.transaction();
                for (const QString& sql : transaction) execSql(sql);
                if (!db_.commit()) throw DbError::fromSql(db_.lastError());
            }
        }
        db_.transaction();
        execSql(QStringLiteral("UPDATE GLOBALCONTROL SET DATABASEREVISION = %1").arg(Revisions::kCurrentRevision));
        if (!db_.commit()) throw DbError::fromSql(db_.lastError());
    } catch (const DbError& e) {
        log_.write(QStringLiteral("Exception during update database. ") + e.message());
        db_.rollback();
        throw;
    }
}

void Tdm::refreshOfficeCodes() {
    db_.transaction();
    try {
        for (const QString& sql : Revisions::officeRefreshStatements()) execSql(sql);
        if (!db_.commit()) throw DbError::fromSql(db_.lastError());
    } catch (const DbError&) {
        db_.rollback();
    }
}

bool Tdm::changedSinceCutoff() {
    const QString where = QStringLiteral("\nwhere filerid = ") + SqlQuote(currentFilerId()) +
                          QStringLiteral("\nand Modified_Date >= ") + SqlDateTimeLiteral(changeCutoff_);
    const int transactions = queryValue(QStringLiteral("select count(*) from TRANSACT") + where).toInt();
    const int names = queryValue(QStringLiteral("select count(*) from NAMELIST") + where).toInt();
    return transactions > 0 || names > 0;
}

void Tdm::readPreferences() {
    TOptData::PeriodLookups lookups;
    lookups.cycleHasPeriods = [this](int cycle) {
        try {
            return queryValue(QStringLiteral("select count(*) from PERIODS where CYCLE = %1").arg(cycle)).toInt() > 0;
        } catch (const DbError&) {
            return false;
        }
    };
    lookups.periodOfDate = [this](const QDate& date) { return PeriodOfDate(*this, date); };
    settings_->reload();
    opt_->read(*settings_, lookups);
    debugMode_ = opt_->DebugMode;
}

void Tdm::writePreferences() { opt_->write(*settings_); }

void Tdm::reportAppException(const QString& message) {
    const QString text = QStringLiteral("App Exception: ") + message;
    log_.write(text);
    prompter_.error(text);
}
