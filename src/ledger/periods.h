#pragma once

#include <QDate>
#include <QDateTime>
#include <utility>

class Tdm;

// Reporting periods (table PERIODS, shared by all committees). A date lies in a period when it is
// on or after BEGINDATE and before ENDDATE + 1 day, so the whole end day is inside. A failed read
// counts as "no such period".

// (CYCLE, PERIODID) of the first period holding the date, ordered by BEGINDATE, CYCLE,
// PERIODID; (0, 0) when none does.
std::pair<int, int> PeriodOfDate(Tdm& dm, const QDate& date);

// The first BEGINDATE and the last ENDDATE of a cycle; an invalid date when the cycle has no
// periods.
QDate CycleBeginDate(Tdm& dm, int cycle);
QDate CycleEndDate(Tdm& dm, int cycle);

// Whether the period (cycle, periodId) holds the moment; a QDate counts as its midnight.
bool DateInPeriod(Tdm& dm, int cycle, int periodId, const QDateTime& at);
bool DateInPeriod(Tdm& dm, int cycle, int periodId, const QDate& date);

// Whether the current period of the preferences holds the date; always true while the
// preference DisablePeriodCheck is on.
bool DateInCurrentPeriod(Tdm& dm, const QDateTime& at);
bool DateInCurrentPeriod(Tdm& dm, const QDate& date);
