#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Values pasted into SQL text. Every text pasted into a statement goes through SqlQuote.
QString SqlQuote(const QString& text);
// 'mm/dd/yyyy'
QString SqlDateLiteral(const QDate& date);
// 'MM/DD/YYYY HH:NN:SS'
QString SqlDateTimeLiteral(const QDateTime& dateTime);
