#include "ledger/periods.h"

#include <QSqlQuery>

#include "shell/opt_data.h"
#include "store/sql_text.h"
#include "store/tdm.h"

std::pair<int, int> PeriodOfDate(Tdm& dm, const QDate& date) {
    // A period holds the days from BEGINDATE up to, not including, ENDDATE + 1.
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    const QString d = SqlDateLiteral(date);
    if (!q.exec(QStringLiteral("select CYCLE, PERIODID from PERIODS where BEGINDATE <= ") + d +
                QStringLiteral(" and ENDDATE + 1 > ") + d + QStringLiteral(" order by BEGINDATE, CYCLE, PERIODID")))
        return {0, 0};
    if (!q.next()) return {0, 0};
    return {q.value(0).toInt(), q.value(1).toInt()};
}

namespace {

QDate cycleBound(Tdm& dm, const QString& sql) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    if (!q.exec(sql) || !q.next()) return {};
    return q.value(0).toDateTime().date();
}

}  // namespace

QDate CycleBeginDate(Tdm& dm, int cycle) {
    return cycleBound(dm, QStringLiteral("select min(begindate) from periods where cycle = ") + QString::number(cycle));
}

QDate CycleEndDate(Tdm& dm, int cycle) {
    return cycleBound(dm, QStringLiteral("select max(enddate) from periods where cycle = ") + QString::number(cycle));
}

bool DateInPeriod(Tdm& dm, int cycle, int periodId, const QDateTime& at) {
    QSqlQuery q(dm.db());
    q.setForwardOnly(true);
    const QString d = SqlDateTimeLiteral(at);
    if (!q.exec(QStringLiteral("select count(*) from PERIODS where CYCLE = ") + QString::number(cycle) +
                QStringLiteral(" and PERIODID = ") + QString::number(periodId) +
                QStringLiteral(" and BEGINDATE <= ") + d + QStringLiteral(" and ENDDATE + 1 > ") + d))
        return false;
    return q.next() && q.value(0).toInt() > 0;
}

bool DateInPeriod(Tdm& dm, int cycle, int periodId, const QDate& date) {
    return DateInPeriod(dm, cycle, periodId, QDateTime(date, QTime(0, 0)));
}

bool DateInCurrentPeriod(Tdm& dm, const QDateTime& at) {
    const TOptData& opt = dm.opt();
    if (opt.DisablePeriodCheck) return true;
    return DateInPeriod(dm, opt.CurrentCycle, opt.CurrentPeriod, at);
}

bool DateInCurrentPeriod(Tdm& dm, const QDate& date) {
    return DateInCurrentPeriod(dm, QDateTime(date, QTime(0, 0)));
}
