#pragma once

#include <QSqlError>
#include <QString>
#include <exception>
#include <string>

// An error of the database engine (or of a statement the program ran), carried as an exception
// to the handler that shows it.
class DbError : public std::exception {
public:
    explicit DbError(const QString& message, const QString& nativeCode = QString())
        : message_(message), nativeCode_(nativeCode), utf8_(message.toStdString()) {}
    static DbError fromSql(const QSqlError& e) {
        QString text = e.databaseText().trimmed();
        if (text.isEmpty()) text = e.driverText().trimmed();
        if (text.isEmpty()) text = e.text().trimmed();
        // A closed or lost connection may come without any text.
        if (text.isEmpty()) text = QStringLiteral("The database connection is not open.");
        return DbError(text, e.nativeErrorCode());
    }

    const QString& message() const { return message_; }
    const QString& nativeCode() const { return nativeCode_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    QString nativeCode_;
    std::string utf8_;
};
