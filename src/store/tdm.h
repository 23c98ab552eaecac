#pragma once

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>

#include "store/log.h"

class CommitteeTable;
class IniFile;
class Prompter;
class TOptData;

// The data module: owns the one database connection and the state that lives for the whole run
// (preferences, log, folders, revision, statute change date, change cut-off, flags).
class Tdm {
public:
    static inline const QString kSettingsFileName = QStringLiteral("LEDRAPRG.ini");
    static inline const QString kDatabaseFileName = QStringLiteral("ledradb.gdb");

    explicit Tdm(Prompter& prompter);
    ~Tdm();
    Tdm(const Tdm&) = delete;
    Tdm& operator=(const Tdm&) = delete;

    // The creation steps: folders, log, settings, connection, revisions, office refresh. False
    // when the program cannot go on (the reason has been shown); a failed revision step is
    // reported through the application error handler and the rest is skipped, the result
    // staying true.
    bool open();

    QSqlDatabase& db() { return db_; }
    TOptData& opt() { return *opt_; }
    const TOptData& opt() const { return *opt_; }
    Log& log() { return log_; }
    Prompter& prompter() { return prompter_; }
    IniFile& settings() { return *settings_; }

    // The folders end with "/".
    const QString& applicationFolder() const { return appFolder_; }
    const QString& settingsFilePath() const { return settingsPath_; }
    const QString& temporaryFolder() const { return tempFolder_; }
    void setTemporaryFolder(const QString& folder) { tempFolder_ = folder; }
    const QString& databaseFile() const { return databaseFile_; }

    int databaseRevision() const { return revision_; }
    QDate statuteChangeDate() const { return statuteChangeDate_; }
    QDateTime changeCutoff() const { return changeCutoff_; }
    void setChangeCutoff(const QDateTime& at) { changeCutoff_ = at; }
    // After a deletion or a restore every row counts as changed.
    void resetChangeCutoff() { changeCutoff_ = QDateTime(QDate(1960, 1, 1), QTime(0, 0)); }
    bool debugMode() const { return debugMode_; }
    void setDebugMode(bool on) { debugMode_ = on; }
    bool closingForUpdate() const { return closingForUpdate_; }
    void setClosingForUpdate(bool on) { closingForUpdate_ = on; }

    // The open committee's filer ID (trimmed), empty when none is open.
    QString currentFilerId() const;
    // Every committee (ORGS), read on first use; the open committee's fields are read from it.
    // The first read throws DbError when it fails.
    CommitteeTable& orgs();

    // Runs one statement; a failure throws DbError with the engine's message.
    void execSql(const QString& sql);
    // Runs a query that gives one value (null when no row).
    QVariant queryValue(const QString& sql);

    // Revision steps for a database at `revision`; throws DbError after logging and rolling back.
    void applyRevisions(int revision);
    // Rewrites the county offices in one transaction; on failure everything is rolled back and
    // nothing is reported.
    void refreshOfficeCodes();
    // Whether any transaction or name of the open committee changed at or after the cut-off.
    bool changedSinceCutoff();

    // Reads the preferences from the settings file (start-up), with the cycle rule.
    void readPreferences();
    // Writes the preferences to the settings file (close).
    void writePreferences();

    // "App Exception: " + message, logged and shown; the program goes on.
    void reportAppException(const QString& message);

private:
    Prompter& prompter_;
    std::unique_ptr<TOptData> opt_;
    std::unique_ptr<IniFile> settings_;
    Log log_;
    QSqlDatabase db_;
    QString connectionName_;
    QString appFolder_;
    QString settingsPath_;
    QString tempFolder_;
    QString databaseFile_;
    int revision_ = 0;
    QDate statuteChangeDate_;
    QDateTime changeCutoff_;
    bool debugMode_ = false;
    bool closingForUpdate_ = false;
    std::unique_ptr<CommitteeTable> orgs_;
};
