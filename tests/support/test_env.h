#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

#include "platform/recording_prompter.h"
#include "store/tdm.h"

// A fresh application folder, temporary folder and database for one test.
class TestEnv {
public:
    enum class Database { None, Revision22, Current };

    // Points the program's folders at a new temporary directory and, unless None, puts a copy of
    // a template database there: Revision22 as a new file comes, Current after every revision.
    explicit TestEnv(Database database = Database::Current);
    ~TestEnv();

    QString appFolder() const;
    QString databasePath() const;
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Opens the data module as the program does (the preferences are not read).
    Tdm& openTdm();
    Tdm& dm() { return *dm_; }
    RecordingPrompter& prompter() { return prompter_; }
    void closeTdm() { dm_.reset(); }

    // Runs SQL on the database through a connection of its own (outside the data module).
    void exec(const QString& sql);
    QVariant value(const QString& sql);

    // A committee row with the required columns filled.
    void addCommittee(const QString& filerId, const QString& name, int type = 1);
    // A name row with the required columns filled (1 ELM ST, TUCSON, AZ 85701), stamped
    // 01/02/2020 03:04:05; USER4 is null when `user4` is a null QString.
    void addName(const QString& filerId, int nameId, int nameType, const QString& name,
                 const QString& user4 = QString());
    // A transaction row as the program stores it, money moving from account `from` to account
    // `to`, stamped 01/02/2020 03:04:05. `amount` is pasted as given (the program stores floating
    // dollars); `masterId` 0 makes the row its own master; TRANSMEMO is null when `memo` is.
    void addTransaction(const QString& filerId, int transId, int nameId, int from, int to,
                        const QString& amount, const QDate& date, int masterId = 0,
                        const QString& memo = QString());
    void addTransaction(const QString& filerId, int transId, int nameId, int from, int to,
                        double amount, const QDate& date, int masterId = 0,
                        const QString& memo = QString());

private:
    QTemporaryDir dir_;
    RecordingPrompter prompter_;
    std::unique_ptr<Tdm> dm_;
};
