#include "store/sql_text.h"

QString SqlQuote(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString SqlDateLiteral(const QDate& date) {
    return QLatin1Char('\'') + date.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char('\'');
}

QString SqlDateTimeLiteral(const QDateTime& dateTime) {
    return QLatin1Char('\'') + dateTime.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")) + QLatin1Char('\'');
}
