#include "ledger/periods.h"

#include <QSqlQuery>

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
