#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Creating a new database file and running the scripts that fill it.
namespace DatabaseFile {

// Sets up the embedded engine before its first use: a private configuration folder that runs
// the engine as SuperClassic, so that the program and ledra-cli can have the same database open
// at once. Does nothing when FIREBIRD is already set (the person chose an engine) or when called
// again. `folder` is where the configuration lives.
void prepareEmbeddedEngine(const QString& folder);

// True when the database name points to a file on this machine (not "host:/path").
bool isLocalPath(const QString& databaseName);

// Creates an empty database file (UTF8, dialect 3). False with a message on failure.
bool create(const QString& path, const QString& user, const QString& password, QString* error);

// Splits a script into statements: ";" ends a statement unless "SET TERM x ;" named another
// terminator; "--" comments and blank lines are dropped.
QStringList splitScript(const QString& script);

// Runs every statement of a script (from a Qt resource or text) inside one transaction.
// False with the failing statement's error.
bool runScript(QSqlDatabase& db, const QString& script, QString* error);

// Creates the file and fills it from the schema and reference-row scripts (revision 22).
bool createWithSchema(const QString& path, const QString& user, const QString& password,
                      QString* error);

}  // namespace DatabaseFile
