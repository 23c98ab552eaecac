#pragma once

#include <QDate>
#include <utility>

class Tdm;

// (CYCLE, PERIODID) of the first period holding the date, ordered by BEGINDATE, CYCLE,
// PERIODID; (0, 0) when none does.
std::pair<int, int> PeriodOfDate(Tdm& dm, const QDate& date);
